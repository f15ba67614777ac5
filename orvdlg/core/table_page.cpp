#include "core/table_page.h"

#include "core/host_callbacks.h"
#include "core/host_editor.h"
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
} // namespace

CTablePage::CTablePage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId) {}

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

void CTablePage::BindActionsButton(int buttonId, int32_t &actions, UINT captionId, int indicatorTextId,
                                   int indicatorButtonId)
{
    EditorButton button{buttonId, &actions, false};
    button.captionId = captionId;
    button.indicatorTextId = indicatorTextId;
    button.indicatorButtonId = indicatorButtonId;
    m_editorButtons.push_back(button);
}

void CTablePage::BindRuleButton(int buttonId, int32_t element, int kind, int index, int32_t &rule, int wordId)
{
    EditorButton button{buttonId, &rule, true};
    button.element = element;
    button.kind = kind;
    button.index = index;
    button.indicatorTextId = wordId;
    m_editorButtons.push_back(button);
}

void CTablePage::OpenEditor(const EditorButton &button)
{
    const HostCallbacks &host = Host();
    if (button.rule) {
        OpenHostEditor([&] {
            if (host.DetailRule)
                host.DetailRule(button.element, button.kind, button.index, button.handle);
        });
    } else {
        CString caption;
        caption.LoadString(button.captionId);
        if (m_nameControl) {
            CString name;
            GetDlgItemText(m_nameControl, name);
            caption += " ";
            caption += name;
        }
        OpenHostEditor([&] {
            if (host.CompEditor)
                host.CompEditor(button.handle, caption);
        });
    }
    RefreshEditorText(button);
}

void CTablePage::RefreshEditorText(const EditorButton &button)
{
    if (button.rule) {
        SetDlgItemText(button.indicatorTextId, RuleWord(*button.handle, 0));
        return;
    }
    SetDlgItemText(button.indicatorTextId, ActionIndicator(*button.handle));
    if (HWND indicator = Control(button.indicatorButtonId))
        ::InvalidateRect(indicator, nullptr, TRUE);
}

void CTablePage::OnDrawItem(int id, LPDRAWITEMSTRUCT item)
{
    for (const EditorButton &button : m_editorButtons) {
        if (button.rule || button.indicatorButtonId != id)
            continue;
        CString text;
        GetDlgItemText(button.indicatorTextId, text);
        RECT r = item->rcItem;
        ::FillRect(item->hDC, &r, ::GetSysColorBrush(COLOR_BTNFACE));
        ::DrawEdge(item->hDC, &r, (item->itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        if (ActionIndicatorMarked(text)) {
            // A filled square: actions are defined.
            ::InflateRect(&r, -4, -4);
            ::FillRect(item->hDC, &r, ::GetSysColorBrush(COLOR_BTNTEXT));
        }
        return;
    }
    Default();
}

void CTablePage::MapField(int32_t fieldNumber, int controlId) { m_fieldControls.emplace_back(fieldNumber, controlId); }

BOOL CTablePage::OnInitDialog()
{
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
        for (const EditorButton &button : m_editorButtons)
            RefreshEditorText(button);
        return;
    }
    SaveOwnFields(dx);
    const int32_t field = ValidateRecord();
    if (field == -1) {
        OnRecordAccepted();
        return;
    }
    for (auto [number, id] : m_fieldControls) {
        if (number != field)
            continue;
        HWND control = Control(id);
        char className[16] = "";
        ::GetClassNameA(control, className, sizeof className);
        if (lstrcmpiA(className, "Edit") == 0)
            dx->PrepareEditCtrl(id);
        else
            dx->PrepareCtrl(id);
        dx->Fail();
    }
    // A field number with no control of this page: the host spoke of another page's field.
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
    }
    BOOL handled = CPropertyPage::OnCommand(wParam, lParam);
    const UINT code = HIWORD(wParam);
    if (lParam && code == CBN_SELCHANGE)
        OnChoiceChanged(LOWORD(wParam));
    if (lParam && (code == BN_CLICKED || code == CBN_SELCHANGE))
        ApplyConditions();
    return handled;
}
