// Keyboard focus, activation, capture, caret and cursor.
#include "user/core/user_state.h"

namespace win32::user {

namespace {

// The thread's focus, active and capture windows are remembered by handle; one that died is forgotten.
HWND Live(HWND &remembered)
{
    if (remembered && !FindWindowObject(remembered, false))
        remembered = nullptr;
    return remembered;
}

bool CanTakeFocus(HWND hwnd)
{
    for (Window *w = FindWindowObject(hwnd, false); w;) {
        if (w->style & (WS_DISABLED | WS_MINIMIZE))
            return false;
        if (!(w->style & WS_CHILD) || !w->parent)
            return true;
        w = FindWindowObject(w->parent, false);
    }
    return false;
}

void Deactivate(HWND old, HWND next)
{
    ThreadState &ts = CurrentThread();
    if (!FindWindowObject(old, false))
        return;
    SendMessageA(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(next));
    if (FindWindowObject(old, false))
        SendMessageA(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0), reinterpret_cast<LPARAM>(next));
    HWND focus = ts.focus;
    if (focus && (focus == old || IsChild(old, focus))) {
        ts.focus = nullptr;
        if (FindWindowObject(focus, false))
            SendMessageA(focus, WM_KILLFOCUS, 0, 0);
    }
}

} // namespace

void FocusWindowDestroyed(HWND hwnd)
{
    ThreadState &ts = CurrentThread();
    HWND focus = ts.focus;
    if (!focus || !(focus == hwnd || IsChild(hwnd, focus)))
        return;
    Window *w = FindWindowObject(hwnd, false);
    if (w && (w->style & WS_CHILD) && w->parent && CanTakeFocus(w->parent)) {
        SetFocus(w->parent);
        if (ts.focus == focus) // the parent refused it
            SetFocus(nullptr);
    } else {
        SetFocus(nullptr);
    }
}

void ActivateAfterHideOrDestroy(HWND hwnd)
{
    ThreadState &ts = CurrentThread();
    if (ts.active != hwnd)
        return;
    Window *w = FindWindowObject(hwnd, false);
    HWND next = nullptr;
    auto usable = [hwnd](HWND h) {
        Window *c = FindWindowObject(h, false);
        return c && h != hwnd && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED) &&
               c->threadId == GetCurrentThreadId() && c->owner != hwnd;
    };
    if (w && w->owner && usable(w->owner))
        next = w->owner;
    if (!next) {
        for (HWND top : TopLevelWindows()) {
            if (usable(top)) {
                next = top;
                break;
            }
        }
    }
    if (!next && w && w->owner && FindWindowObject(w->owner, false) && (FindWindowObject(w->owner, false)->style & WS_VISIBLE))
        next = w->owner; // a disabled owner still becomes active, as the platform does
    if (next) {
        SetActiveWindow(next);
    } else {
        ts.active = nullptr;
        Deactivate(hwnd, nullptr);
    }
}

} // namespace win32::user

using namespace win32::user;

HWND WINAPI GetFocus(void)
{
    return Live(CurrentThread().focus);
}

HWND WINAPI SetFocus(HWND hwnd)
{
    ThreadState &ts = CurrentThread();
    HWND old = GetFocus();
    if (!hwnd) {
        ts.focus = nullptr;
        if (old)
            SendMessageA(old, WM_KILLFOCUS, 0, 0);
        return old;
    }
    if (!FindWindowObject(hwnd))
        return nullptr;
    if (!CanTakeFocus(hwnd))
        return nullptr;
    if (hwnd == old)
        return old;
    HWND top = TopLevelOf(hwnd);
    if (ts.active != top) {
        SetActiveWindow(top);
        if (ts.active != top)
            return nullptr;
        if (ts.focus == hwnd)
            return old;
        old = GetFocus();
    }
    ts.focus = hwnd;
    if (old && FindWindowObject(old, false))
        SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (ts.focus == hwnd && FindWindowObject(hwnd, false))
        SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND WINAPI GetActiveWindow(void)
{
    return Live(CurrentThread().active);
}

HWND WINAPI SetActiveWindow(HWND hwnd)
{
    ThreadState &ts = CurrentThread();
    HWND old = GetActiveWindow();
    if (hwnd) {
        if (!FindWindowObject(hwnd))
            return nullptr;
        hwnd = TopLevelOf(hwnd);
    }
    if (hwnd == old)
        return old;
    if (old)
        Deactivate(old, hwnd);
    ts.active = hwnd;
    if (!hwnd)
        return old;
    Window *w = FindWindowObject(hwnd, false);
    if (!w)
        return old;
    auto &tops = TopLevelWindows();
    for (auto it = tops.begin(); it != tops.end(); ++it)
        if (*it == hwnd) {
            tops.erase(it);
            break;
        }
    tops.insert(tops.begin(), hwnd);
    SendMessageA(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(old));
    if (ts.active == hwnd && FindWindowObject(hwnd, false))
        SendMessageA(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, IsIconic(hwnd) ? 1 : 0), reinterpret_cast<LPARAM>(old));
    return old;
}

HWND WINAPI GetForegroundWindow(void)
{
    return GetActiveWindow();
}

BOOL WINAPI SetForegroundWindow(HWND hwnd)
{
    if (!FindWindowObject(hwnd))
        return FALSE;
    SetActiveWindow(hwnd);
    return TRUE;
}

HWND WINAPI GetCapture(void)
{
    return Live(CurrentThread().capture);
}

HWND WINAPI SetCapture(HWND hwnd)
{
    ThreadState &ts = CurrentThread();
    HWND old = GetCapture();
    if (hwnd && !FindWindowObject(hwnd))
        return nullptr;
    ts.capture = hwnd;
    if (old && old != hwnd)
        SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL WINAPI ReleaseCapture(void)
{
    ThreadState &ts = CurrentThread();
    HWND old = GetCapture();
    ts.capture = nullptr;
    if (old)
        SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

// The caret is not drawn in pictures; its calls succeed so that controls behave as on the platform.
BOOL WINAPI CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height)
{
    return FindWindowObject(hwnd) != nullptr;
}
BOOL WINAPI DestroyCaret(void)
{
    return TRUE;
}
BOOL WINAPI ShowCaret(HWND hwnd)
{
    return TRUE;
}
BOOL WINAPI HideCaret(HWND hwnd)
{
    return TRUE;
}
BOOL WINAPI SetCaretPos(int x, int y)
{
    return TRUE;
}

namespace {
POINT s_cursor{0, 0};
} // namespace

BOOL WINAPI GetCursorPos(LPPOINT point)
{
    if (!point)
        return FALSE;
    *point = s_cursor;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int x, int y)
{
    s_cursor = POINT{x, y};
    return TRUE;
}
