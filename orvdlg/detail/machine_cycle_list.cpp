#include "detail/machine_cycle_list.h"

#include "core/host_editor.h"
#include "core/resource_text.h"

#include <resource.h>

#include <cstdio>
#include <new>

bool MachineCycleList::Load(const OrvMachineRecord &record)
{
    m_rows.clear();
    const int count = record.cycles ? record.cycleCount : 0;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<CMachineCycleData> row = CMachineCycleData::FromRecord(record.cycles[i]);
        if (!row) {
            m_rows.clear();
            return false;
        }
        row->SetOriginIndex(i);
        m_rows.push_back(std::move(row));
    }
    if (m_rows.empty()) {
        auto row = std::unique_ptr<CMachineCycleData>(new (std::nothrow) CMachineCycleData);
        if (!row)
            return false;
        m_rows.push_back(std::move(row));
    }
    return true;
}

bool MachineCycleList::StoreInto(OrvMachineCycle *cycles)
{
    bool stored = true;
    for (int i = 0; i < Count(); ++i) {
        if (stored && !At(i).StoreInto(cycles[i]))
            stored = false;
    }
    m_rows.clear();
    return stored;
}

bool MachineCycleList::WorkingCopies(AddRemoveRows &copies) const
{
    copies.clear();
    for (int i = 0; i < Count(); ++i) {
        std::unique_ptr<CMachineCycleData> copy = CMachineCycleData::CopyOf(At(i));
        if (!copy) {
            copies.clear();
            return false;
        }
        if (copy->GetName().IsEmpty())
            copy->SetName(" ");
        copies.push_back(std::move(copy));
    }
    return true;
}

CString MachineCycleList::SummaryRows() const
{
    const CString yes = ResourceText(IDS_YES);
    const CString no = ResourceText(IDS_NO);
    auto answer = [&](int32_t handle) { return handle != -1 ? yes : no; };
    CString rows;
    for (int i = 0; i < Count(); ++i) {
        const CMachineCycleData &cycle = At(i);
        char number[16];
        std::snprintf(number, sizeof number, "%6d", i + 1);
        rows += number;
        for (const CString &field :
             {cycle.GetName(), RuleWord(cycle.m_inputRule, 1), cycle.m_inputQuantity, answer(cycle.m_startActions),
              answer(cycle.m_finishActions), answer(cycle.m_labour.labourRule), cycle.m_cycleTime,
              cycle.m_finishQuantity}) {
            rows += "|";
            rows += field;
        }
        rows += "?";
    }
    return rows;
}
