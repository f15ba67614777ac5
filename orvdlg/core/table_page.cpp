#include "core/table_page.h"

#include "core/colour_button.h"
#include "core/host_callbacks.h"
#include "core/host_colour.h"
#include "core/host_editor.h"
#include "core/labour_data.h"
#include "core/record_text.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CTablePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CTablePage, CPropertyPage)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

namespace {
bool IsCombo(HWND control)
{
    char className[16] = "";
    ::GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "ComboBox") == 0;
}

COLORREF SwapRedAndBlue(uint32_t value) { return RGB(GetBValue(value), GetGValue(value), GetRValue(value)); }

COLORREF FieldToColour(int32_t value, ColourField form)
{
    switch (form) {
    case ColourField::HostIndex:
        return HostColourToColour(value);
    case ColourField::Windows:
        return static_cast<COLORREF>(value) & 0xFFFFFF;
    case ColourField::RedHigh:
        return SwapRedAndBlue(static_cast<uint32_t>(value));
    }
    return 0;
}

int32_t ColourToField(COLORREF colour, ColourField form)
{
    switch (form) {
    case ColourField::HostIndex:
        return ColourToHostColour(colour);
    case ColourField::Windows:
        return static_cast<int32_t>(colour & 0xFFFFFF);
    case ColourField::RedHigh:
        return static_cast<int32_t>(SwapRedAndBlue(colour));
    }
    return 0;
}

// A value the record may hold that no colour stands for: written back only when the modeller chose another.
bool IsUnknownColour(int32_t value, ColourField form)
{
    if (form == ColourField::HostIndex)
        return value < 0 || value >= kHostColourCount;
    return (static_cast<uint32_t>(value) & 0xFF000000u) != 0;
}
} // namespace

CTablePage::CTablePage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId) {}

CTablePage::~CTablePage() = default;

void CTablePage::BindText(int id, char *field, size_t size, int limit)
{
    const int most = size > 0 ? static_cast<int>(size - 1) : 0;
    Binding binding;
    binding.kind = Kind::Text;
    binding.id = id;
    binding.text = field;
    binding.size = size;
    binding.limit = limit < 0 ? most : std::min(limit, most);
    m_bindings.push_back(binding);
}

void CTablePage::BindCheck(int id, int32_t &field) { BindValue(Kind::Check, id, field, {}); }

void CTablePage::BindRadio(int firstId, int32_t &field, std::span<const int32_t> values, int otherChoice)
{
    BindValue(Kind::Radio, firstId, field, values, otherChoice);
}

void CTablePage::BindComboIndex(int id, int32_t &field, std::span<const int32_t> values)
{
    BindValue(Kind::ComboIndex, id, field, values);
}

void CTablePage::BindColour(int id, int32_t &field, ColourField form)
{
    BindValue(Kind::Colour, id, field, {});
    m_bindings.back().colourForm = form;
    m_colourButtons.push_back(std::make_unique<CColourButton>());
    m_bindings.back().colourButton = m_colourButtons.back().get();
}

void CTablePage::BindValue(Kind kind, int id, int32_t &field, std::span<const int32_t> values, int otherChoice)
{
    Binding binding;
    binding.kind = kind;
    binding.id = id;
    binding.value = &field;
    binding.values = values;
    binding.otherChoice = otherChoice;
    m_bindings.push_back(binding);
}

void CTablePage::ShowWhen(std::span<const int> ids, std::function<bool()> condition)
{
    m_conditions.push_back({{ids.begin(), ids.end()}, std::move(condition), true});
}

void CTablePage::EnableWhen(std::span<const int> ids, std::function<bool()> condition)
{
    m_conditions.push_back({{ids.begin(), ids.end()}, std::move(condition), false});
}

CString CTablePage::TypedName() const
{
    CString name;
    if (m_nameControl)
        GetDlgItemText(m_nameControl, name);
    return name;
}

void CTablePage::BindActionsButton(int buttonId, int32_t &actions, UINT captionId, int indicatorTextId,
                                   int indicatorButtonId)
{
    auto caption = [this, captionId] {
        CString text;
        text.LoadString(captionId);
        if (m_nameControl) {
            text += " ";
            text += TypedName();
        }
        return text;
    };
    BindActionsButton(buttonId, [&actions] { return &actions; }, caption, indicatorTextId, indicatorButtonId);
}

void CTablePage::BindActionsButton(int buttonId, HandleOf actions, std::function<CString()> caption,
                                   int indicatorTextId, int indicatorButtonId)
{
    EditorButton button;
    button.editor = Editor::Actions;
    button.buttonId = buttonId;
    button.handle = std::move(actions);
    button.caption = std::move(caption);
    button.textId = indicatorTextId;
    button.markId = indicatorButtonId;
    m_editorButtons.push_back(std::move(button));
}

void CTablePage::BindRuleButton(int buttonId, int32_t element, int kind, int index, int32_t &rule, int wordId)
{
    RuleButton button;
    button.element = element;
    button.kind = kind;
    button.index = [index] { return index; };
    button.rule = [&rule] { return &rule; };
    button.wordId = wordId;
    BindRuleButton(buttonId, std::move(button));
}

void CTablePage::BindRuleButton(int buttonId, RuleButton rule)
{
    EditorButton button;
    button.editor = Editor::Rule;
    button.buttonId = buttonId;
    button.handle = rule.rule;
    button.textId = rule.wordId;
    button.rule = std::move(rule);
    m_editorButtons.push_back(std::move(button));
}

void CTablePage::BindLabourBlockButton(int buttonId, int indicatorId, int32_t element, int kind, OrvLabourBlock &block)
{
    EditorButton button;
    button.editor = Editor::LabourBlock;
    button.buttonId = buttonId;
    button.handle = [&block] { return &block.labourRule; };
    button.block = &block;
    button.rule.element = element;
    button.rule.kind = kind;
    button.textId = indicatorId;
    m_editorButtons.push_back(std::move(button));
}

void CTablePage::BindLabourDataButton(int buttonId, int indicatorId, int32_t element, int kind,
                                      std::function<CLabourData *()> current, int32_t context)
{
    EditorButton button;
    button.editor = Editor::LabourData;
    button.buttonId = buttonId;
    button.labourData = current;
    button.handle = [current] {
        CLabourData *data = current ? current() : nullptr;
        return data ? &data->labourRule : nullptr;
    };
    button.rule.element = element;
    button.rule.kind = kind;
    button.textId = indicatorId;
    button.context = context;
    m_editorButtons.push_back(std::move(button));
}

void CTablePage::OpenEditor(const EditorButton &button)
{
    int32_t *handle = button.handle();
    if (!handle)
        return;
    switch (button.editor) {
    case Editor::Actions: {
        const CString caption = button.caption ? button.caption() : CString();
        OpenHostEditor([&] {
            if (Host().CompEditor)
                Host().CompEditor(handle, caption);
        });
        break;
    }
    case Editor::Rule: {
        const RuleButton &rule = button.rule;
        const int index = rule.index ? rule.index() : 0;
        OpenHostEditor([&] {
            if (Host().DetailRule)
                Host().DetailRule(rule.element, rule.kind, index, handle);
        });
        if (rule.afterEdit)
            rule.afterEdit();
        break;
    }
    case Editor::LabourBlock:
        EditLabourRule(button.rule.element, handle, button.rule.kind, button.block);
        break;
    case Editor::LabourData: {
        CLabourData *data = button.labourData();
        OrvLabourBlock block = data->MakeBlock(button.context);
        if (EditLabourRule(button.rule.element, handle, button.rule.kind, &block))
            data->TakeBlock(block);
        break;
    }
    }
    RefreshEditorText(button);
}

void CTablePage::RefreshEditorText(const EditorButton &button)
{
    const int32_t *handle = button.handle();
    const int32_t value = handle ? *handle : -1;
    switch (button.editor) {
    case Editor::Rule:
        SetDlgItemText(button.textId, button.rule.flowRule ? FlowRuleWord(value, button.rule.wordFlag)
                                                           : RuleWord(value, button.rule.wordFlag));
        return;
    case Editor::Actions:
        SetDlgItemText(button.textId, ActionIndicator(value));
        if (HWND indicator = Control(button.markId))
            ::InvalidateRect(indicator, nullptr, TRUE);
        return;
    case Editor::LabourBlock:
    case Editor::LabourData:
        SetDlgItemText(button.textId, LabourIndicator(value));
        if (HWND indicator = Control(button.textId))
            ::InvalidateRect(indicator, nullptr, TRUE);
        return;
    }
}

void CTablePage::RefreshEditorTexts()
{
    for (const EditorButton &button : m_editorButtons)
        RefreshEditorText(button);
}

void CTablePage::OnDrawItem(int id, LPDRAWITEMSTRUCT item)
{
    if (!DrawIndicator(id, item))
        Default();
}

bool CTablePage::DrawIndicator(int id, LPDRAWITEMSTRUCT item)
{
    for (const EditorButton &button : m_editorButtons) {
        const bool actions = button.editor == Editor::Actions && button.markId == id;
        const bool labour = (button.editor == Editor::LabourBlock || button.editor == Editor::LabourData) &&
                            button.textId == id;
        if (!actions && !labour)
            continue;
        RECT r = item->rcItem;
        ::FillRect(item->hDC, &r, ::GetSysColorBrush(COLOR_BTNFACE));
        ::DrawEdge(item->hDC, &r, (item->itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        CString text;
        GetDlgItemText(actions ? button.textId : id, text);
        if (actions && ActionIndicatorMarked(text)) {
            // A filled square: actions are defined.
            ::InflateRect(&r, -4, -4);
            ::FillRect(item->hDC, &r, ::GetSysColorBrush(COLOR_BTNTEXT));
        } else if (labour) {
            ::SetBkMode(item->hDC, TRANSPARENT);
            ::SetTextColor(item->hDC, ::GetSysColor(COLOR_BTNTEXT));
            ::DrawTextA(item->hDC, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        return true;
    }
    return false;
}

void CTablePage::MapField(int32_t fieldNumber, int controlId) { m_fieldControls.emplace_back(fieldNumber, controlId); }

int CTablePage::ControlOfField(int32_t fieldNumber) const
{
    for (auto [number, id] : m_fieldControls)
        if (number == fieldNumber)
            return id;
    return 0;
}

namespace {
bool IsEdit(HWND control)
{
    char className[16] = "";
    ::GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "Edit") == 0;
}
} // namespace

void CTablePage::FocusField(int32_t fieldNumber)
{
    HWND control = Control(ControlOfField(fieldNumber));
    if (!control)
        return;
    ::SetFocus(control);
    if (IsEdit(control))
        ::SendMessageA(control, EM_SETSEL, 0, -1);
}

BOOL CTablePage::OnInitDialog()
{
    for (const Binding &binding : m_bindings)
        if (binding.kind == Kind::Colour)
            binding.colourButton->SubclassDlgItem(static_cast<UINT>(binding.id), this);
    for (const Binding &binding : m_bindings) {
        if (binding.kind != Kind::Text)
            continue;
        HWND control = Control(binding.id);
        ::SendMessageA(control, IsCombo(control) ? CB_LIMITTEXT : EM_LIMITTEXT, static_cast<WPARAM>(binding.limit), 0);
    }
    BOOL result = CPropertyPage::OnInitDialog();
    ApplyConditions();
    return result;
}

std::vector<int> CTablePage::RadioGroup(int firstId) const
{
    std::vector<int> ids;
    HWND first = Control(firstId);
    for (HWND button = first; button; button = ::GetWindow(button, GW_HWNDNEXT)) {
        if (button != first && (::GetWindowLongA(button, GWL_STYLE) & WS_GROUP))
            break;
        ids.push_back(::GetDlgCtrlID(button));
    }
    return ids;
}

int CTablePage::ChoiceOf(const Binding &binding, int32_t value) const
{
    if (binding.values.empty())
        return value;
    auto found = std::find(binding.values.begin(), binding.values.end(), value);
    return found == binding.values.end() ? -1 : static_cast<int>(found - binding.values.begin());
}

int32_t CTablePage::ValueOf(const Binding &binding, int choice) const
{
    if (binding.values.empty())
        return choice;
    return choice >= 0 && static_cast<size_t>(choice) < binding.values.size() ? binding.values[static_cast<size_t>(choice)]
                                                                                : binding.values.front();
}

int CTablePage::ShownChoice(int id) const
{
    HWND control = Control(id);
    if (!control)
        return -1;
    if (IsCombo(control))
        return static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
    std::vector<int> group = RadioGroup(id);
    for (size_t i = 0; i < group.size(); ++i)
        if (::IsDlgButtonChecked(m_hWnd, group[i]) == BST_CHECKED)
            return static_cast<int>(i);
    return -1;
}

bool CTablePage::IsChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }

void CTablePage::Load(Binding &binding)
{
    switch (binding.kind) {
    case Kind::Text:
        SetDlgItemText(binding.id, ReadRecordText(binding.text, binding.size));
        break;
    case Kind::Check:
        ::CheckDlgButton(m_hWnd, binding.id, *binding.value ? BST_CHECKED : BST_UNCHECKED);
        break;
    case Kind::Colour:
        binding.unknownValue = IsUnknownColour(*binding.value, binding.colourForm);
        binding.shownColour = FieldToColour(*binding.value, binding.colourForm);
        binding.colourButton->SetColour(binding.shownColour);
        break;
    case Kind::Radio:
    case Kind::ComboIndex: {
        int choice = ChoiceOf(binding, *binding.value);
        const int count = binding.kind == Kind::Radio
                              ? static_cast<int>(RadioGroup(binding.id).size())
                              : static_cast<int>(::SendMessageA(Control(binding.id), CB_GETCOUNT, 0, 0));
        if (choice < 0 || choice >= count) {
            binding.unknownValue = binding.otherChoice < 0;
            choice = binding.otherChoice < 0 ? 0 : binding.otherChoice;
        }
        binding.shownChoice = choice;
        if (binding.kind == Kind::ComboIndex) {
            ::SendMessageA(Control(binding.id), CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
        } else {
            std::vector<int> group = RadioGroup(binding.id);
            for (size_t i = 0; i < group.size(); ++i)
                ::CheckDlgButton(m_hWnd, group[i], static_cast<int>(i) == choice ? BST_CHECKED : BST_UNCHECKED);
        }
        break;
    }
    }
}

void CTablePage::Save(Binding &binding)
{
    switch (binding.kind) {
    case Kind::Text: {
        CString text;
        GetDlgItemText(binding.id, text);
        WriteRecordText(binding.text, binding.size, text);
        break;
    }
    case Kind::Check:
        *binding.value = IsChecked(binding.id) ? 1 : 0;
        break;
    case Kind::Colour: {
        const COLORREF colour = binding.colourButton->GetColour();
        if (!binding.unknownValue || colour != binding.shownColour)
            *binding.value = ColourToField(colour, binding.colourForm);
        break;
    }
    case Kind::Radio:
    case Kind::ComboIndex: {
        const int choice = ShownChoice(binding.id);
        // An unknown value stays as it was unless the modeller picked another choice.
        if (binding.unknownValue && choice == binding.shownChoice)
            break;
        if (choice >= 0)
            *binding.value = ValueOf(binding, choice);
        break;
    }
    }
}

void CTablePage::DoDataExchange(CDataExchange *dx)
{
    if (dx->m_bSaveAndValidate) {
        for (const Binding &binding : m_bindings) {
            if (binding.kind != Kind::Text || !binding.checkLength)
                continue;
            if (IsCombo(Control(binding.id)))
                dx->PrepareCtrl(binding.id);
            else
                dx->PrepareEditCtrl(binding.id);
            CString text;
            GetDlgItemText(binding.id, text);
            DDV_MaxChars(dx, text, binding.limit);
        }
    }
    for (Binding &binding : m_bindings) {
        if (dx->m_bSaveAndValidate)
            Save(binding);
        else
            Load(binding);
    }
    if (!dx->m_bSaveAndValidate) {
        LoadOwnFields();
        RefreshEditorTexts();
        return;
    }
    SaveOwnFields(dx);
    const int32_t field = ValidateRecord();
    if (field == -1) {
        OnRecordAccepted();
        return;
    }
    if (const int id = ControlOfField(field)) {
        if (IsEdit(Control(id)))
            dx->PrepareEditCtrl(id);
        else
            dx->PrepareCtrl(id);
        dx->Fail();
    }
    // A field number with no control of this page: the host spoke of another page's field.
    if (m_unmappedFieldsKeepPage) {
        dx->m_hWndLastControl = nullptr;
        dx->Fail();
    }
}

void CTablePage::ApplyConditions()
{
    if (!m_hWnd)
        return;
    for (const Condition &condition : m_conditions) {
        const bool holds = condition.holds();
        for (int id : condition.ids) {
            HWND control = Control(id);
            if (!control)
                continue;
            if (condition.show) {
                ::ShowWindow(control, holds ? SW_SHOW : SW_HIDE);
                if (!holds)
                    ::EnableWindow(control, FALSE);
                else
                    ::EnableWindow(control, TRUE);
            } else if (::GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) {
                ::EnableWindow(control, holds);
            }
        }
    }
}

BOOL CTablePage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED && lParam) {
        for (const EditorButton &button : m_editorButtons) {
            if (button.buttonId == LOWORD(wParam)) {
                OpenEditor(button);
                return TRUE;
            }
        }
        if (ChooseColour(LOWORD(wParam)))
            return TRUE;
    }
    BOOL handled = CPropertyPage::OnCommand(wParam, lParam);
    const UINT code = HIWORD(wParam);
    if (lParam && code == CBN_SELCHANGE)
        OnChoiceChanged(LOWORD(wParam));
    if (lParam && (code == BN_CLICKED || code == CBN_SELCHANGE))
        ApplyConditions();
    return handled;
}

bool CTablePage::ChooseColour(int id)
{
    for (const Binding &binding : m_bindings) {
        if (binding.kind != Kind::Colour || binding.id != id)
            continue;
        CColourButton &button = *binding.colourButton;
        if (button.ChooseColour(GetParent()) == 1 && binding.colourForm == ColourField::HostIndex)
            button.SetColour(HostColourToColour(ColourToHostColour(button.GetColour())));
        return true;
    }
    return false;
}
