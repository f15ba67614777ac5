// CClipboardComboBox: a combo box with an edit field that the host's Edit menu and name lists can act on. It
// registers itself whenever its field receives the focus (by the mouse, the keyboard or a program), and
// leaves the registration when it goes away. The host's commands act on the whole field text.
#pragma once
#include <framework/framework.h>

#include "editors/clipboard_target.h"

class CClipboardComboBox : public CComboBox, public ClipboardTarget {
    DECLARE_DYNAMIC(CClipboardComboBox)
public:
    CClipboardComboBox() = default;
    ~CClipboardComboBox() override;

    void CopyToClipboard() override;
    void CutToClipboard() override;
    // False when the clipboard holds no text; the field is then unchanged.
    bool PasteFromClipboard() override;
    // A combo box keeps no undo buffer of its own: nothing happens.
    void UndoLastChange() override {}
    // Replaces the whole field text by the name; a combo box without an edit field is left alone.
    void PasteName(std::string_view name, bool functionFlag, int insertMode) override;
    HWND TargetWindow() const override { return m_hWnd; }

protected:
    BOOL OnFieldFocused();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    // The whole field text onto the clipboard; false when the clipboard is busy.
    bool PutFieldOnClipboard();
};
