#include "editors/clipboard_edit.h"

#include "editors/clipboard_target_registry.h"
#include "editors/pasted_name.h"

#include <algorithm>
#include <string>

IMPLEMENT_DYNAMIC(CClipboardEdit, CEdit)

BEGIN_MESSAGE_MAP(CClipboardEdit, CEdit)
    ON_WM_SETFOCUS()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CClipboardEdit::~CClipboardEdit() { ClipboardTargetRegistry::Instance().Unregister(this); }

void CClipboardEdit::OnSetFocus(CWnd *oldWnd)
{
    CEdit::OnSetFocus(oldWnd);
    ClipboardTargetRegistry::Instance().Register(ClipboardTargetRegistry::Kind::Edit, this);
}

void CClipboardEdit::OnDestroy()
{
    ClipboardTargetRegistry::Instance().Unregister(this);
    CEdit::OnDestroy();
}

void CClipboardEdit::CopyToClipboard() { Copy(); }

void CClipboardEdit::CutToClipboard() { Cut(); }

bool CClipboardEdit::PasteFromClipboard()
{
    Paste();
    return true;
}

void CClipboardEdit::UndoLastChange() { Undo(); }

// The new text is set without typing, so it may run past the field's typing limit; the control keeps it.
void CClipboardEdit::PasteName(std::string_view name, bool functionFlag, int insertMode)
{
    CString field;
    GetWindowText(field);
    const std::string &text = field.Str();
    int start = 0;
    int end = 0;
    GetSel(start, end);
    const size_t selectionEnd = std::min(static_cast<size_t>(std::max(end, 0)), text.size());
    const size_t selectionStart = std::min(static_cast<size_t>(std::max(start, 0)), selectionEnd);
    const size_t at = insertMode == 1 ? selectionEnd : selectionStart;

    const PastedName shaped = ShapePastedName(name, functionFlag, NamesOnly());
    SetWindowText((text.substr(0, at) + shaped.text + text.substr(selectionEnd)).c_str());
    SetFocus();
    const int caret = static_cast<int>(at + shaped.text.size()) - shaped.caretBack;
    SetSel(caret, caret);
}
