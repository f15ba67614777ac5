#include "detail/machine_cycle_list.h"

#include "core/host_editor.h"
#include "core/summary_rows.h"

#include <new>

bool MachineCycleList::Load(const OrvMachineRecord &record)
{
    if (!RowList::Load(record.cycles, record.cycleCount))
        return false;
    if (Count() > 0)
        return true;
    auto row = std::unique_ptr<CMachineCycleData>(new (std::nothrow) CMachineCycleData);
    if (!row)
        return false;
    Rows().push_back(std::move(row));
    return true;
}

void MachineCycleList::AddSummaryRow(SummaryRows &rows, int index) const
{
    const CMachineCycleData &cycle = At(index);
    CString number;
    number.Format("%6d", index + 1);
    rows.Add({number, cycle.GetName(), RuleWord(cycle.m_inputRule, 1), cycle.m_inputQuantity,
              YesIfSet(cycle.m_startActions), YesIfSet(cycle.m_finishActions), YesIfSet(cycle.m_labour.labourRule),
              cycle.m_cycleTime, cycle.m_finishQuantity});
}
