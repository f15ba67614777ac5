#include "detail/machine_cycle_data.h"

#include "core/detail_element.h"
#include "core/handle_copies.h"
#include "core/host_message.h"
#include "core/record_text.h"

#include <new>

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

bool CMachineCycleData::CopyHandles(int32_t element, int32_t inputRule, int32_t startActions, int32_t finishActions,
                                    int32_t labourRule, int32_t &targetInputRule, int32_t &targetStart,
                                    int32_t &targetFinish, int32_t &targetLabour)
{
    HandleCopies copies(element);
    if (!copies.LabourRule(labourRule, targetLabour, kLabourKind) ||
        !copies.Rule(inputRule, targetInputRule, kInputRuleKind) || !copies.Actions(startActions, targetStart) ||
        !copies.Actions(finishActions, targetFinish))
        return false;
    copies.Keep();
    return true;
}

std::unique_ptr<CMachineCycleData> CMachineCycleData::CopyOf(const CMachineCycleData &source)
{
    auto copy = std::unique_ptr<CMachineCycleData>(new (std::nothrow) CMachineCycleData);
    if (!copy)
        return nullptr;
    copy->SetName(source.GetName());
    copy->SetOriginIndex(source.GetOriginIndex());
    copy->m_inputQuantity = source.m_inputQuantity;
    copy->m_cycleTime = source.m_cycleTime;
    copy->m_finishQuantity = source.m_finishQuantity;
    copy->m_labour.TakeValues(source.m_labour);
    // Each row owns its labour rule too: two rows holding one handle would give it back twice.
    if (!CopyHandles(source.m_element, source.m_inputRule, source.m_startActions, source.m_finishActions,
                     source.m_labour.labourRule, copy->m_inputRule, copy->m_startActions, copy->m_finishActions,
                     copy->m_labour.labourRule))
        return nullptr;
    return copy;
}

std::unique_ptr<CMachineCycleData> CMachineCycleData::FromRecord(const OrvMachineCycle &cycle)
{
    auto row = std::unique_ptr<CMachineCycleData>(new (std::nothrow) CMachineCycleData);
    if (!row)
        return nullptr;
    row->SetName(ReadRecordText(cycle.description));
    row->m_inputQuantity = ReadRecordText(cycle.inputQuantity);
    row->m_cycleTime = ReadRecordText(cycle.cycleTime);
    row->m_finishQuantity = ReadRecordText(cycle.finishQuantity);
    row->m_labour.TakeBlock(cycle.labour);
    if (!CopyHandles(row->m_element, cycle.inputRule, cycle.startActions, cycle.finishActions,
                     cycle.labour.labourRule, row->m_inputRule, row->m_startActions, row->m_finishActions,
                     row->m_labour.labourRule))
        return nullptr;
    return row;
}

bool CMachineCycleData::StoreInto(OrvMachineCycle &cycle) const
{
    cycle.inputRule = cycle.startActions = cycle.finishActions = cycle.labour.labourRule = -1;
    WriteRecordText(cycle.description, GetName(), kDescriptionLimit);
    WriteRecordText(cycle.inputQuantity, m_inputQuantity);
    WriteRecordText(cycle.cycleTime, m_cycleTime);
    WriteRecordText(cycle.finishQuantity, m_finishQuantity);
    m_labour.WriteValues(cycle.labour);
    return CopyHandles(m_element, m_inputRule, m_startActions, m_finishActions, m_labour.labourRule, cycle.inputRule,
                       cycle.startActions, cycle.finishActions, cycle.labour.labourRule);
}
