// IsDialogMessageA: the dialog manager's keyboard interface (Tab, arrows, Enter, Escape, mnemonics).
#include "user/dialog/dialog_data.h"
#include "user/dialog/dialog_mnemonic.h"
#include "user/dialog/dialog_navigation.h"

namespace win32::user::dialog {

namespace {

// The character a handled Tab, Enter or Escape key would still produce through TranslateMessage;
// it is dropped when it arrives, as it has been acted on already.
thread_local WPARAM t_swallowedChar = 0;

void SendClicked(HWND hDlg, int id, HWND control) {
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

bool IsPushButtonCode(UINT code) {
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void OnTab(HWND hDlg) {
    SendMessageA(hDlg, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
}

void OnArrow(HWND hDlg, HWND focus, WPARAM key) {
    const bool previous = key == VK_LEFT || key == VK_UP;
    HWND next = GetNextDlgGroupItem(hDlg, focus == hDlg ? nullptr : focus, previous);
    if (!next || next == focus)
        return;
    SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    // Moving onto a radio button chooses it.
    if (IsWindow(next) && (DialogCode(next) & DLGC_RADIOBUTTON))
        SendMessageA(next, BM_CLICK, 0, 0);
}

// Enter: the focused push button's command, else the default button's, else IDOK. A default
// button that is disabled or hidden does nothing, so that a disabled OK cannot be bypassed.
void OnReturn(HWND hDlg, HWND focus, UINT focusCode) {
    if (focus != hDlg && IsPushButtonCode(focusCode)) {
        if (IsWindowEnabled(focus))
            SendClicked(hDlg, GetDlgCtrlID(focus), focus);
        return;
    }
    const LRESULT def = SendMessageA(hDlg, DM_GETDEFID, 0, 0);
    if (HIWORD(def) != DC_HASDEFID) {
        SendClicked(hDlg, IDOK, GetDlgItem(hDlg, IDOK));
        return;
    }
    const int id = LOWORD(def);
    HWND control = GetDlgItem(hDlg, id);
    if (control && !IsUsableControl(hDlg, control)) {
        MessageBeep(0);
        return;
    }
    SendClicked(hDlg, id, control);
}

// Escape is the Cancel command, sent even when the dialog has no Cancel button.
void OnEscape(HWND hDlg) {
    HWND cancel = GetDlgItem(hDlg, IDCANCEL);
    if (cancel && !IsWindowEnabled(cancel)) {
        MessageBeep(0);
        return;
    }
    SendClicked(hDlg, IDCANCEL, cancel);
}

bool HandleKeyDown(HWND hDlg, const MSG &msg) {
    t_swallowedChar = 0;
    const UINT code = DialogCode(msg.hwnd, &msg);
    if (code & DLGC_WANTMESSAGE)
        return false;
    switch (msg.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        t_swallowedChar = '\t';
        OnTab(hDlg);
        return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS)
            return false;
        OnArrow(hDlg, msg.hwnd, msg.wParam);
        return true;
    case VK_RETURN:
        t_swallowedChar = '\r';
        OnReturn(hDlg, msg.hwnd, code);
        return true;
    case VK_ESCAPE:
        t_swallowedChar = 0x1B;
        OnEscape(hDlg);
        return true;
    default:
        return false;
    }
}

bool HandleChar(HWND hDlg, const MSG &msg) {
    const WPARAM swallowed = t_swallowedChar;
    t_swallowedChar = 0;
    if (swallowed && msg.wParam == swallowed)
        return true;
    const UINT code = DialogCode(msg.hwnd, &msg);
    if (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE))
        return false;
    const auto ch = static_cast<unsigned char>(msg.wParam);
    if (ch < 0x20)
        return false;
    return HandleMnemonic(hDlg, msg.hwnd, static_cast<char>(ch));
}

// A dialog nested as a control (a property page) shares its parent dialog's keyboard interface:
// Tab leaves the page for the parent's controls, Enter reaches the parent's default button.
HWND OutermostDialog(HWND hDlg) {
    for (;;) {
        const auto style = static_cast<DWORD>(GetWindowLongA(hDlg, GWL_STYLE));
        const auto exStyle = static_cast<DWORD>(GetWindowLongA(hDlg, GWL_EXSTYLE));
        HWND parent = GetParent(hDlg);
        if (!(style & WS_CHILD) || !(exStyle & WS_EX_CONTROLPARENT) || !parent || !DataOf(parent))
            return hDlg;
        hDlg = parent;
    }
}

} // namespace

} // namespace win32::user::dialog

using namespace win32::user::dialog;

BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
    if (!lpMsg || !hDlg || !IsWindow(hDlg))
        return FALSE;
    if (!lpMsg->hwnd || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)))
        return FALSE;
    hDlg = OutermostDialog(hDlg);
    bool handled = false;
    switch (lpMsg->message) {
    case WM_KEYDOWN:
        handled = HandleKeyDown(hDlg, *lpMsg);
        break;
    case WM_CHAR:
        handled = HandleChar(hDlg, *lpMsg);
        break;
    case WM_SYSCHAR:
        handled = HandleMnemonic(hDlg, lpMsg->hwnd, static_cast<char>(lpMsg->wParam));
        break;
    default:
        break;
    }
    if (!handled) {
        TranslateMessage(lpMsg);
        DispatchMessageA(lpMsg);
    }
    return TRUE;
}
