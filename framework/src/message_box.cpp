#include "framework/message_box.h"

#include "framework/module_state.h"
#include "framework/text.h"
#include "framework/wnd.h"

namespace {

UINT g_messageBoxHelpId = 0;

bool IsOwnedBy(HWND hwnd, HWND owner) {
    for (HWND current = ::GetWindow(hwnd, GW_OWNER); current != nullptr; current = ::GetWindow(current, GW_OWNER)) {
        if (current == owner)
            return true;
    }
    return false;
}

// The main window, or the dialog of ours that is active over it: a box owned by the main window
// alone would leave that dialog usable while the box is open.
HWND MessageBoxOwner() {
    CWnd *main = FrameworkGetMainWnd();
    HWND mainHwnd = main != nullptr ? main->m_hWnd : nullptr;
    HWND active = ::GetActiveWindow();
    if (mainHwnd == nullptr)
        return active;
    if (active != nullptr && active != mainHwnd && IsOwnedBy(active, mainHwnd) && ::IsWindowEnabled(active))
        return active;
    return mainHwnd;
}

} // namespace

int FrameworkMessageBox(LPCSTR text, UINT type, UINT helpId) {
    const UINT outerHelpId = g_messageBoxHelpId;
    g_messageBoxHelpId = helpId;
    const int result = ::MessageBoxA(MessageBoxOwner(), text != nullptr ? text : "", FrameworkGetAppTitle(), type);
    g_messageBoxHelpId = outerHelpId;
    return result;
}

int FrameworkMessageBox(UINT promptId, UINT type, UINT helpId) {
    CString prompt;
    prompt.LoadString(promptId);
    return FrameworkMessageBox(prompt, type, helpId);
}

UINT FrameworkGetMessageBoxHelpId() { return g_messageBoxHelpId; }
