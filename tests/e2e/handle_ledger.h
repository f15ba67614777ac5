// Accounts for the host handles the library holds while a sheet runs. The library may hold only what the host
// made for it: copies (ReplicateRule, CopyExpression, CopyLabourRule), compiled expressions (CompExp), and
// handles a host editor put into one of the library's own copies. Each must in the end have been given back
// once (DeleteRule, DeleteExpression) or handed to the host in a record it reads back. Anything given back
// that the library did not hold is a fault too: it belongs to the host, or does not exist.
//
// The ledger reads the fake host's call log in order; Read() catches up with it and must run before anything
// is recorded directly, so that the order stays the order of events.
#pragma once
#include "call_log.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

class HandleLedger {
public:
    explicit HandleLedger(const CallLog &log) : m_log(log), m_read(log.Calls().size()) {}

    // Catches up with the log.
    void Read();
    // The fake host's answer to the next copy call it logged, when copies may fail (by default all succeed).
    void CopyAnswered(bool succeeded) { m_copyAnswers.push_back(succeeded); }
    // A host editor put a new handle into one of the library's copies.
    void Made(int32_t handle);
    // The host read the handle back in a record: it is the host's again.
    void HandedToHost(int32_t handle);

    // What went wrong: handles given back or handed over without being held, and those still held.
    std::vector<std::string> Faults() const;

private:
    void Copied(int32_t source);
    void Released(int32_t handle, const char *how);

    const CallLog &m_log;
    size_t m_read;
    std::deque<bool> m_copyAnswers;
    std::map<int32_t, int> m_held;
    std::vector<std::string> m_faults;
};
