#include "framework/idle.h"

#include "framework/cmd_ui.h"
#include "framework/dialog.h"
#include "framework/module_state.h"
#include "handle_map.h"

#include <initializer_list>

namespace {

// The caret blink of the system arrives as this undocumented timer-like message.
constexpr UINT kCaretBlinkMessage = 0x0118;

bool IsButtonOfType(HWND hwnd, std::initializer_list<DWORD> types) {
    char name[16] = {};
    if (GetClassNameA(hwnd, name, sizeof(name)) <= 0 || lstrcmpiA(name, "Button") != 0)
        return false;
    const DWORD type = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
    for (DWORD candidate : types) {
        if (type == candidate)
            return true;
    }
    return false;
}

} // namespace

BOOL FrameworkPreTranslateMessage(MSG *msg) {
    if (msg == nullptr)
        return FALSE;
    if (CWnd::WalkPreTranslateTree(nullptr, msg))
        return TRUE;
    // The main window translates its accelerators even for messages of windows outside its tree.
    CWnd *main = FrameworkGetMainWnd();
    return main != nullptr && main->m_hWnd != nullptr && main->PreTranslateMessage(msg);
}

BOOL FrameworkIsIdleMessage(const MSG *msg) {
    static UINT lastMouseMessage = 0;
    static POINT lastMousePoint{-1, -1};
    if (msg == nullptr)
        return FALSE;
    if (msg->message == WM_MOUSEMOVE || msg->message == WM_NCMOUSEMOVE) {
        const bool same = msg->message == lastMouseMessage && msg->pt.x == lastMousePoint.x &&
                          msg->pt.y == lastMousePoint.y;
        lastMouseMessage = msg->message;
        lastMousePoint = msg->pt;
        return same ? FALSE : TRUE;
    }
    return msg->message != WM_PAINT && msg->message != kCaretBlinkMessage;
}

void CWnd::UpdateDialogControls(CCmdTarget *target, BOOL disableIfNoHandler) {
    if (m_hWnd == nullptr || target == nullptr)
        return;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        if (id == 0 || id == 0xFFFF || id == -1)
            continue;
        CCmdUI state;
        state.m_nID = static_cast<UINT>(id);
        state.m_pOther = FromHandle(child);
        // Only push buttons issue commands of their own; the others are disabled by their
        // handlers only.
        const BOOL disable = disableIfNoHandler && IsButtonOfType(child, {BS_PUSHBUTTON, BS_DEFPUSHBUTTON});
        state.DoUpdate(target, disable);
    }
}

BOOL FrameworkOnIdle(LONG count) {
    if (count <= 0) {
        for (CWnd *wnd : fw::detail::WindowHandleMap().PermanentObjects()) {
            // Objects may go away while others update: only those still bound are visited.
            if (CWnd::FromHandlePermanent(wnd->m_hWnd) != wnd)
                continue;
            auto *dialog = dynamic_cast<CDialog *>(wnd);
            if (dialog != nullptr && dialog->GetUpdateControlsAtIdle() && dialog->IsWindowVisible())
                dialog->UpdateDialogControls(dialog, FALSE);
        }
        return TRUE;
    }
    CWnd::DeleteTempMap();
    return FALSE;
}
