#include "detail/buffer_detail.h"

#include "core/detail_export.h"
#include "core/element_list_filler.h"
#include "core/export_guard.h"
#include "core/record_text.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(CDetailBufferGeneralPage, CTablePage)
IMPLEMENT_DYNAMIC(CDetailBufferSheet, COrvanePropertySheet)

namespace {
constexpr int kNameLimit = 8;
constexpr int kTextLimit = 80;
constexpr int32_t kTwoWay[] = {0, 1};

enum InputOption { kInputRear, kInputFront, kInputAt, kInputByAttribute };
enum OutputOption { kOutputFirst, kOutputMaximum, kOutputMinimum, kOutputAny, kOutputConditional };
enum DelayOption { kDelayNone, kDelayMin, kDelayMax, kDelayBoth, kDelayMaxRepeat, kDelayBothRepeat };

constexpr int kInputLabel[] = {IDC_BUFFER_INPUT_LABEL};
constexpr int kInputPosition[] = {IDC_BUFFER_INPUT_POSITION};
constexpr int kAttribute[] = {IDC_BUFFER_ATTRIBUTE, IDC_BUFFER_SORT_GROUP, IDC_BUFFER_SORT_ASCENDING,
                              IDC_BUFFER_SORT_DESCENDING};
constexpr int kOutputExpression[] = {IDC_BUFFER_OUTPUT_LABEL, IDC_BUFFER_OUTPUT_EXPRESSION};
constexpr int kMinimumDelay[] = {IDC_BUFFER_MINIMUM_LABEL, IDC_BUFFER_MINIMUM_TIME, IDC_BUFFER_MINIMUM_ACTIONS,
                                 IDC_BUFFER_MINIMUM_MARK};
constexpr int kMaximumDelay[] = {IDC_BUFFER_MAXIMUM_LABEL, IDC_BUFFER_MAXIMUM_TIME, IDC_BUFFER_MAXIMUM_ACTIONS,
                                 IDC_BUFFER_MAXIMUM_MARK, IDC_BUFFER_EXIT_RULE, IDC_BUFFER_EXIT_RULE_WORD};
constexpr int kShiftAndAllowance[] = {IDC_BUFFER_SHIFT_LABEL, IDC_BUFFER_SHIFT, IDC_BUFFER_ALLOWANCE_LABEL,
                                      IDC_BUFFER_ALLOWANCE};

bool HasMinimumDelay(int option) { return option == kDelayMin || option == kDelayBoth || option == kDelayBothRepeat; }
bool HasMaximumDelay(int option)
{
    return option == kDelayMax || option == kDelayBoth || option == kDelayMaxRepeat || option == kDelayBothRepeat;
}
bool NeedsOutputExpression(int option)
{
    return option == kOutputMaximum || option == kOutputMinimum || option == kOutputConditional;
}
UINT OutputLabel(int option)
{
    return option == kOutputMaximum ? IDS_OUTPUT_MAXIMUM_OF : option == kOutputMinimum ? IDS_OUTPUT_MINIMUM_OF : IDS_OUTPUT_IF;
}
} // namespace

CDetailBufferGeneralPage::CDetailBufferGeneralPage(OrvBufferRecord &record)
    : CTablePage(IDD_BUFFER_GENERAL), m_record(record)
{
    BindCheckedText(IDC_BUFFER_NAME, record.name, kNameLimit);
    BindCheckedText(IDC_BUFFER_QUANTITY, record.quantity, kTextLimit);
    BindCheckedText(IDC_BUFFER_CAPACITY, record.capacity, kTextLimit);
    BindComboIndex(IDC_BUFFER_DELAY_OPTION, record.delayOption);
    BindText(IDC_BUFFER_MINIMUM_TIME, record.minimumDelay, kTextLimit);
    BindText(IDC_BUFFER_MAXIMUM_TIME, record.maximumDelay, kTextLimit);
    BindText(IDC_BUFFER_SHIFT, record.shiftName, kTextLimit);
    BindCheckedText(IDC_BUFFER_ALLOWANCE, record.allowance, kTextLimit);
    BindRadio(IDC_BUFFER_SORT_ASCENDING, record.sortOrder, kTwoWay);
    BindRadio(IDC_BUFFER_SEARCH_REAR, record.searchDirection, kTwoWay);
    BindComboIndex(IDC_BUFFER_INPUT_OPTION, record.inputOption);
    BindComboIndex(IDC_BUFFER_OUTPUT_OPTION, record.outputOption);
    BindCheckedText(IDC_BUFFER_OUTPUT_EXPRESSION, record.outputExpression, kTextLimit);

    auto input = [this] { return ShownChoice(IDC_BUFFER_INPUT_OPTION); };
    auto output = [this] { return ShownChoice(IDC_BUFFER_OUTPUT_OPTION); };
    auto delay = [this] { return ShownChoice(IDC_BUFFER_DELAY_OPTION); };
    ShowWhen(kInputLabel, [input] { return input() == kInputAt || input() == kInputByAttribute; });
    ShowWhen(kInputPosition, [input] { return input() == kInputAt; });
    ShowWhen(kAttribute, [input] { return input() == kInputByAttribute; });
    ShowWhen(kOutputExpression, [output] { return NeedsOutputExpression(output()); });
    ShowWhen(kMinimumDelay, [delay] { return HasMinimumDelay(delay()); });
    ShowWhen(kMaximumDelay, [delay] { return HasMaximumDelay(delay()); });
    ShowWhen(kShiftAndAllowance, [delay] { return delay() > kDelayNone; });

    SetNameControl(IDC_BUFFER_NAME);
    BindActionsButton(IDC_BUFFER_INPUT_ACTIONS, record.inputActions, IDS_BUFFER_INPUT_ACTIONS,
                      IDC_BUFFER_INPUT_ACTIONS_TEXT, IDC_BUFFER_INPUT_MARK);
    BindActionsButton(IDC_BUFFER_MINIMUM_ACTIONS, record.minimumDelayActions, IDS_BUFFER_MINIMUM_DELAY_ACTIONS,
                      IDC_BUFFER_MINIMUM_ACTIONS_TEXT, IDC_BUFFER_MINIMUM_MARK);
    BindActionsButton(IDC_BUFFER_MAXIMUM_ACTIONS, record.maximumDelayActions, IDS_BUFFER_MAXIMUM_DELAY_ACTIONS,
                      IDC_BUFFER_MAXIMUM_ACTIONS_TEXT, IDC_BUFFER_MAXIMUM_MARK);
    BindActionsButton(IDC_BUFFER_OUTPUT_ACTIONS, record.outputActions, IDS_BUFFER_OUTPUT_ACTIONS,
                      IDC_BUFFER_OUTPUT_ACTIONS_TEXT, IDC_BUFFER_OUTPUT_MARK);
    BindRuleButton(IDC_BUFFER_EXIT_RULE, record.element, 0, 0, record.exitRule, IDC_BUFFER_EXIT_RULE_WORD);

    const int fieldControls[] = {IDC_BUFFER_NAME,      IDC_BUFFER_QUANTITY,     IDC_BUFFER_CAPACITY,
                                 IDC_BUFFER_INPUT_POSITION, IDC_BUFFER_ALLOWANCE, IDC_BUFFER_MINIMUM_TIME,
                                 IDC_BUFFER_MAXIMUM_TIME,  IDC_BUFFER_SHIFT,        IDC_BUFFER_OUTPUT_EXPRESSION};
    for (int field = 0; field < static_cast<int>(std::size(fieldControls)); ++field)
        MapField(field, fieldControls[field]);
}

BOOL CDetailBufferGeneralPage::OnInitDialog()
{
    FillMainShiftList(::GetDlgItem(m_hWnd, IDC_BUFFER_SHIFT));
    static constexpr int kAttributeElement[] = {12, -1};
    static constexpr int kAttributeTypes[] = {1, 0, 2, -1};
    const CString name = ReadRecordText(m_record.name);
    ElementListRequest attributes;
    attributes.types = kAttributeElement;
    attributes.attributeTypes = kAttributeTypes;
    attributes.editedName = name;
    attributes.editedElement = m_record.element;
    attributes.readOnlyToMatch = 0;
    attributes.expandArrays = true;
    attributes.allShifts = true;
    FillElementList(::GetDlgItem(m_hWnd, IDC_BUFFER_ATTRIBUTE), attributes);
    ::SendDlgItemMessageA(m_hWnd, IDC_BUFFER_ATTRIBUTE, CB_LIMITTEXT, kTextLimit, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_BUFFER_INPUT_POSITION, EM_LIMITTEXT, kTextLimit, 0);
    BOOL result = CTablePage::OnInitDialog();
    ShowOptionLabels();
    return result;
}

// The input position is one field behind two controls: the position edit, or the attribute name.
void CDetailBufferGeneralPage::LoadOwnFields()
{
    const CString position = ReadRecordText(m_record.inputPosition);
    SetDlgItemText(IDC_BUFFER_INPUT_POSITION, position);
    SetDlgItemText(IDC_BUFFER_ATTRIBUTE, position);
}

void CDetailBufferGeneralPage::SaveOwnFields(CDataExchange *dx)
{
    const bool byAttribute = ShownChoice(IDC_BUFFER_INPUT_OPTION) == kInputByAttribute;
    const int control = byAttribute ? IDC_BUFFER_ATTRIBUTE : IDC_BUFFER_INPUT_POSITION;
    CString position;
    GetDlgItemText(control, position);
    if (byAttribute)
        dx->PrepareCtrl(control);
    else
        dx->PrepareEditCtrl(control);
    DDV_MaxChars(dx, position, kTextLimit);
    WriteRecordText(m_record.inputPosition, position);
}

void CDetailBufferGeneralPage::ShowOptionLabels()
{
    CString label;
    if (label.LoadString(ShownChoice(IDC_BUFFER_INPUT_OPTION) == kInputByAttribute ? IDS_INPUT_ATTRIBUTE_NAME
                                                                                   : IDS_INPUT_POSITION))
        SetDlgItemText(IDC_BUFFER_INPUT_LABEL, label);
    if (label.LoadString(OutputLabel(ShownChoice(IDC_BUFFER_OUTPUT_OPTION))))
        SetDlgItemText(IDC_BUFFER_OUTPUT_LABEL, label);
}

void CDetailBufferGeneralPage::ShowDefaultExpression(int id)
{
    SetDlgItemText(id, ReadRecordText(m_record.defaultExpression));
}

// An option that needs an expression starts from the host's default expression.
void CDetailBufferGeneralPage::OnChoiceChanged(int id)
{
    if (id == IDC_BUFFER_INPUT_OPTION) {
        const int input = ShownChoice(id);
        if (input == kInputAt || input == kInputByAttribute)
            ShowDefaultExpression(IDC_BUFFER_INPUT_POSITION);
    } else if (id == IDC_BUFFER_OUTPUT_OPTION && NeedsOutputExpression(ShownChoice(id))) {
        ShowDefaultExpression(IDC_BUFFER_OUTPUT_EXPRESSION);
    }
    ShowOptionLabels();
}

int32_t CDetailBufferGeneralPage::ValidateRecord() { return m_record.validate ? m_record.validate(&m_record) : -1; }

// The host may have rewritten the quantity and the capacity.
void CDetailBufferGeneralPage::OnRecordAccepted()
{
    SetDlgItemText(IDC_BUFFER_QUANTITY, ReadRecordText(m_record.quantity));
    SetDlgItemText(IDC_BUFFER_CAPACITY, ReadRecordText(m_record.capacity));
}

CDetailBufferSheet::CDetailBufferSheet(OrvBufferRecord &record)
    : COrvanePropertySheet(ReadRecordText(record.name), IDS_BUFFER_TITLE), m_general(record)
{
}

// The pages are members: they go before the sheet's base does, so the sheet lets go of them first.
CDetailBufferSheet::~CDetailBufferSheet()
{
    if (m_hWnd)
        DestroyWindow();
    m_pages.clear();
}

extern "C" ORVANE_EXPORT int ORVANE_CALL BufferDetailDialog(OrvBufferRecord *record)
{
    if (!record)
        return 0;
    return GuardExport(
        [&] {
            CDetailBufferSheet sheet(*record);
            DetailExport detail;
            detail.sheet = &sheet;
            detail.pages = {&sheet.m_general};
            UseCommonRecordParts(detail, record, sheet.m_reporting, sheet.m_notes);
            return RunDetailExport(detail);
        },
        0);
}
