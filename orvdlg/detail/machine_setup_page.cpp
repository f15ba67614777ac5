#include "detail/machine_setup_page.h"

#include "core/format_text.h"
#include "core/host_editor.h"
#include "core/record_text.h"
#include "core/resource_text.h"

#include <resource.h>

#include <cstdlib>

IMPLEMENT_DYNAMIC(CMachineSetupPage, CRowListPage)

namespace {
constexpr int kTextLimit = 80;
constexpr int kMaximumSetups = 99;
constexpr int kSetupSummaryKind = 1;
constexpr int32_t kModeOperations = 0, kModePartChange = 1, kModeValueChange = 2;

constexpr int kRowControls[] = {IDC_SETUP_MODE_LABEL,    IDC_SETUP_MODE,         IDC_SETUP_OPERATIONS_LABEL,
                                IDC_SETUP_OPERATIONS,    IDC_SETUP_FIRST_LABEL,  IDC_SETUP_FIRST,
                                IDC_SETUP_STATION,       IDC_SETUP_TIME_LABEL,   IDC_SETUP_TIME,
                                IDC_SETUP_LABOUR,        IDC_SETUP_START_ACTIONS, IDC_SETUP_FINISH_ACTIONS};
constexpr int kIntervalControls[] = {IDC_SETUP_INTERVAL_GROUP, IDC_SETUP_OPERATIONS_LABEL, IDC_SETUP_OPERATIONS};
constexpr int kFirstSetupControls[] = {IDC_SETUP_FIRST_LABEL, IDC_SETUP_FIRST};

RowListSettings SetupListSettings(OrvMachineRecord &record)
{
    RowListSettings settings;
    settings.comboId = IDC_SETUP_NAME;
    settings.addRemoveId = IDC_SETUP_ADD_REMOVE;
    settings.summarizeId = IDC_SETUP_SUMMARIZE;
    settings.variant = AddRemoveVariant::Setups;
    settings.maximumCount = kMaximumSetups;
    settings.firstRowNameId = IDS_FIRST_SETUP_NAME;
    settings.summaryKind = kSetupSummaryKind;
    settings.rowControls = kRowControls;
    settings.editedFlag = &record.setupsEdited;
    return settings;
}

// The number of stations as the record's text gives it, read as a decimal integer. The list offers each
// station by number, so a number past any real machine (or damaged text) is capped rather than listed.
constexpr long kMostStationsListed = 999;
int StationCount(const CString &text)
{
    const long count = std::strtol(text, nullptr, 10);
    return static_cast<int>(count < 0 ? 0 : count > kMostStationsListed ? kMostStationsListed : count);
}

UINT ModeTextId(int32_t mode)
{
    return mode == kModePartChange ? IDS_SETUP_MODE_PART_CHANGE
           : mode == kModeValueChange ? IDS_SETUP_MODE_VALUE_CHANGE
                                      : IDS_SETUP_MODE_OPERATIONS;
}
} // namespace

CMachineSetupPage::CMachineSetupPage(OrvMachineRecord &record, const int32_t &multipleStation)
    : CRowListPage(IDD_MACHINE_SETUP, SetupListSettings(record)), m_record(record), m_multipleStation(multipleStation),
      m_machineName(ReadRecordText(record.name))
{
    BindLabourDataButton(IDC_SETUP_LABOUR, IDC_SETUP_LABOUR_MARK, record.element, CMachineSetupData::kLabourKind,
                         [this]() -> CLabourData * { return Current() ? &Current()->m_labour : nullptr; },
                         record.labourContext);
    BindActionsButton(IDC_SETUP_START_ACTIONS,
                      [this] { return Current() ? &Current()->m_startActions : nullptr; },
                      [this] { return ActionsCaption(IDS_SETUP_START_ACTIONS); }, IDC_SETUP_START_TEXT,
                      IDC_SETUP_START_MARK);
    BindActionsButton(IDC_SETUP_FINISH_ACTIONS,
                      [this] { return Current() ? &Current()->m_finishActions : nullptr; },
                      [this] { return ActionsCaption(IDS_SETUP_FINISH_ACTIONS); }, IDC_SETUP_FINISH_TEXT,
                      IDC_SETUP_FINISH_MARK);
    MapField(0, IDC_SETUP_OPERATIONS);
    MapField(1, IDC_SETUP_FIRST);
    MapField(2, IDC_SETUP_STATION);
    MapField(3, IDC_SETUP_TIME);
}

CMachineSetupData *CMachineSetupPage::Current()
{
    return HasRows() ? &m_setups.At(CurrentRow()) : nullptr;
}

CString CMachineSetupPage::Text(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}

CString CMachineSetupPage::ActionsCaption(UINT patternId)
{
    CString number;
    number.Format("%d", CurrentRow() + 1);
    CString caption = FormatText(ResourceText(patternId), {number});
    caption += " ";
    caption += m_machineName;
    return caption;
}

BOOL CMachineSetupPage::OnInitDialog()
{
    for (int id : {IDC_SETUP_OPERATIONS, IDC_SETUP_FIRST, IDC_SETUP_TIME})
        SendDlgItemMessage(id, EM_LIMITTEXT, kTextLimit, 0);
    m_stationCombo.SubclassDlgItem(IDC_SETUP_STATION, this);
    m_stationCombo.LimitText(kTextLimit);
    return CRowListPage::OnInitDialog();
}

BOOL CMachineSetupPage::OnSetActive()
{
    const BOOL active = CRowListPage::OnSetActive();
    // The General page may have changed the type or the number of stations meanwhile.
    ShowStations();
    return active;
}

void CMachineSetupPage::ShowStations()
{
    const bool stations = m_multipleStation != 0;
    for (int id : {IDC_SETUP_STATION_LABEL, IDC_SETUP_STATION}) {
        ::ShowWindow(::GetDlgItem(m_hWnd, id), stations ? SW_SHOW : SW_HIDE);
        ::EnableWindow(::GetDlgItem(m_hWnd, id), stations && HasRows());
    }
    if (!stations) {
        // Hidden, yet it holds the setup's station, which the page keeps as it is.
        if (CMachineSetupData *setup = Current())
            m_stationCombo.SetWindowText(setup->m_station);
        return;
    }
    const int count = StationCount(ReadRecordText(m_record.stations));
    m_stationCombo.ResetContent();
    for (int station = 1; station <= count; ++station) {
        CString entry;
        entry.Format("%d", station);
        m_stationCombo.AddString(entry);
    }
    if (CMachineSetupData *setup = Current()) {
        const int index = m_stationCombo.FindStringExact(-1, setup->m_station);
        m_stationCombo.SetCurSel(index);
        if (index < 0)
            m_stationCombo.SetWindowText(setup->m_station);
    }
}

void CMachineSetupPage::ShowRow()
{
    CMachineSetupData &setup = *Current();
    const int32_t mode = setup.m_mode >= kModeOperations && setup.m_mode <= kModeValueChange ? setup.m_mode : 0;
    SendDlgItemMessage(IDC_SETUP_MODE, CB_SETCURSEL, static_cast<WPARAM>(mode), 0);
    ShowMode(setup.m_mode);
    SetDlgItemText(IDC_SETUP_TIME, setup.m_setupTime);
    ShowStations();
}

void CMachineSetupPage::ShowMode(int32_t mode)
{
    CMachineSetupData &setup = *Current();
    m_shownMode = mode;
    auto show = [this](std::span<const int> ids, bool shown) {
        for (int id : ids)
            ::ShowWindow(::GetDlgItem(m_hWnd, id), shown ? SW_SHOW : SW_HIDE);
    };
    show(kIntervalControls, mode != kModePartChange);
    show(kFirstSetupControls, mode == kModeOperations);
    if (mode == kModeValueChange) {
        SetDlgItemText(IDC_SETUP_INTERVAL_GROUP, ResourceText(IDS_SETUP_ON));
        SetDlgItemText(IDC_SETUP_OPERATIONS_LABEL, ResourceText(IDS_SETUP_EXPRESSION));
        SetDlgItemText(IDC_SETUP_OPERATIONS, setup.m_valueChange);
    } else {
        SetDlgItemText(IDC_SETUP_INTERVAL_GROUP, ResourceText(IDS_SETUP_INTERVAL));
        SetDlgItemText(IDC_SETUP_OPERATIONS_LABEL, ResourceText(IDS_NUMBER_OF_OPERATIONS));
        SetDlgItemText(IDC_SETUP_OPERATIONS, setup.m_operations);
        SetDlgItemText(IDC_SETUP_FIRST, setup.m_operationsToFirst);
    }
}

void CMachineSetupPage::ClearRowFields()
{
    for (int id : {IDC_SETUP_OPERATIONS, IDC_SETUP_FIRST, IDC_SETUP_TIME, IDC_SETUP_STATION})
        SetDlgItemText(id, "");
    SendDlgItemMessage(IDC_SETUP_MODE, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void CMachineSetupPage::KeepShownRow()
{
    CMachineSetupData &setup = *Current();
    // A mode the page does not know stays unless the modeller chose one.
    const int chosen = ShownChoice(IDC_SETUP_MODE);
    if (m_shownMode >= kModeOperations && m_shownMode <= kModeValueChange)
        setup.m_mode = chosen;
    setup.m_setupTime = Text(IDC_SETUP_TIME);
    if (m_multipleStation)
        setup.m_station = Text(IDC_SETUP_STATION);
    if (m_shownMode == kModeOperations) {
        setup.m_operations = Text(IDC_SETUP_OPERATIONS);
        setup.m_operationsToFirst = Text(IDC_SETUP_FIRST);
    } else if (m_shownMode == kModeValueChange) {
        setup.m_valueChange = Text(IDC_SETUP_OPERATIONS);
    }
}

void CMachineSetupPage::OnChoiceChanged(int id)
{
    if (id != IDC_SETUP_MODE || !HasRows()) {
        CRowListPage::OnChoiceChanged(id);
        return;
    }
    // The fields of the mode shown so far are kept, then those of the chosen mode shown.
    KeepShownRow();
    Current()->m_mode = ShownChoice(IDC_SETUP_MODE);
    ShowMode(Current()->m_mode);
}

int32_t CMachineSetupPage::CheckShownRow()
{
    if (!m_record.validateSetup)
        return -1;
    const CMachineSetupData &setup = *Current();
    OrvMachineSetup image{};
    image.startActions = image.finishActions = image.labour.labourRule = -1;
    setup.WriteFields(image);
    // A machine with one station always sets up station "1".
    if (!m_multipleStation)
        WriteRecordText(image.station, "1");
    return m_record.validateSetup(&image);
}

void CMachineSetupPage::AddSummaryRow(SummaryRows &rows, int index) const
{
    const CMachineSetupData &setup = m_setups.At(index);
    CString number;
    number.Format("%5d", index + 1);
    rows.Add({number, setup.GetName(), ResourceText(ModeTextId(setup.m_mode)), setup.m_setupTime,
              YesIfSet(setup.m_startActions), YesIfSet(setup.m_finishActions), YesIfSet(setup.m_labour.labourRule),
              setup.m_station});
}
