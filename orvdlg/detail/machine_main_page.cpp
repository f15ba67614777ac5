#include "detail/machine_main_page.h"

#include "core/element_list_filler.h"
#include "core/export_guard.h"
#include "core/format_text.h"
#include "core/host_editor.h"
#include "core/record_text.h"
#include "core/resource_text.h"
#include "detail/input_amount.h"
#include "detail/machine_type_look.h"

#include <resource.h>

#include <cstring>

IMPLEMENT_DYNAMIC(CMachineMainPage, CRowListPage)

namespace {
constexpr int kNameLimit = 8;
constexpr int kTextLimit = 80;
constexpr int kCycleSummaryKind = 2;
constexpr int kMinimumCycles = 1;
constexpr int kMaximumCycles = 500;
constexpr int kLabourRuleKind = 6;
constexpr int32_t kNoCycleField = -2; // a rejection that names none of the cycle's fields

constexpr int kCycleControls[] = {IDC_MACHINE_CYCLE_NO_LABEL, IDC_MACHINE_CYCLE_NUMBER, IDC_MACHINE_CYCLE_NAME_LABEL,
                                  IDC_MACHINE_CYCLE_NAME, IDC_MACHINE_ADD_REMOVE, IDC_MACHINE_SUMMARIZE};
constexpr int kOwnTextLimits[][2] = {{IDC_MACHINE_INPUT1, kTextLimit},    {IDC_MACHINE_INPUT2, kTextLimit},
                                     {IDC_MACHINE_CYCLE_TIME, kTextLimit}, {IDC_MACHINE_STATIONS, kTextLimit},
                                     {IDC_MACHINE_FINISH_QUANTITY, kTextLimit}, {IDC_MACHINE_OUTPUT2, kTextLimit}};

CString FixedTextOf(const FixedText &fixed) { return fixed.stringId ? ResourceText(fixed.stringId) : CString(fixed.literal); }

RowListSettings CycleListSettings(OrvMachineRecord &record)
{
    RowListSettings settings;
    settings.comboId = IDC_MACHINE_CYCLE_NAME;
    settings.addRemoveId = IDC_MACHINE_ADD_REMOVE;
    settings.summarizeId = IDC_MACHINE_SUMMARIZE;
    settings.variant = AddRemoveVariant::Cycles;
    settings.minimumCount = kMinimumCycles;
    settings.maximumCount = kMaximumCycles;
    settings.descriptionLimit = CMachineCycleData::kDescriptionLimit;
    settings.summaryKind = kCycleSummaryKind;
    settings.editedFlag = &record.cyclesEdited;
    return settings;
}
} // namespace

CMachineMainPage::CMachineMainPage(OrvMachineRecord &record, int32_t &multipleStation)
    : CRowListPage(IDD_MACHINE_GENERAL, CycleListSettings(record)), m_record(record), m_multipleStation(multipleStation),
      m_machineName(ReadRecordText(record.name))
{
    BindCheckedText(IDC_MACHINE_NAME, record.name, kNameLimit);
    BindCheckedText(IDC_MACHINE_QUANTITY, record.quantity, kTextLimit);
    BindCheckedText(IDC_MACHINE_PRIORITY, record.priority, kTextLimit);
    BindComboIndex(IDC_MACHINE_TYPE, record.type);
    SetNameControl(IDC_MACHINE_NAME);

    const int32_t element = record.element;
    RuleButton from;
    from.element = element;
    from.kind = 1;
    from.index = [this] { return MultipleCycle() ? CurrentRow() : -1; };
    from.rule = [this] { return &Current().m_inputRule; };
    from.wordId = IDC_MACHINE_PULL;
    from.wordFlag = 1;
    from.afterEdit = [this] {
        if (m_record.inputRuleRefresh)
            m_record.inputRuleRefreshValue = m_record.inputRuleRefresh(m_record.element);
    };
    BindRuleButton(IDC_MACHINE_FROM, std::move(from));
    RuleButton to;
    to.element = element;
    to.index = [] { return -1; };
    to.rule = [this] { return &m_record.outputRule; };
    to.wordId = IDC_MACHINE_PUSH;
    BindRuleButton(IDC_MACHINE_TO, std::move(to));
    BindLabourDataButton(IDC_MACHINE_LABOUR, IDC_MACHINE_LABOUR_MARK, element, kLabourRuleKind,
                         [this] { return &Current().m_labour; }, record.labourContext);
    BindActionsButton(IDC_MACHINE_START_ACTIONS, [this] { return &Current().m_startActions; },
                      [this] { return ActionsCaption(IDS_MACHINE_START_ACTIONS); }, IDC_MACHINE_START_TEXT,
                      IDC_MACHINE_START_MARK);
    BindActionsButton(IDC_MACHINE_FINISH_ACTIONS, [this] { return &Current().m_finishActions; },
                      [this] { return ActionsCaption(IDS_MACHINE_FINISH_ACTIONS); }, IDC_MACHINE_FINISH_TEXT,
                      IDC_MACHINE_FINISH_MARK);

    const int fieldControls[] = {IDC_MACHINE_NAME,   IDC_MACHINE_QUANTITY,   IDC_MACHINE_PRIORITY,
                                 IDC_MACHINE_INPUT1, IDC_MACHINE_INPUT2,     IDC_MACHINE_CYCLE_TIME,
                                 IDC_MACHINE_STATIONS, IDC_MACHINE_FINISH_QUANTITY, IDC_MACHINE_OUTPUT2};
    for (int field = 0; field < static_cast<int>(std::size(fieldControls)); ++field)
        MapField(field, fieldControls[field]);
    KeepPageOnUnmappedFields();
}

CString CMachineMainPage::Text(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}

BOOL CMachineMainPage::OnInitDialog()
{
    m_partTypeCombo.SubclassDlgItem(IDC_MACHINE_PART_TYPE, this);
    m_partTypeCombo.LimitText(kTextLimit);
    for (const auto &[id, limit] : kOwnTextLimits)
        SendDlgItemMessage(id, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);

    m_partTypeCombo.AddString(ResourceText(IDS_MACHINE_SAME_PART_TYPE));
    static constexpr int kPartTypes[] = {1, -1};
    ElementListRequest parts;
    parts.types = kPartTypes;
    FillElementList(m_partTypeCombo.m_hWnd, parts);
    return CRowListPage::OnInitDialog();
}

void CMachineMainPage::LoadOwnFields()
{
    CRowListPage::LoadOwnFields();
    ShowType(ShownChoice(IDC_MACHINE_TYPE));
}

std::unique_ptr<CAddRemoveObject> CMachineMainPage::NewRow() const { return std::make_unique<CMachineCycleData>(); }

void CMachineMainPage::ShowType(int32_t type)
{
    const int32_t old = m_shownType;
    if (old == OrvMachineMultipleCycle && type != OrvMachineMultipleCycle) {
        // Back to the first cycle; what the modeller typed into the one shown stays with it.
        KeepShownRow();
        ShowRowAt(0);
    }
    const bool fromFixedFinish = old == OrvMachineBatch || old == OrvMachineMultipleStation;
    if (fromFixedFinish && (type == OrvMachineProduction || type == OrvMachineGeneral || type == OrvMachineMultipleCycle))
        SetDlgItemText(IDC_MACHINE_FINISH_QUANTITY, "1");

    const MachineTypeLook &look = LookOfMachineType(type);
    auto show = [this](int id, bool shown) {
        if (HWND control = ::GetDlgItem(m_hWnd, id)) {
            ::ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
            ::EnableWindow(control, shown);
        }
    };
    auto fixOrEnable = [this](int id, const FixedText &fixed) {
        if (fixed.Fixed())
            SetDlgItemText(id, FixedTextOf(fixed));
        ::EnableWindow(::GetDlgItem(m_hWnd, id), !fixed.Fixed());
    };

    SetDlgItemText(IDC_MACHINE_INPUT1_LABEL, ResourceText(look.input1Label));
    fixOrEnable(IDC_MACHINE_INPUT1, look.input1Fixed);
    show(IDC_MACHINE_INPUT2_LABEL, look.input2);
    show(IDC_MACHINE_INPUT2, look.input2);
    if (look.input2) {
        SetDlgItemText(IDC_MACHINE_INPUT2_LABEL, ResourceText(IDS_MACHINE_BATCH_MAXIMUM));
        if (old != OrvMachineBatch)
            SetDlgItemText(IDC_MACHINE_INPUT2, ReadRecordText(m_record.batchMaximum));
    }
    SetDlgItemText(IDC_MACHINE_DURATION_GROUP, ResourceText(look.durationCaption));
    show(IDC_MACHINE_STATIONS_LABEL, look.stations);
    show(IDC_MACHINE_STATIONS, look.stations);
    if (look.stations && old != OrvMachineMultipleStation)
        SetDlgItemText(IDC_MACHINE_STATIONS, ReadRecordText(m_record.stations));
    SetDlgItemText(IDC_MACHINE_FINISH_LABEL, ResourceText(IDS_MACHINE_FINISH_QUANTITY));
    fixOrEnable(IDC_MACHINE_FINISH_QUANTITY, look.finishFixed);
    show(IDC_MACHINE_OUTPUT2_LABEL, look.partType);
    show(IDC_MACHINE_PART_TYPE, look.partType);
    show(IDC_MACHINE_OUTPUT2, false);
    if (look.partType) {
        SetDlgItemText(IDC_MACHINE_OUTPUT2_LABEL, ResourceText(IDS_MACHINE_PART_TYPE));
        if (old != OrvMachineProduction)
            m_partTypeCombo.SetWindowText(ReadRecordText(m_record.partType));
    }
    for (int id : kCycleControls)
        show(id, look.cycles);

    m_shownType = type;
    if (type == OrvMachineMultipleCycle && old != OrvMachineMultipleCycle)
        ShowRowAt(CurrentRow());
    ShowOutputSide();
    m_multipleStation = type == OrvMachineMultipleStation ? 1 : 0;
    ShowCycleNumber();
    if (m_typeShown)
        m_typeShown(type);
}

void CMachineMainPage::ShowRow()
{
    const CMachineCycleData &cycle = Current();
    m_showingCycle = true;
    SetDlgItemText(IDC_MACHINE_INPUT1, cycle.m_inputQuantity);
    SetDlgItemText(IDC_MACHINE_CYCLE_TIME, cycle.m_cycleTime);
    SetDlgItemText(IDC_MACHINE_FINISH_QUANTITY, cycle.m_finishQuantity);
    m_showingCycle = false;
}

void CMachineMainPage::OnRowShown()
{
    ShowInputRuleAvailability();
    ShowOutputSide();
    ShowCycleNumber();
}

void CMachineMainPage::KeepShownRow()
{
    CMachineCycleData &cycle = Current();
    cycle.m_inputQuantity = Text(IDC_MACHINE_INPUT1);
    cycle.m_cycleTime = Text(IDC_MACHINE_CYCLE_TIME);
    cycle.m_finishQuantity = Text(IDC_MACHINE_FINISH_QUANTITY);
}

int32_t CMachineMainPage::CheckShownRow()
{
    // The host checks the shown fields as a cycle of their own.
    OrvMachineCycle image{};
    image.inputRule = image.startActions = image.finishActions = image.labour.labourRule = -1;
    WriteRecordText(image.inputQuantity, Text(IDC_MACHINE_INPUT1));
    WriteRecordText(image.cycleTime, Text(IDC_MACHINE_CYCLE_TIME));
    WriteRecordText(image.finishQuantity, Text(IDC_MACHINE_FINISH_QUANTITY));
    const int32_t wrong = m_record.validateCycle ? m_record.validateCycle(&image) : -1;
    // Only the three cycle fields name a control here; any other answer keeps the cycle without moving.
    return wrong == -1 || wrong == 3 || wrong == 5 || wrong == 7 ? wrong : kNoCycleField;
}

void CMachineMainPage::ShowCycleNumber()
{
    CString number;
    number.Format("%d", CurrentRow() + 1);
    SetDlgItemText(IDC_MACHINE_CYCLE_NUMBER, number);
}

void CMachineMainPage::ShowOutputSide()
{
    const bool last = !MultipleCycle() || CurrentRow() == m_cycles.Count() - 1;
    auto show = [this](int id, bool shown) { ::ShowWindow(::GetDlgItem(m_hWnd, id), shown ? SW_SHOW : SW_HIDE); };
    show(IDC_MACHINE_OUTPUT_GROUP, last);
    show(IDC_MACHINE_FINISH_GROUP, !last);
    for (int id : {IDC_MACHINE_TO, IDC_MACHINE_PUSH}) {
        show(id, true);
        ::EnableWindow(::GetDlgItem(m_hWnd, id), last);
    }
}

void CMachineMainPage::ShowInputRuleAvailability()
{
    const bool available = CurrentRow() == 0 || NamesPositiveAmount(Text(IDC_MACHINE_INPUT1));
    for (int id : {IDC_MACHINE_FROM, IDC_MACHINE_PULL})
        ::EnableWindow(::GetDlgItem(m_hWnd, id), available);
    SetDlgItemText(IDC_MACHINE_PULL, RuleWord(Current().m_inputRule, 1));
}

CString CMachineMainPage::ActionsCaption(UINT patternId) const
{
    CString number(" ");
    if (MultipleCycle()) {
        CString cycle;
        cycle.Format("%d", CurrentRow() + 1);
        number = FormatText(ResourceText(IDS_MACHINE_CYCLE_NUMBER), {cycle});
    }
    return FormatText(ResourceText(patternId), {number, m_machineName});
}

void CMachineMainPage::OnChoiceChanged(int id)
{
    if (id == IDC_MACHINE_TYPE)
        ShowType(ShownChoice(IDC_MACHINE_TYPE));
    else
        CRowListPage::OnChoiceChanged(id);
}

BOOL CMachineMainPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam && HIWORD(wParam) == EN_CHANGE && LOWORD(wParam) == IDC_MACHINE_INPUT1 && MultipleCycle() &&
        !m_showingCycle)
        ShowInputRuleAvailability();
    return CRowListPage::OnCommand(wParam, lParam);
}

void CMachineMainPage::SaveOwnFields(CDataExchange *dx)
{
    switch (m_shownType) {
    case OrvMachineBatch:
        WriteRecordText(m_record.batchMaximum, Text(IDC_MACHINE_INPUT2));
        break;
    case OrvMachineProduction:
        WriteRecordText(m_record.partType, Text(IDC_MACHINE_PART_TYPE));
        break;
    case OrvMachineMultipleStation:
        WriteRecordText(m_record.stations, Text(IDC_MACHINE_STATIONS));
        break;
    default:
        break;
    }
    // Cycle 0 of the record's array is the copy the host checks.
    if (m_record.cycles && m_record.cycleCount > 0) {
        OrvMachineCycle &scratch = m_record.cycles[0];
        WriteRecordText(scratch.inputQuantity, Text(IDC_MACHINE_INPUT1));
        WriteRecordText(scratch.cycleTime, Text(IDC_MACHINE_CYCLE_TIME));
        WriteRecordText(scratch.finishQuantity, Text(IDC_MACHINE_FINISH_QUANTITY));
    }
    KeepShownRow();
}

int32_t CMachineMainPage::ValidateRecord()
{
    if (!m_record.validate)
        return -1;
    m_record.validatingCycle = 0;
    const int32_t wrong = m_record.validate(&m_record);
    m_record.validatingCycle = CurrentRow();
    return wrong;
}

void CMachineMainPage::OnRecordAccepted()
{
    SetDlgItemText(IDC_MACHINE_QUANTITY, ReadRecordText(m_record.quantity));
    if (m_shownType != OrvMachineMultipleStation)
        return;
    SetDlgItemText(IDC_MACHINE_STATIONS, ReadRecordText(m_record.stations));
    if (m_record.cycles && m_record.cycleCount > 0)
        SetDlgItemText(IDC_MACHINE_INPUT1, ReadRecordText(m_record.cycles[0].inputQuantity));
}
