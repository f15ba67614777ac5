#include "detail/machine_cycle_array.h"

#include "core/handle_copies.h"

#include <cstdlib>

MachineCycleArray::~MachineCycleArray()
{
    if (m_swapped) {
        m_record.cycles = m_ownCycles;
        m_record.cycleCount = m_ownCount;
    }
    std::free(m_fresh);
}

bool MachineCycleArray::Store(MachineCycleList &cycles)
{
    const int count = cycles.Count();
    m_fresh = static_cast<OrvMachineCycle *>(std::calloc(static_cast<size_t>(count > 0 ? count : 1), sizeof(OrvMachineCycle)));
    if (!m_fresh)
        return false;
    m_ownCycles = m_record.cycles;
    m_ownCount = m_record.cycleCount;
    m_record.cycles = m_fresh;
    m_swapped = true;
    if (!cycles.StoreInto(m_fresh)) {
        GiveBackHandles(count);
        return false;
    }
    m_record.cycleCount = count;
    return true;
}

void MachineCycleArray::GiveBackHandles(int count)
{
    for (int i = 0; i < count; ++i) {
        OrvMachineCycle &cycle = m_fresh[i];
        DeleteRuleHandle(cycle.inputRule, m_record.element, CMachineCycleData::kInputRuleKind);
        DeleteActionsHandle(cycle.startActions);
        DeleteActionsHandle(cycle.finishActions);
        DeleteRuleHandle(cycle.labour.labourRule, m_record.element, 0);
    }
}
