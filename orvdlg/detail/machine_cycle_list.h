// The machine page's cycles, in cycle order: loaded from the record's array, edited on the page and in the
// add/remove dialog, summarised, and stored into a fresh array when the sheet closes.
#pragma once
#include "core/add_remove_dialog.h"
#include "detail/machine_cycle_data.h"

#include <orvane/records/machine.h>

class MachineCycleList {
public:
    // Copies the record's cycles (at least one: a record without any gets a new cycle). False when a host
    // copy failed; the list is then empty.
    bool Load(const OrvMachineRecord &record);
    // Stores the cycles into `cycles` (room for Count() entries, zeroed) and lets go of them; false when a
    // host copy failed.
    bool StoreInto(OrvMachineCycle *cycles);

    int Count() const { return static_cast<int>(m_rows.size()); }
    CMachineCycleData &At(int index) const { return static_cast<CMachineCycleData &>(*m_rows[static_cast<size_t>(index)]); }

    // Copies of every cycle for the add/remove dialog (an empty description becomes " "); false when a
    // copy failed (none are then given).
    bool WorkingCopies(AddRemoveRows &copies) const;
    // The dialog's rows replace the cycles, which are given back to the host.
    void Replace(AddRemoveRows rows) { m_rows = std::move(rows); }

    // One row per cycle for the Summary dialog: number, description, input rule word, input quantity,
    // start actions, finish actions, labour rule, cycle time and finish quantity, "|"-separated, each
    // ended by "?".
    CString SummaryRows() const;

private:
    AddRemoveRows m_rows;
};
