// COrvaneDialog: the base of every dialog of the library. It runs with the library's own modality (see
// LibraryModality): created modeless over the host main window, it loops on the host's ProcessEvents until it
// ends. It may watch the clipboard for the host, and keeps the host window directly behind itself when it is
// activated.
#pragma once
#include <framework/framework.h>

#include "core/clipboard_watcher.h"

class COrvaneDialog : public CDialog {
    DECLARE_DYNAMIC(COrvaneDialog)
public:
    COrvaneDialog(UINT templateId, CWnd *parent = nullptr, BOOL watchClipboard = FALSE);
    ~COrvaneDialog() override;

    // Runs the dialog: 1 (OK), 2 (Cancel), another button's identifier, or -1 when the window could not be
    // created (the active-dialog stack is then untouched).
    INT_PTR DoModal() override;
    // Ends the dialog with `code`. Any code but Cancel first saves the dialog's data; a rejected field keeps
    // the dialog open.
    void End(int code);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    BOOL IsDone() const { return m_done; }
    int GetResult() const { return m_result; }

protected:
    // After the end code is known and before the window is destroyed: dialogs that must read their controls
    // one last time do it here.
    virtual void OnEnded(int code) {}

    void OnDestroy();
    void OnDrawClipboard();
    void OnChangeCbChain(HWND removed, HWND after);
    BOOL OnNcActivate(BOOL active);

    BOOL m_watchClipboard;
    BOOL m_done = FALSE;
    int m_result = -1;
    ClipboardWatcher m_clipboard;

    DECLARE_MESSAGE_MAP()
};

// Keeps the host main window directly behind a window that becomes active.
void BringHostWindowBehind(HWND activated);
