#include "detail/machine_breakdown_page.h"

#include "core/record_text.h"
#include "core/resource_text.h"

#include <resource.h>

IMPLEMENT_DYNAMIC(CMachineBreakdownPage, CRowListPage)

namespace {
constexpr int kTextLimit = 80;
constexpr int kMaximumBreakdowns = 99;
constexpr int kBreakdownSummaryKind = 7;
constexpr int32_t kModeAvailableTime = 0, kModeBusyTime = 1, kModeOperations = 2;

constexpr int kRowControls[] = {IDC_BREAKDOWN_CHECK_AT_START, IDC_BREAKDOWN_MODE_LABEL,     IDC_BREAKDOWN_MODE,
                                IDC_BREAKDOWN_INTERVAL_LABEL, IDC_BREAKDOWN_INTERVAL,       IDC_BREAKDOWN_REPAIR_LABEL,
                                IDC_BREAKDOWN_REPAIR,         IDC_BREAKDOWN_LABOUR,         IDC_BREAKDOWN_DOWN_ACTIONS,
                                IDC_BREAKDOWN_RESUME_ACTIONS, IDC_BREAKDOWN_SCRAP,          IDC_BREAKDOWN_SETUP_ON_REPAIR,
                                IDC_BREAKDOWN_LIFE_LABEL,     IDC_BREAKDOWN_LIFE};
constexpr int kLifeControls[] = {IDC_BREAKDOWN_LIFE_LABEL, IDC_BREAKDOWN_LIFE};

RowListSettings BreakdownListSettings(OrvMachineRecord &record)
{
    RowListSettings settings;
    settings.comboId = IDC_BREAKDOWN_NAME;
    settings.addRemoveId = IDC_BREAKDOWN_ADD_REMOVE;
    settings.summarizeId = IDC_BREAKDOWN_SUMMARIZE;
    settings.variant = AddRemoveVariant::Breakdowns;
    settings.maximumCount = kMaximumBreakdowns;
    settings.firstRowNameId = IDS_FIRST_BREAKDOWN_NAME;
    settings.summaryKind = kBreakdownSummaryKind;
    settings.rowControls = kRowControls;
    settings.editedFlag = &record.breakdownsEdited;
    return settings;
}

UINT ModeTextId(int32_t mode)
{
    return mode == kModeAvailableTime ? IDS_BREAKDOWN_MODE_AVAILABLE_TIME
           : mode == kModeBusyTime    ? IDS_BREAKDOWN_MODE_BUSY_TIME
                                      : IDS_BREAKDOWN_MODE_OPERATIONS;
}

bool CountsOperations(int32_t mode) { return mode == kModeOperations; }
} // namespace

CMachineBreakdownPage::CMachineBreakdownPage(OrvMachineRecord &record)
    : CRowListPage(IDD_MACHINE_BREAKDOWNS, BreakdownListSettings(record)), m_record(record),
      m_machineName(ReadRecordText(record.name))
{
    BindLabourDataButton(IDC_BREAKDOWN_LABOUR, IDC_BREAKDOWN_LABOUR_MARK, record.element,
                         CMachineBdownData::kLabourKind,
                         [this]() -> CLabourData * { return Current() ? &Current()->m_labour : nullptr; },
                         record.labourContext);
    BindActionsButton(IDC_BREAKDOWN_DOWN_ACTIONS,
                      [this] { return Current() ? &Current()->m_breakdownActions : nullptr; },
                      [this] { return ActionsCaption(IDS_BREAKDOWN_ACTIONS); }, IDC_BREAKDOWN_DOWN_TEXT,
                      IDC_BREAKDOWN_DOWN_MARK);
    BindActionsButton(IDC_BREAKDOWN_RESUME_ACTIONS,
                      [this] { return Current() ? &Current()->m_resumeActions : nullptr; },
                      [this] { return ActionsCaption(IDS_RESUME_ACTIONS); }, IDC_BREAKDOWN_RESUME_TEXT,
                      IDC_BREAKDOWN_RESUME_MARK);
    EnableWhen(kLifeControls, [this] { return HasRows() && IsChecked(IDC_BREAKDOWN_SETUP_ON_REPAIR); });
    MapField(0, IDC_BREAKDOWN_INTERVAL);
    MapField(1, IDC_BREAKDOWN_REPAIR);
    MapField(2, IDC_BREAKDOWN_LIFE);
}

BOOL CMachineBreakdownPage::OnInitDialog()
{
    for (int id : {IDC_BREAKDOWN_INTERVAL, IDC_BREAKDOWN_REPAIR, IDC_BREAKDOWN_LIFE})
        SendDlgItemMessage(id, EM_LIMITTEXT, kTextLimit, 0);
    return CRowListPage::OnInitDialog();
}

CMachineBdownData *CMachineBreakdownPage::Current()
{
    return HasRows() ? &m_breakdowns.At(CurrentRow()) : nullptr;
}

CString CMachineBreakdownPage::Text(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}

CString CMachineBreakdownPage::ActionsCaption(UINT captionId) const
{
    CString caption = ResourceText(captionId);
    caption += " ";
    caption += m_machineName;
    return caption;
}

void CMachineBreakdownPage::ShowRow()
{
    const CMachineBdownData &breakdown = *Current();
    ::CheckDlgButton(m_hWnd, IDC_BREAKDOWN_CHECK_AT_START, breakdown.m_checkAtCycleStart ? BST_CHECKED : BST_UNCHECKED);
    const bool known = breakdown.m_mode >= kModeAvailableTime && breakdown.m_mode <= kModeOperations;
    SendDlgItemMessage(IDC_BREAKDOWN_MODE, CB_SETCURSEL, static_cast<WPARAM>(known ? breakdown.m_mode : 0), 0);
    ShowMode(breakdown.m_mode);
    SetDlgItemText(IDC_BREAKDOWN_REPAIR, breakdown.m_repairTime);
    ::CheckDlgButton(m_hWnd, IDC_BREAKDOWN_SCRAP, breakdown.m_scrapPart ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_BREAKDOWN_SETUP_ON_REPAIR, breakdown.m_setupOnRepair ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_BREAKDOWN_LIFE, breakdown.m_lifeUsed);
}

void CMachineBreakdownPage::ShowMode(int32_t mode)
{
    const CMachineBdownData &breakdown = *Current();
    m_shownMode = mode;
    const bool operations = CountsOperations(mode);
    SetDlgItemText(IDC_BREAKDOWN_INTERVAL_LABEL,
                   ResourceText(operations ? IDS_NUMBER_OF_OPERATIONS : IDS_TIME_BETWEEN_FAILURES));
    SetDlgItemText(IDC_BREAKDOWN_INTERVAL, operations ? breakdown.m_operations : breakdown.m_timeBetweenFailures);
}

void CMachineBreakdownPage::ClearRowFields()
{
    for (int id : {IDC_BREAKDOWN_INTERVAL, IDC_BREAKDOWN_REPAIR, IDC_BREAKDOWN_LIFE})
        SetDlgItemText(id, "");
    for (int id : {IDC_BREAKDOWN_CHECK_AT_START, IDC_BREAKDOWN_SCRAP, IDC_BREAKDOWN_SETUP_ON_REPAIR})
        ::CheckDlgButton(m_hWnd, id, BST_UNCHECKED);
    SendDlgItemMessage(IDC_BREAKDOWN_MODE, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void CMachineBreakdownPage::KeepShownRow()
{
    CMachineBdownData &breakdown = *Current();
    breakdown.m_checkAtCycleStart = IsChecked(IDC_BREAKDOWN_CHECK_AT_START) ? 1 : 0;
    // A mode the page does not know stays unless the modeller chose one.
    if (m_shownMode >= kModeAvailableTime && m_shownMode <= kModeOperations)
        breakdown.m_mode = ShownChoice(IDC_BREAKDOWN_MODE);
    if (CountsOperations(m_shownMode))
        breakdown.m_operations = Text(IDC_BREAKDOWN_INTERVAL);
    else
        breakdown.m_timeBetweenFailures = Text(IDC_BREAKDOWN_INTERVAL);
    breakdown.m_repairTime = Text(IDC_BREAKDOWN_REPAIR);
    breakdown.m_scrapPart = IsChecked(IDC_BREAKDOWN_SCRAP) ? 1 : 0;
    breakdown.m_setupOnRepair = IsChecked(IDC_BREAKDOWN_SETUP_ON_REPAIR) ? 1 : 0;
    breakdown.m_lifeUsed = Text(IDC_BREAKDOWN_LIFE);
}

void CMachineBreakdownPage::OnChoiceChanged(int id)
{
    if (id != IDC_BREAKDOWN_MODE || !HasRows()) {
        CRowListPage::OnChoiceChanged(id);
        return;
    }
    // The interval of the mode shown so far is kept, then that of the chosen mode shown.
    KeepShownRow();
    Current()->m_mode = ShownChoice(IDC_BREAKDOWN_MODE);
    ShowMode(Current()->m_mode);
}

int32_t CMachineBreakdownPage::CheckShownRow()
{
    if (!m_record.validateBreakdown)
        return -1;
    OrvMachineBreakdown image{};
    image.breakdownActions = image.resumeActions = image.labour.labourRule = -1;
    Current()->WriteFields(image);
    return m_record.validateBreakdown(&image);
}

void CMachineBreakdownPage::AddSummaryRow(SummaryRows &rows, int index) const
{
    const CMachineBdownData &breakdown = m_breakdowns.At(index);
    CString number;
    number.Format("%10d", index + 1);
    rows.Add({number, breakdown.GetName(), ResourceText(ModeTextId(breakdown.m_mode)),
              CountsOperations(breakdown.m_mode) ? breakdown.m_operations : breakdown.m_timeBetweenFailures,
              YesIfSet(breakdown.m_breakdownActions), YesIfSet(breakdown.m_resumeActions),
              YesIfSet(breakdown.m_labour.labourRule)});
}
