#include "detail/machine_breakdown_data.h"

#include "core/detail_element.h"
#include "core/handle_copies.h"
#include "core/host_message.h"
#include "core/record_text.h"
#include "detail/machine_row_handles.h"


IMPLEMENT_DYNCREATE(CMachineBdownData, CAddRemoveObject)

CMachineBdownData::CMachineBdownData()
    : m_element(DetailElement()), m_repairTime(HostEmptyText()), m_operations(HostEmptyText()),
      m_timeBetweenFailures(HostEmptyText()), m_lifeUsed(HostEmptyText()), m_labour(kLabourKind, DetailElement())
{
}

CMachineBdownData::~CMachineBdownData()
{
    DeleteActionsHandle(m_breakdownActions);
    DeleteActionsHandle(m_resumeActions);
}

void CMachineBdownData::ReadFields(const OrvMachineBreakdown &breakdown)
{
    SetName(ReadRecordText(breakdown.description));
    SetOriginIndex(breakdown.origin);
    m_checkAtCycleStart = breakdown.checkAtCycleStart;
    m_mode = breakdown.mode;
    m_timeBetweenFailures = ReadRecordText(breakdown.timeBetweenFailures);
    m_operations = ReadRecordText(breakdown.operationsBetweenFailures);
    m_repairTime = ReadRecordText(breakdown.repairTime);
    m_scrapPart = breakdown.scrapPart;
    m_setupOnRepair = breakdown.setupOnRepair;
    m_lifeUsed = ReadRecordText(breakdown.lifeUsed);
    m_labour.TakeBlock(breakdown.labour);
}

void CMachineBdownData::TakeHandles(const OrvMachineBreakdown &breakdown)
{
    m_breakdownActions = breakdown.breakdownActions;
    m_resumeActions = breakdown.resumeActions;
    m_labour.labourRule = breakdown.labour.labourRule;
}

void CMachineBdownData::PutHandles(OrvMachineBreakdown &breakdown) const
{
    breakdown.breakdownActions = m_breakdownActions;
    breakdown.resumeActions = m_resumeActions;
    breakdown.labour.labourRule = m_labour.labourRule;
}

bool CMachineBdownData::CopyHandles(int32_t element, const OrvMachineBreakdown &from, OrvMachineBreakdown &to)
{
    return CopyRowHandles(element, kLabourKind, from.breakdownActions, from.resumeActions, from.labour.labourRule,
                          to.breakdownActions, to.resumeActions, to.labour.labourRule);
}

void CMachineBdownData::WriteFields(OrvMachineBreakdown &breakdown) const
{
    breakdown.checkAtCycleStart = m_checkAtCycleStart;
    breakdown.mode = m_mode;
    WriteRecordText(breakdown.description, GetName(), kDescriptionLimit);
    breakdown.origin = GetOriginIndex();
    WriteRecordText(breakdown.timeBetweenFailures, m_timeBetweenFailures);
    WriteRecordText(breakdown.operationsBetweenFailures, m_operations);
    WriteRecordText(breakdown.repairTime, m_repairTime);
    breakdown.scrapPart = m_scrapPart;
    breakdown.setupOnRepair = m_setupOnRepair;
    WriteRecordText(breakdown.lifeUsed, m_lifeUsed);
    m_labour.WriteValues(breakdown.labour);
}
