// The machine page's cycles: at least one, summarised for the Summary dialog.
#pragma once
#include "detail/machine_cycle_data.h"
#include "core/row_list.h"
#include "core/summary_rows.h"

#include <orvane/records/machine.h>

class MachineCycleList : public RowList<CMachineCycleData, OrvMachineCycle> {
public:
    // Copies the record's cycles; a record without any gets a new cycle. False when a host copy failed.
    bool Load(const OrvMachineRecord &record);

    // The Summary dialog's row of a cycle: number, description, input rule word, input quantity, start
    // actions, finish actions, labour rule, cycle time and finish quantity.
    void AddSummaryRow(SummaryRows &rows, int index) const;
};
