#include "handle_ledger.h"

namespace {
// The fake host's conventions: a copy of handle h is h + 1000; every text compiles into expression 500.
constexpr int32_t kCopyOffset = 1000;
constexpr int32_t kCompiledExpression = 500;

int32_t Argument(const LoggedCall &call, size_t index) { return std::stoi(call.args.at(index)); }
} // namespace

void HandleLedger::Read()
{
    const std::vector<LoggedCall> &calls = m_log.Calls();
    for (; m_read < calls.size(); ++m_read) {
        const LoggedCall &call = calls[m_read];
        if (call.name == "ReplicateRule")
            Copied(Argument(call, 2));
        else if (call.name == "CopyExpression" || call.name == "CopyLabourRule")
            Copied(Argument(call, 0));
        else if (call.name == "CompExp")
            Made(kCompiledExpression);
        else if (call.name == "DeleteRule")
            Released(Argument(call, 0), "gave back");
        else if (call.name == "DeleteExpression")
            Released(Argument(call, 0), "gave back");
    }
}

void HandleLedger::Copied(int32_t source)
{
    bool succeeded = true;
    if (!m_copyAnswers.empty()) {
        succeeded = m_copyAnswers.front();
        m_copyAnswers.pop_front();
    }
    if (succeeded)
        Made(source + kCopyOffset);
}

void HandleLedger::Made(int32_t handle) { ++m_held[handle]; }

void HandleLedger::HandedToHost(int32_t handle)
{
    if (handle != -1)
        Released(handle, "handed the host");
}

void HandleLedger::Released(int32_t handle, const char *how)
{
    int &held = m_held[handle];
    if (held > 0)
        --held;
    else
        m_faults.push_back(std::string(how) + " handle " + std::to_string(handle) + ", which it did not hold");
}

std::vector<std::string> HandleLedger::Faults() const
{
    std::vector<std::string> faults = m_faults;
    for (const auto &[handle, held] : m_held) {
        if (held > 0)
            faults.push_back("still holds handle " + std::to_string(handle) + " (" + std::to_string(held) + ")");
    }
    return faults;
}
