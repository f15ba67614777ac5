// What the host's Edit menu and name lists act on: the text field the modeller last typed in. The clipboard
// edit and the clipboard combo box each carry out the host's commands in their own way.
#pragma once
#include <windows.h>

#include <string_view>

class ClipboardTarget {
public:
    virtual ~ClipboardTarget() = default;

    virtual void CopyToClipboard() = 0;
    virtual void CutToClipboard() = 0;
    // False when there was nothing to paste (only a combo box can tell).
    virtual bool PasteFromClipboard() = 0;
    virtual void UndoLastChange() = 0;
    // Puts a name the modeller picked into the field, focused, with the caret after it (inside a call's
    // parentheses). Insert mode 1 keeps the selection and puts the name after it.
    virtual void PasteName(std::string_view name, bool functionFlag, int insertMode) = 0;
    virtual HWND TargetWindow() const = 0;

    // Gives the focus back, since the host's menu or list took it.
    void ReturnFocus() const { ::SetFocus(TargetWindow()); }

    // Names only: pasted names lose their framing blanks and never become calls.
    bool NamesOnly() const { return m_namesOnly; }
    void SetNamesOnly(bool namesOnly) { m_namesOnly = namesOnly; }

private:
    bool m_namesOnly = false;
};
