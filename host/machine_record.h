// The machine detail record the host hands to MachineDetailDialog, filled from one of its machines, and what
// the host takes back in the record's finish slot.
#pragma once
#include "demo_machine.h"
#include "record_field.h"

#include <orvane/records/machine.h>

#include <vector>

class DemoModel;

class MachineRecord {
public:
    // The record points to the host's own cycle array, holding the machine's own handles: the library
    // copies what it needs and never frees them. The slots are the caller's to set.
    MachineRecord(const DemoModel &model, const DemoMachine &machine);
    MachineRecord(const MachineRecord &) = delete; // the record points into this object
    MachineRecord &operator=(const MachineRecord &) = delete;

    OrvMachineRecord &Get() { return m_record; }
    const OrvMachineCycle *OwnCycles() const { return m_cycles.data(); }

private:
    OrvMachineRecord m_record{};
    std::vector<OrvMachineCycle> m_cycles;
    NotesHolder m_notes;
};

// The cycles of a record's array as the host keeps them; their handles are the array's.
std::vector<DemoCycle> CyclesOf(const OrvMachineRecord &record);

// What the host does in the finish slot. The fresh cycle array's handles are the host's from now on: after
// OK the machine takes the record's fields and those cycles (its old cycles' handles are freed); otherwise
// the fresh handles are freed and the machine stays as it was, but for its output rule, which the sheet
// edits in place. The array itself is the library's and is gone after the call.
void TakeMachineRecord(DemoModel &model, DemoMachine &machine, const OrvMachineRecord &record, int ok);
