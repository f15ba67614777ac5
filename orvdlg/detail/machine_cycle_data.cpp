#include "detail/machine_cycle_data.h"

#include "core/handle_copies.h"
#include "core/host_message.h"
#include "core/record_text.h"

IMPLEMENT_DYNCREATE(CMachineCycleData, CAddRemoveObject)

CMachineCycleData::CMachineCycleData()
    : m_element(DetailElement()), m_inputQuantity("0"), m_cycleTime(HostEmptyText()), m_finishQuantity("1"),
      m_labour(kLabourKind, DetailElement())
{
}

CMachineCycleData::~CMachineCycleData()
{
    DeleteRuleHandle(m_inputRule, m_element, kInputRuleKind);
    DeleteActionsHandle(m_startActions);
    DeleteActionsHandle(m_finishActions);
}

void CMachineCycleData::ReadFields(const OrvMachineCycle &cycle)
{
    SetName(ReadRecordText(cycle.description));
    m_inputQuantity = ReadRecordText(cycle.inputQuantity);
    m_cycleTime = ReadRecordText(cycle.cycleTime);
    m_finishQuantity = ReadRecordText(cycle.finishQuantity);
    m_labour.TakeBlock(cycle.labour);
}

void CMachineCycleData::WriteFields(OrvMachineCycle &cycle) const
{
    WriteRecordText(cycle.description, GetName(), kDescriptionLimit);
    WriteRecordText(cycle.inputQuantity, m_inputQuantity);
    WriteRecordText(cycle.cycleTime, m_cycleTime);
    WriteRecordText(cycle.finishQuantity, m_finishQuantity);
    m_labour.WriteValues(cycle.labour);
}

void CMachineCycleData::TakeHandles(const OrvMachineCycle &cycle)
{
    m_inputRule = cycle.inputRule;
    m_startActions = cycle.startActions;
    m_finishActions = cycle.finishActions;
    m_labour.labourRule = cycle.labour.labourRule;
}

void CMachineCycleData::PutHandles(OrvMachineCycle &cycle) const
{
    cycle.inputRule = m_inputRule;
    cycle.startActions = m_startActions;
    cycle.finishActions = m_finishActions;
    cycle.labour.labourRule = m_labour.labourRule;
}

bool CMachineCycleData::CopyHandles(int32_t element, const OrvMachineCycle &from, OrvMachineCycle &to)
{
    // Each row owns its labour rule too: two rows holding one handle would give it back twice.
    HandleCopies copies(element);
    if (!copies.LabourRule(from.labour.labourRule, to.labour.labourRule, kLabourKind) ||
        !copies.Rule(from.inputRule, to.inputRule, kInputRuleKind) ||
        !copies.Actions(from.startActions, to.startActions) || !copies.Actions(from.finishActions, to.finishActions))
        return false;
    copies.Keep();
    return true;
}
