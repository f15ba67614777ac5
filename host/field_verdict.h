// The host's answer to a validate slot: the number of the first field it cannot accept, and why.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class DemoModel;

struct Field {
    int32_t number;
    std::string text;
};

struct Verdict {
    int32_t field = -1; // -1: accepted
    std::string why;
    std::string Text() const { return field == -1 ? "-> -1" : "-> " + std::to_string(field) + " (" + why + ")"; }
};

// The host compiles each field in turn; the first that does not compile is the one it names.
Verdict FirstWrong(const DemoModel &model, const std::vector<Field> &fields);
