// What every system control does with its own window: keep its state struct behind the pointer in
// the window's extra bytes, read its text, and tell its parent through WM_COMMAND. Only the public
// API is used, as a control written outside the window manager would.
#pragma once
#include <windows.h>

#include <new>
#include <string>

namespace win32::user::controls {

// The state struct of a control lives on the heap; its pointer occupies the first extra bytes
// (cbWndExtra = sizeof(void *)). Null before WM_NCCREATE and after WM_NCDESTROY.
template <class State> State *GetControlState(HWND hwnd) {
    return reinterpret_cast<State *>(static_cast<LONG_PTR>(GetWindowLongA(hwnd, 0)));
}

// Allocates the state in WM_NCCREATE; null when memory is short (the creation then fails).
template <class State> State *AttachControlState(HWND hwnd) {
    State *state = new (std::nothrow) State{};
    if (state) {
        SetWindowLongA(hwnd, 0, static_cast<LONG>(reinterpret_cast<LONG_PTR>(state)));
    }
    return state;
}

// Frees the state in WM_NCDESTROY, so that late messages find no dangling pointer.
template <class State> void DetachControlState(HWND hwnd) {
    State *state = GetControlState<State>(hwnd);
    SetWindowLongA(hwnd, 0, 0);
    delete state;
}

// The window text (as DefWindowProcA keeps it).
std::string WindowText(HWND hwnd);

// WM_COMMAND(MAKEWPARAM(id, code), hwnd) to the parent; nothing when there is no parent.
void NotifyParentCommand(HWND hwnd, WORD code);

// WM_NOTIFY with a bare NMHDR {hwnd, id, code} to the parent; returns the parent's answer.
LRESULT NotifyParent(HWND hwnd, UINT code);

// The control's style bits and its type field (BS_TYPEMASK, SS_TYPEMASK, ...).
DWORD WindowStyle(HWND hwnd);

} // namespace win32::user::controls
