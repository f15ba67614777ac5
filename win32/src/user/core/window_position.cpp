// Showing, hiding, moving, sizing, z-order, enabling, and coordinate conversion.
#include "user/core/user_state.h"

#include <algorithm>

namespace win32::user {

namespace {

void ChangeZOrder(Window &w, HWND after)
{
    std::vector<HWND> *list = &TopLevelWindows();
    if ((w.style & WS_CHILD) && w.parent) {
        Window *p = FindWindowObject(w.parent, false);
        if (!p)
            return;
        list = &p->children;
    }
    list->erase(std::remove(list->begin(), list->end(), w.handle), list->end());
    if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        list->insert(list->begin(), w.handle);
    } else if (after == HWND_BOTTOM) {
        list->push_back(w.handle);
    } else {
        auto it = std::find(list->begin(), list->end(), after);
        if (it == list->end())
            list->insert(list->begin(), w.handle);
        else
            list->insert(it + 1, w.handle);
    }
}

} // namespace

} // namespace win32::user

using namespace win32::user;

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return FALSE;
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        w = FindWindowObject(hwnd, false);
        if (!w)
            return FALSE;
    }
    flags = pos.flags;
    RECT old = w->windowRect;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if (!(flags & SWP_NOMOVE))
        OffsetRect(&w->windowRect, pos.x - w->windowRect.left, pos.y - w->windowRect.top);
    if (!(flags & SWP_NOSIZE)) {
        w->windowRect.right = w->windowRect.left + std::max(0, pos.cx);
        w->windowRect.bottom = w->windowRect.top + std::max(0, pos.cy);
    }
    if (!(flags & SWP_NOZORDER))
        ChangeZOrder(*w, pos.hwndInsertAfter);
    if (flags & SWP_SHOWWINDOW)
        w->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW)
        w->style &= ~WS_VISIBLE;
    ComputeClientRect(*w);
    bool geometryChanged = !EqualRect(&old, &w->windowRect);
    bool visibilityChanged = wasVisible != ((w->style & WS_VISIBLE) != 0);
    if ((geometryChanged || visibilityChanged || (flags & SWP_FRAMECHANGED)) && !(flags & SWP_NOREDRAW)) {
        if ((w->style & WS_CHILD) && w->parent && (wasVisible || visibilityChanged)) {
            Window *p = FindWindowObject(w->parent, false);
            if (p && (geometryChanged || !(w->style & WS_VISIBLE)))
                InvalidateRect(w->parent, &old, TRUE);
        }
        if (w->style & WS_VISIBLE)
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    if (!(w->style & WS_CHILD) && (w->style & WS_VISIBLE) && !(flags & SWP_NOACTIVATE) &&
        !(w->style & WS_DISABLED))
        SetActiveWindow(hwnd);
    pos.x = w->windowRect.left;
    pos.y = w->windowRect.top;
    pos.cx = w->windowRect.right - w->windowRect.left;
    pos.cy = w->windowRect.bottom - w->windowRect.top;
    if (geometryChanged || visibilityChanged || !(flags & SWP_NOZORDER) || (flags & SWP_FRAMECHANGED))
        SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if (visibilityChanged && !(FindWindowObject(hwnd, false) && IsWindowVisible(hwnd))) {
        FocusWindowDestroyed(hwnd);
    }
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND hwnd, int cmd)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return FALSE;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    bool show = cmd != SW_HIDE;
    bool activate = !(cmd == SW_SHOWNA || cmd == SW_SHOWNOACTIVATE || cmd == SW_SHOWMINNOACTIVE || cmd == SW_HIDE ||
                      cmd == SW_MINIMIZE);
    if (cmd == SW_MINIMIZE || cmd == SW_SHOWMINIMIZED || cmd == SW_SHOWMINNOACTIVE)
        w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
    else if (cmd == SW_SHOWMAXIMIZED)
        w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
    else if (cmd == SW_RESTORE || cmd == SW_SHOWNORMAL)
        w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    if (show == wasVisible) {
        if (show && activate && !(w->style & WS_CHILD))
            SetActiveWindow(hwnd);
        return wasVisible;
    }
    SendMessageA(hwnd, WM_SHOWWINDOW, show, 0);
    if (!FindWindowObject(hwnd, false))
        return wasVisible;
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (!activate || (w->style & WS_CHILD))
        flags |= SWP_NOACTIVATE;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, flags);
    if (!show && FindWindowObject(hwnd, false) && !(w->style & WS_CHILD))
        ActivateAfterHideOrDestroy(hwnd);
    return wasVisible;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI BringWindowToTop(HWND hwnd)
{
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL WINAPI IsWindowVisible(HWND hwnd)
{
    return IsVisibleChain(hwnd);
}

BOOL WINAPI IsIconic(HWND hwnd)
{
    Window *w = FindWindowObject(hwnd);
    return w && (w->style & WS_MINIMIZE);
}

BOOL WINAPI IsZoomed(HWND hwnd)
{
    Window *w = FindWindowObject(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}

BOOL WINAPI IsWindowEnabled(HWND hwnd)
{
    Window *w = FindWindowObject(hwnd);
    return w && !(w->style & WS_DISABLED);
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return FALSE;
    bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        SendMessageA(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
        if (!FindWindowObject(hwnd, false))
            return FALSE;
        w->style |= WS_DISABLED;
        HWND focus = GetFocus();
        if (focus && (focus == hwnd || IsChild(hwnd, focus)))
            SetFocus(nullptr);
        SendMessageA(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = w->windowRect;
    if ((w->style & WS_CHILD) && w->parent) {
        Window *p = FindWindowObject(w->parent, false);
        if (p) {
            POINT o = ClientOriginOnScreen(*p);
            OffsetRect(rect, o.x, o.y);
        }
    }
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = RECT{0, 0, w->clientRect.right - w->clientRect.left, w->clientRect.bottom - w->clientRect.top};
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || !point)
        return FALSE;
    POINT o = ClientOriginOnScreen(*w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || !point)
        return FALSE;
    POINT o = ClientOriginOnScreen(*w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count)
{
    POINT a{0, 0}, b{0, 0};
    if (from && from != GetDesktopWindow()) {
        Window *w = FindWindowObject(from);
        if (!w)
            return 0;
        a = ClientOriginOnScreen(*w);
    }
    if (to && to != GetDesktopWindow()) {
        Window *w = FindWindowObject(to);
        if (!w)
            return 0;
        b = ClientOriginOnScreen(*w);
    }
    LONG dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    SetLastError(0);
    return MAKELONG(static_cast<WORD>(static_cast<SHORT>(dx)), static_cast<WORD>(static_cast<SHORT>(dy)));
}

HWND WINAPI ChildWindowFromPoint(HWND parent, POINT point)
{
    Window *w = FindWindowObject(parent);
    if (!w)
        return nullptr;
    RECT client;
    GetClientRect(parent, &client);
    if (!PtInRect(&client, point))
        return nullptr;
    for (HWND child : w->children) {
        Window *c = FindWindowObject(child, false);
        if (c && PtInRect(&c->windowRect, point))
            return child;
    }
    return parent;
}

HWND WINAPI WindowFromPoint(POINT point)
{
    for (HWND top : TopLevelWindows()) {
        Window *w = FindWindowObject(top, false);
        if (!w || !(w->style & WS_VISIBLE) || !PtInRect(&w->windowRect, point))
            continue;
        HWND found = top;
        for (;;) {
            Window *cur = FindWindowObject(found, false);
            POINT local = point;
            ScreenToClient(found, &local);
            HWND next = nullptr;
            for (HWND child : cur->children) {
                Window *c = FindWindowObject(child, false);
                if (c && (c->style & WS_VISIBLE) && PtInRect(&c->windowRect, local)) {
                    next = child;
                    break;
                }
            }
            if (!next)
                return found;
            found = next;
        }
    }
    return nullptr;
}
