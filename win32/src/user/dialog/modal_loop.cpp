// DialogBoxParamA / DialogBoxIndirectParamA, EndDialog and the modal loop they share with MessageBoxA.
#include "user/dialog/modal_loop.h"

#include "user/core/user_state.h"
#include "user/dialog/dialog_create.h"
#include "user/dialog/dialog_data.h"

#include <win32_headless.h>

#include <cstdint>
#include <cstdio>

namespace win32::user::dialog {

namespace {

// A timer due within this time keeps a modal loop waiting instead of ending an unanswered dialog.
constexpr DWORD kSoonTimerMs = 2000;

WIN32_MODAL_IDLE_PROC s_idleHook = nullptr;

void EnableOwnerAgain(ModalState &state) {
    if (state.ownerDisabled && IsWindow(state.owner))
        EnableWindow(state.owner, TRUE);
    state.ownerDisabled = false;
}

bool QueueHasMessages() {
    MSG peeked;
    return PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
}

// Waits for the thread's next timer when it is due soon; false when there is none.
bool WaitForSoonTimer() {
    const DWORD now = TickCount();
    bool found = false;
    DWORD wait = kSoonTimerMs + 1;
    for (const Timer &t : CurrentThread().timers) {
        const auto remaining = static_cast<int32_t>(t.due - now);
        const DWORD until = remaining > 0 ? static_cast<DWORD>(remaining) : 0;
        if (until <= kSoonTimerMs && until < wait) {
            wait = until;
            found = true;
        }
    }
    if (found)
        Sleep(wait);
    return found;
}

void EndUnanswered(HWND hDlg) {
    char caption[256] = {};
    GetWindowTextA(hDlg, caption, sizeof caption);
    std::fprintf(stderr, "stand-in: modal dialog '%s' has no input; ending it with IDCANCEL\n", caption);
    EndDialog(hDlg, IDCANCEL);
}

void Idle(HWND hDlg, HWND owner, UINT msgf) {
    const bool noIdleMessage = (GetWindowLongA(hDlg, GWL_STYLE) & DS_NOIDLEMSG) != 0;
    if (owner && !noIdleMessage && IsWindow(owner))
        SendMessageA(owner, WM_ENTERIDLE, msgf, reinterpret_cast<LPARAM>(hDlg));
    if (s_idleHook && IsWindow(hDlg))
        s_idleHook(hDlg, msgf);
}

// Pumps until the dialog ends or goes away; true when WM_QUIT arrived (its code in *quitCode).
bool Pump(HWND hDlg, HWND owner, UINT msgf, const ModalState &state, WPARAM *quitCode) {
    while (!state.ended && !state.destroyed) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                *quitCode = msg.wParam;
                return true;
            }
            if (!CallMsgFilterA(&msg, static_cast<int>(msgf)) && !IsDialogMessageA(hDlg, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            continue;
        }
        Idle(hDlg, owner, msgf);
        if (state.ended || state.destroyed || QueueHasMessages() || WaitForSoonTimer())
            continue;
        EndUnanswered(hDlg);
    }
    return false;
}

} // namespace

HWND ModalOwner(HWND parent) {
    return parent && IsWindow(parent) ? GetAncestor(parent, GA_ROOT) : nullptr;
}

INT_PTR RunModalDialog(HWND hDlg, HWND owner, UINT msgf) {
    DialogData *data = DataOf(hDlg);
    if (!data) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return -1;
    }
    ModalState state;
    state.owner = owner;
    state.ended = data->ended; // EndDialog may have come from WM_INITDIALOG already
    state.result = data->result;
    data->modal = &state;
    if (owner && IsWindowEnabled(owner) && !state.ended) {
        EnableWindow(owner, FALSE);
        state.ownerDisabled = true;
    }
    if (!state.ended)
        ShowWindow(hDlg, SW_SHOWNORMAL);

    WPARAM quitCode = 0;
    const bool quit = Pump(hDlg, owner, msgf, state, &quitCode);
    if (quit && !state.ended)
        state.result = IDCANCEL; // the application is quitting: the dialog counts as cancelled

    EnableOwnerAgain(state);
    if (DialogData *live = DataOf(hDlg))
        live->modal = nullptr;
    if (IsWindow(hDlg))
        DestroyWindow(hDlg);
    if (owner && IsWindow(owner) && IsWindowVisible(owner))
        SetActiveWindow(owner);
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    return state.result;
}

} // namespace win32::user::dialog

using namespace win32::user::dialog;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
    const void *data = nullptr;
    size_t size = 0;
    if (!FindDialogResource(hInstance, lpTemplateName, &data, &size))
        return -1;
    HWND owner = ModalOwner(hWndParent);
    HWND hDlg = CreateDialogFromTemplate(hInstance, data, size, owner, lpDialogFunc, dwInitParam, ShowMode::Hidden);
    return hDlg ? RunModalDialog(hDlg, owner, MSGF_DIALOGBOX) : -1;
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    HWND owner = ModalOwner(hWndParent);
    HWND hDlg = CreateDialogFromTemplate(hInstance, hDialogTemplate, kUnsizedTemplateBound, owner, lpDialogFunc,
                                         dwInitParam, ShowMode::Hidden);
    return hDlg ? RunModalDialog(hDlg, owner, MSGF_DIALOGBOX) : -1;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
    DialogData *data = DataOf(hDlg);
    if (!data) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    data->ended = true;
    data->result = nResult;
    if (ModalState *state = data->modal) {
        state->ended = true;
        state->result = nResult;
        // The owner is enabled before the dialog hides, so that it is the window activated next.
        EnableOwnerAgain(*state);
    }
    ShowWindow(hDlg, SW_HIDE);
    return TRUE;
}

WIN32_MODAL_IDLE_PROC WINAPI Win32Headless_SetModalIdleHook(WIN32_MODAL_IDLE_PROC proc) {
    WIN32_MODAL_IDLE_PROC previous = s_idleHook;
    s_idleHook = proc;
    return previous;
}
