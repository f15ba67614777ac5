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

struct MachineSetupSeed {
    const char *description;
    int32_t mode;
    const char *station;
};

struct MachineBreakdownSeed {
    const char *description;
    int32_t mode;
    int32_t setupOnRepair;
};

class MachineRecordHost {
public:
    // A machine "M1" (element 101) of `type` with the cycles given, shifts on, reporting by group.
    MachineRecordHost(int32_t type, std::initializer_list<MachineCycleSeed> cycles);

    OrvMachineRecord *Get() const { return m_record.Get(); }
    OrvMachineRecord *operator->() const { return m_record.Get(); }
    // The host's own array, which the record must point to again after the export.
    OrvMachineCycle *OwnCycles() { return m_cycles.data(); }
    void AddSetup(const MachineSetupSeed &seed);
    void AddBreakdown(const MachineBreakdownSeed &seed);
    OrvMachineSetup *OwnSetups() { return m_setups.data(); }

    // What the slots saw: "validate <validating cycle> <scratch input quantity>", "cycle <input>|<time>|
    // <finish>", "setup <mode> <station> <operations>", "breakdown <mode> <interval> <operations>",
    // "fluid <empty station> <fill station>", "notes <text>", then from the finish slot "setups <count>:
    // <description>/<mode>/<station>#<origin> ..." and "breakdowns <count>: <description>/<mode> ..." when there are
    // any, and last "finish <ok> <count>: <description>/<input>/<rule>/<labour rule> ...".
    static std::vector<std::string> &Log();
    // What the validate and cycle validate slots answer.
    static int32_t &ValidateAnswer();
    static int32_t &CycleValidateAnswer();
    static int32_t &RowValidateAnswer(); // setups, breakdowns and fluid rules

private:
    GuardedRecord<OrvMachineRecord> m_record;
    std::vector<OrvMachineCycle> m_cycles;
    std::vector<OrvMachineSetup> m_setups;
    std::vector<OrvMachineBreakdown> m_breakdowns;
};
