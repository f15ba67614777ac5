// rescvt <input.res> <output.cpp>: converts a compiled resource file into a C++ resource table.
#include "res_emitter.h"
#include "res_file.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

int Fail(const std::string &file, const std::string &message) {
    std::cerr << "rescvt: " << file << ": " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: rescvt <input.res> <output.cpp>\n";
        return 2;
    }
    const std::string input = argv[1];
    const std::string output = argv[2];

    std::ifstream in(input, std::ios::binary);
    if (!in)
        return Fail(input, "cannot open");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return Fail(input, "cannot read");

    std::vector<rescvt::ResEntry> entries;
    rescvt::ParseError error;
    if (!rescvt::ParseResFile(bytes.data(), bytes.size(), entries, error))
        return Fail(input, error.what + " at offset " + std::to_string(error.offset));

    std::ostringstream text;
    rescvt::EmitResourceTable(entries, input.substr(input.find_last_of('/') + 1), text);

    // Write through a temporary so that a failed run never leaves a half-written table behind
    // for the build to pick up.
    const std::string temporary = output + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text.str();
        if (!out.flush())
            return Fail(output, "cannot write");
    }
    if (std::rename(temporary.c_str(), output.c_str()) != 0)
        return Fail(output, "cannot replace");
    return 0;
}
