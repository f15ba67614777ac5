#include "detail/machine_setup_data.h"

#include "core/detail_element.h"
#include "core/handle_copies.h"
#include "core/host_message.h"
#include "core/record_text.h"
#include "detail/machine_row_handles.h"

#include <new>

IMPLEMENT_DYNCREATE(CMachineSetupData, CAddRemoveObject)

namespace {
constexpr int kFirstSetupGroup = 39, kFirstSetupItem = 40;
}

CMachineSetupData::CMachineSetupData()
    : m_element(DetailElement()), m_setupTime(HostEmptyText()), m_station("1"), m_operations(HostEmptyText()),
      m_operationsToFirst(HostMessage(kFirstSetupGroup, kFirstSetupItem)), m_valueChange(HostEmptyText()),
      m_labour(kLabourKind, DetailElement())
{
}

CMachineSetupData::~CMachineSetupData()
{
    DeleteActionsHandle(m_startActions);
    DeleteActionsHandle(m_finishActions);
}

std::unique_ptr<CMachineSetupData> CMachineSetupData::CopyOf(const CMachineSetupData &source)
{
    auto copy = std::unique_ptr<CMachineSetupData>(new (std::nothrow) CMachineSetupData);
    if (!copy)
        return nullptr;
    copy->SetName(source.GetName());
    copy->SetOriginIndex(source.GetOriginIndex());
    copy->m_mode = source.m_mode;
    copy->m_setupTime = source.m_setupTime;
    copy->m_station = source.m_station;
    copy->m_operations = source.m_operations;
    copy->m_operationsToFirst = source.m_operationsToFirst;
    copy->m_valueChange = source.m_valueChange;
    copy->m_labour.TakeValues(source.m_labour);
    if (!CopyRowHandles(source.m_element, kLabourKind, source.m_startActions, source.m_finishActions,
                        source.m_labour.labourRule, copy->m_startActions, copy->m_finishActions,
                        copy->m_labour.labourRule))
        return nullptr;
    return copy;
}

std::unique_ptr<CMachineSetupData> CMachineSetupData::FromRecord(const OrvMachineSetup &setup)
{
    auto row = std::unique_ptr<CMachineSetupData>(new (std::nothrow) CMachineSetupData);
    if (!row)
        return nullptr;
    row->SetName(ReadRecordText(setup.description));
    row->SetOriginIndex(setup.origin);
    row->m_mode = setup.mode;
    row->m_setupTime = ReadRecordText(setup.setupTime);
    row->m_station = ReadRecordText(setup.station);
    row->m_operations = ReadRecordText(setup.operations);
    row->m_operationsToFirst = ReadRecordText(setup.operationsToFirst);
    row->m_valueChange = ReadRecordText(setup.valueChange);
    row->m_labour.TakeBlock(setup.labour);
    if (!CopyRowHandles(row->m_element, kLabourKind, setup.startActions, setup.finishActions, setup.labour.labourRule,
                        row->m_startActions, row->m_finishActions, row->m_labour.labourRule))
        return nullptr;
    return row;
}

bool CMachineSetupData::StoreInto(OrvMachineSetup &setup) const
{
    setup.startActions = setup.finishActions = setup.labour.labourRule = -1;
    WriteFields(setup);
    return CopyRowHandles(m_element, kLabourKind, m_startActions, m_finishActions, m_labour.labourRule,
                          setup.startActions, setup.finishActions, setup.labour.labourRule);
}

void CMachineSetupData::WriteFields(OrvMachineSetup &setup) const
{
    setup.mode = m_mode;
    WriteRecordText(setup.description, GetName(), kDescriptionLimit);
    setup.origin = GetOriginIndex();
    WriteRecordText(setup.setupTime, m_setupTime);
    WriteRecordText(setup.station, m_station);
    WriteRecordText(setup.operations, m_operations);
    WriteRecordText(setup.operationsToFirst, m_operationsToFirst);
    WriteRecordText(setup.valueChange, m_valueChange);
    m_labour.WriteValues(setup.labour);
}
