#include "detail/machine_setup_data.h"

#include "core/detail_element.h"
#include "core/handle_copies.h"
#include "core/host_message.h"
#include "core/record_text.h"
#include "detail/machine_row_handles.h"


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

void CMachineSetupData::ReadFields(const OrvMachineSetup &setup)
{
    SetName(ReadRecordText(setup.description));
    SetOriginIndex(setup.origin);
    m_mode = setup.mode;
    m_setupTime = ReadRecordText(setup.setupTime);
    m_station = ReadRecordText(setup.station);
    m_operations = ReadRecordText(setup.operations);
    m_operationsToFirst = ReadRecordText(setup.operationsToFirst);
    m_valueChange = ReadRecordText(setup.valueChange);
    m_labour.TakeBlock(setup.labour);
}

void CMachineSetupData::TakeHandles(const OrvMachineSetup &setup)
{
    m_startActions = setup.startActions;
    m_finishActions = setup.finishActions;
    m_labour.labourRule = setup.labour.labourRule;
}

void CMachineSetupData::PutHandles(OrvMachineSetup &setup) const
{
    setup.startActions = m_startActions;
    setup.finishActions = m_finishActions;
    setup.labour.labourRule = m_labour.labourRule;
}

bool CMachineSetupData::CopyHandles(int32_t element, const OrvMachineSetup &from, OrvMachineSetup &to)
{
    return CopyRowHandles(element, kLabourKind, from.startActions, from.finishActions, from.labour.labourRule,
                          to.startActions, to.finishActions, to.labour.labourRule);
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
