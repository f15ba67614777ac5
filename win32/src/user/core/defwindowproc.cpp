// Default handling of window messages.
#include "user/core/user_state.h"

#include <algorithm>
#include <cstring>

using namespace win32::user;

namespace {

LRESULT OnSetText(Window &w, LPCSTR text)
{
    w.text = text ? text : "";
    if (!(w.style & WS_CHILD) && (w.style & WS_CAPTION) == WS_CAPTION && (w.style & WS_VISIBLE))
        RedrawWindow(w.handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    return TRUE;
}

LRESULT OnGetText(Window &w, WPARAM size, LPSTR buffer)
{
    if (!buffer || size == 0)
        return 0;
    size_t n = std::min<size_t>(w.text.size(), size - 1);
    memcpy(buffer, w.text.data(), n);
    buffer[n] = 0;
    return static_cast<LRESULT>(n);
}

LRESULT OnEraseBackground(Window &w, HDC dc)
{
    HBRUSH brush = w.cls->background;
    if (!brush)
        return 0;
    RECT r;
    GetClientRect(w.handle, &r);
    FillRect(dc, &r, brush);
    return 1;
}

LRESULT OnCtlColor(UINT msg, HDC dc)
{
    bool window = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(window ? COLOR_WINDOW : COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(window ? COLOR_WINDOW : COLOR_BTNFACE));
}

void OnWindowPosChanged(Window &w, const WINDOWPOS *pos)
{
    if (!pos)
        return;
    HWND hwnd = w.handle;
    if (!(pos->flags & SWP_NOMOVE))
        SendMessageA(hwnd, WM_MOVE, 0,
                     MAKELPARAM(w.windowRect.left + w.clientRect.left, w.windowRect.top + w.clientRect.top));
    Window *after = FindWindowObject(hwnd, false);
    if (after && !(pos->flags & SWP_NOSIZE)) {
        WPARAM kind = (after->style & WS_MINIMIZE) ? SIZE_MINIMIZED : (after->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                                                                    : SIZE_RESTORED;
        SendMessageA(hwnd, WM_SIZE, kind,
                     MAKELPARAM(after->clientRect.right - after->clientRect.left,
                                after->clientRect.bottom - after->clientRect.top));
    }
}

HWND ParentOrOwner(const Window &w)
{
    return (w.style & WS_CHILD) ? w.parent : w.owner;
}

} // namespace

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto *cs = reinterpret_cast<CREATESTRUCTA *>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName) && static_cast<unsigned char>(cs->lpszName[0]) != 0xFF)
            w->text = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE:
        return 0;
    case WM_SETTEXT:
        return OnSetText(*w, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT:
        return OnGetText(*w, wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (BeginPaint(hwnd, &ps))
            EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return OnEraseBackground(*w, reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT:
        PaintNonClient(hwnd);
        return 0;
    case WM_NCACTIVATE:
        if (w->style & WS_VISIBLE)
            PaintNonClient(hwnd);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            SendMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (lParam & 0x20000000)) {
            HWND top = TopLevelOf(hwnd);
            PostMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(hwnd))
            SetFocus(hwnd);
        return 0;
    case WM_MOUSEACTIVATE:
        return 1; // MA_ACTIVATE
    case WM_SETCURSOR:
        return FALSE;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return OnCtlColor(msg, reinterpret_cast<HDC>(wParam));
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(*w, reinterpret_cast<const WINDOWPOS *>(lParam));
        return 0;
    case WM_HELP:
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL: {
        HWND up = msg == WM_HELP ? ParentOrOwner(*w) : ((w->style & WS_CHILD) ? w->parent : nullptr);
        return up ? SendMessageA(up, msg, wParam, lParam) : 0;
    }
    case WM_GETMINMAXINFO:
    case WM_SHOWWINDOW:
    case WM_PARENTNOTIFY:
    case WM_GETDLGCODE:
    case WM_QUERYUISTATE:
    default:
        return 0;
    }
}
