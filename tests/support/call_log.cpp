#include "call_log.h"

#include <algorithm>

std::string LoggedCall::ToString() const
{
    std::string text = name + "(";
    for (size_t i = 0; i < args.size(); ++i)
        text += (i ? ", " : "") + args[i];
    return text + ")";
}

std::vector<std::string> CallLog::Names(bool skipProcessEvents) const
{
    std::vector<std::string> names;
    for (auto &c : m_calls)
        if (!skipProcessEvents || c.name != "ProcessEvents")
            names.push_back(c.name);
    return names;
}

int CallLog::Count(const std::string &name) const
{
    return static_cast<int>(std::count_if(m_calls.begin(), m_calls.end(), [&](auto &c) { return c.name == name; }));
}

const LoggedCall *CallLog::Last(const std::string &name) const
{
    for (auto it = m_calls.rbegin(); it != m_calls.rend(); ++it)
        if (it->name == name)
            return &*it;
    return nullptr;
}
