// DefDlgProcA: the window procedure of dialog windows. It hands each message to the dialog
// procedure from DWL_DLGPROC first and does the dialog's default processing when that returns FALSE.
#include "user/dialog/dialog_data.h"
#include "user/dialog/dialog_focus.h"
#include "user/system_classes.h"

namespace win32::user::dialog {

namespace {

const SystemClassRegistrar s_dialogClass(WNDCLASSA{CS_DBLCLKS | CS_SAVEBITS, DefDlgProcA, 0, DLGWINDOWEXTRA, nullptr,
                                                   nullptr, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                                   nullptr, "#32770"});

// Messages whose result is the dialog procedure's own return value rather than DWL_MSGRESULT.
bool ReturnsDirectly(UINT msg) {
    switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

LRESULT FaceColours(HDC dc) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT OnEraseBackground(HWND hwnd, HDC dc) {
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(hwnd, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    if (!brush)
        brush = GetSysColorBrush(COLOR_BTNFACE);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, brush);
    return 1;
}

// Closing a dialog is its Cancel button's command, unless that button is disabled.
LRESULT OnClose(HWND hwnd) {
    HWND cancel = GetDlgItem(hwnd, IDCANCEL);
    if (cancel && !IsWindowEnabled(cancel)) {
        MessageBeep(0);
        return 0;
    }
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    return 0;
}

LRESULT OnActivate(HWND hwnd, DialogData &data, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        SaveDialogFocus(hwnd, data);
        return 0;
    }
    RestoreDialogFocus(hwnd, data);
    if (!FocusInDialog(hwnd))
        SetFocus(hwnd);
    return 0;
}

// Keeps a top-level dialog on the screen.
LRESULT OnReposition(HWND hwnd) {
    if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
        return 0;
    RECT r;
    GetWindowRect(hwnd, &r);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int x = r.left, y = r.top;
    if (r.right > screenWidth)
        x -= r.right - screenWidth;
    if (r.bottom > screenHeight)
        y -= r.bottom - screenHeight;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    if (x != r.left || y != r.top)
        SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT OnNextDialogControl(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(hwnd, FocusInDialog(hwnd), wParam != 0);
    if (target && (target == hwnd || IsChild(hwnd, target)))
        SetDialogFocus(hwnd, target);
    return 0;
}

LRESULT DefaultProcessing(HWND hwnd, DialogData *data, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        return OnEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return FaceColours(reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
        return OnClose(hwnd);
    case WM_INITDIALOG:
        return 0;
    case WM_NEXTDLGCTL:
        return OnNextDialogControl(hwnd, wParam, lParam);
    case DM_REPOSITION:
        return OnReposition(hwnd);
    default:
        break;
    }
    if (data) {
        switch (msg) {
        case WM_ACTIVATE:
            return OnActivate(hwnd, *data, wParam);
        case WM_SETFOCUS:
            RestoreDialogFocus(hwnd, *data);
            return 0;
        case WM_SHOWWINDOW:
            if (!wParam)
                SaveDialogFocus(hwnd, *data);
            break;
        case DM_GETDEFID: {
            const WORD id = DefaultId(hwnd, *data);
            return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
        }
        case DM_SETDEFID:
            SetDefaultId(hwnd, *data, static_cast<WORD>(wParam));
            return TRUE;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(data->font);
        default:
            break;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

DLGPROC DialogProcOf(HWND hwnd) {
    const DWORD savedError = GetLastError();
    DWORD extra = GetClassLongA(hwnd, GCL_CBWNDEXTRA);
    DLGPROC proc = nullptr;
    if (extra >= DWL_DLGPROC + sizeof(LONG))
        proc = reinterpret_cast<DLGPROC>(static_cast<LONG_PTR>(GetWindowLongA(hwnd, DWL_DLGPROC)));
    SetLastError(savedError);
    return proc;
}

} // namespace

} // namespace win32::user::dialog

using namespace win32::user::dialog;

LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(hDlg)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    EnsureData(hDlg);
    INT_PTR handled = 0;
    if (DLGPROC proc = DialogProcOf(hDlg))
        handled = proc(hDlg, Msg, wParam, lParam);

    if (Msg == WM_NCDESTROY) {
        const LRESULT result = handled ? GetWindowLongA(hDlg, DWL_MSGRESULT) : 0;
        FreeData(hDlg);
        return handled ? result : DefWindowProcA(hDlg, Msg, wParam, lParam);
    }
    if (!IsWindow(hDlg))
        return handled; // the dialog procedure destroyed its dialog
    if (ReturnsDirectly(Msg)) {
        if (handled || Msg == WM_INITDIALOG)
            return handled;
    } else if (handled) {
        return GetWindowLongA(hDlg, DWL_MSGRESULT);
    }
    return DefaultProcessing(hDlg, DataOf(hDlg), Msg, wParam, lParam);
}
