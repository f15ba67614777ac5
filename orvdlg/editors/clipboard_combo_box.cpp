#include "editors/clipboard_combo_box.h"

#include "editors/clipboard_target_registry.h"
#include "editors/host_clipboard.h"
#include "editors/pasted_name.h"

IMPLEMENT_DYNAMIC(CClipboardComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CClipboardComboBox, CComboBox)
    ON_CONTROL_REFLECT_EX(CBN_SETFOCUS, OnFieldFocused)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CClipboardComboBox::~CClipboardComboBox() { ClipboardTargetRegistry::Instance().Unregister(this); }

// The field's own edit control takes the focus, not the combo box window: the combo box's focus notice is
// the one sign of it. The parent sees the notice too.
BOOL CClipboardComboBox::OnFieldFocused()
{
    ClipboardTargetRegistry::Instance().Register(ClipboardTargetRegistry::Kind::ComboBox, this);
    return FALSE;
}

void CClipboardComboBox::OnDestroy()
{
    ClipboardTargetRegistry::Instance().Unregister(this);
    CComboBox::OnDestroy();
}

bool CClipboardComboBox::PutFieldOnClipboard()
{
    CString field;
    GetWindowText(field);
    return WriteHostClipboardText(field.Str());
}

void CClipboardComboBox::CopyToClipboard() { PutFieldOnClipboard(); }

// The field is emptied only once its text is safe on the clipboard: a busy clipboard must not lose it.
void CClipboardComboBox::CutToClipboard()
{
    if (PutFieldOnClipboard())
        SetWindowText("");
}

bool CClipboardComboBox::PasteFromClipboard()
{
    const std::optional<std::string> text = ReadHostClipboardText();
    if (!text || text->empty())
        return false;
    SetWindowText(text->c_str());
    return true;
}

// The name replaces the whole field, so the caret is placed from the field's start. The new text is set
// without typing, so it may run past the field's typing limit; the control keeps it.
void CClipboardComboBox::PasteName(std::string_view name, bool functionFlag, int insertMode)
{
    if (SendMessage(CB_GETEDITSEL, 0, 0) == CB_ERR)
        return; // a drop-down list has no field to paste into
    const PastedName shaped = ShapePastedName(name, functionFlag, NamesOnly());
    SetWindowText(shaped.text.c_str());
    SetFocus();
    const int caret = static_cast<int>(shaped.text.size()) - shaped.caretBack;
    SetEditSel(caret, caret);
}
