// A log of the calls a fake host received, with their arguments as text, so a test can check calls and order.
#pragma once
#include <sstream>
#include <string>
#include <vector>

struct LoggedCall {
    std::string name;
    std::vector<std::string> args;
    std::string ToString() const;
};

class CallLog {
public:
    template <typename... Args> void Add(const std::string &name, const Args &...args)
    {
        LoggedCall call{name, {}};
        (call.args.push_back(ToText(args)), ...);
        m_calls.push_back(std::move(call));
    }
    void Clear() { m_calls.clear(); }
    const std::vector<LoggedCall> &Calls() const { return m_calls; }
    std::vector<std::string> Names(bool skipProcessEvents = true) const;
    int Count(const std::string &name) const;
    const LoggedCall *Last(const std::string &name) const;

private:
    template <typename T> static std::string ToText(const T &value)
    {
        std::ostringstream out;
        out << value;
        return out.str();
    }
    static std::string ToText(const char *value) { return value ? value : "(null)"; }
    static std::string ToText(char *value) { return value ? value : "(null)"; }
    std::vector<LoggedCall> m_calls;
};
