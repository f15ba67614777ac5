#include "framework/help.h"

#include "framework/message_box.h"
#include "framework/module_state.h"
#include "framework/wnd.h"

DWORD CWnd::GetHelpContext() const { return 0; }

void CWnd::WinHelp(DWORD_PTR data, UINT command) {
    CWnd *main = FrameworkGetMainWnd();
    if (main != nullptr && main != this) {
        main->WinHelp(data, command);
        return;
    }
    const char *path = FrameworkGetHelpFilePath();
    if (path == nullptr)
        return;
    HWND owner = m_hWnd;
    if (owner == nullptr && main != nullptr)
        owner = main->m_hWnd;
    ::WinHelpA(owner, path, command, data);
}

BOOL FrameworkHelpFromFocus() {
    // A message box that carries its own help context answers first.
    if (UINT boxHelp = FrameworkGetMessageBoxHelpId(); boxHelp != 0) {
        if (CWnd *main = FrameworkGetMainWnd()) {
            main->WinHelp(boxHelp, HELP_CONTEXT);
            return TRUE;
        }
    }
    HWND start = ::GetFocus();
    if (start == nullptr)
        start = ::GetActiveWindow();
    for (HWND hwnd = start; hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
        CWnd *wnd = CWnd::FromHandlePermanent(hwnd);
        if (wnd == nullptr)
            continue;
        if (DWORD context = wnd->GetHelpContext(); context != 0) {
            wnd->WinHelp(context, HELP_CONTEXT);
            return TRUE;
        }
    }
    return FALSE;
}
