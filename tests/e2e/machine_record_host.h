// A host's side of a machine detail record for the end-to-end tests: the record at the end of a guarded page,
// the host's own cycle array, and slots that write what they see into one log, in order.
#pragma once
#include "guarded_record.h"

#include <orvane/records/machine.h>

#include <string>
#include <vector>

struct MachineCycleSeed {
    const char *description;
    const char *inputQuantity;
    int32_t inputRule = -1;
    int32_t startActions = -1;
    int32_t finishActions = -1;
    int32_t labourRule = -1;
};

class MachineRecordHost {
public:
    // A machine "M1" (element 101) of `type` with the cycles given, shifts on, reporting by group.
    MachineRecordHost(int32_t type, std::initializer_list<MachineCycleSeed> cycles);

    OrvMachineRecord *Get() const { return m_record.Get(); }
    OrvMachineRecord *operator->() const { return m_record.Get(); }
    // The host's own array, which the record must point to again after the export.
    OrvMachineCycle *OwnCycles() { return m_cycles.data(); }

    // What the slots saw: "validate <validating cycle> <scratch input quantity>", "cycle <input>|<time>|
    // <finish>", "notes <text>", "finish <ok> <count>: <description>/<input>/<rule>/<labour rule>, ...".
    static std::vector<std::string> &Log();
    // What the validate and cycle validate slots answer.
    static int32_t &ValidateAnswer();
    static int32_t &CycleValidateAnswer();

private:
    GuardedRecord<OrvMachineRecord> m_record;
    std::vector<OrvMachineCycle> m_cycles;
};
