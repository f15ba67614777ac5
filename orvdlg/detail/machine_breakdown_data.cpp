#include "detail/machine_breakdown_data.h"

#include "core/detail_element.h"
#include "core/handle_copies.h"
#include "core/host_message.h"
#include "core/record_text.h"
#include "detail/machine_row_handles.h"

#include <new>

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

std::unique_ptr<CMachineBdownData> CMachineBdownData::CopyOf(const CMachineBdownData &source)
{
    auto copy = std::unique_ptr<CMachineBdownData>(new (std::nothrow) CMachineBdownData);
    if (!copy)
        return nullptr;
    copy->SetName(source.GetName());
    copy->SetOriginIndex(source.GetOriginIndex());
    copy->m_mode = source.m_mode;
    copy->m_repairTime = source.m_repairTime;
    copy->m_operations = source.m_operations;
    copy->m_timeBetweenFailures = source.m_timeBetweenFailures;
    copy->m_scrapPart = source.m_scrapPart;
    copy->m_setupOnRepair = source.m_setupOnRepair;
    copy->m_lifeUsed = source.m_lifeUsed;
    copy->m_checkAtCycleStart = source.m_checkAtCycleStart;
    copy->m_labour.TakeValues(source.m_labour);
    if (!CopyRowHandles(source.m_element, kLabourKind, source.m_breakdownActions, source.m_resumeActions,
                        source.m_labour.labourRule, copy->m_breakdownActions, copy->m_resumeActions,
                        copy->m_labour.labourRule))
        return nullptr;
    return copy;
}

std::unique_ptr<CMachineBdownData> CMachineBdownData::FromRecord(const OrvMachineBreakdown &breakdown)
{
    auto row = std::unique_ptr<CMachineBdownData>(new (std::nothrow) CMachineBdownData);
    if (!row)
        return nullptr;
    row->SetName(ReadRecordText(breakdown.description));
    row->SetOriginIndex(breakdown.origin);
    row->m_mode = breakdown.mode;
    row->m_repairTime = ReadRecordText(breakdown.repairTime);
    row->m_operations = ReadRecordText(breakdown.operationsBetweenFailures);
    row->m_timeBetweenFailures = ReadRecordText(breakdown.timeBetweenFailures);
    row->m_scrapPart = breakdown.scrapPart;
    row->m_setupOnRepair = breakdown.setupOnRepair;
    row->m_lifeUsed = ReadRecordText(breakdown.lifeUsed);
    row->m_checkAtCycleStart = breakdown.checkAtCycleStart;
    row->m_labour.TakeBlock(breakdown.labour);
    if (!CopyRowHandles(row->m_element, kLabourKind, breakdown.breakdownActions, breakdown.resumeActions,
                        breakdown.labour.labourRule, row->m_breakdownActions, row->m_resumeActions,
                        row->m_labour.labourRule))
        return nullptr;
    return row;
}

bool CMachineBdownData::StoreInto(OrvMachineBreakdown &breakdown) const
{
    breakdown.breakdownActions = breakdown.resumeActions = breakdown.labour.labourRule = -1;
    WriteFields(breakdown);
    return CopyRowHandles(m_element, kLabourKind, m_breakdownActions, m_resumeActions, m_labour.labourRule,
                          breakdown.breakdownActions, breakdown.resumeActions, breakdown.labour.labourRule);
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
