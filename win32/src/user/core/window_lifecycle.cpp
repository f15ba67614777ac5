// Creating and destroying windows, with the messages the platform sends on the way.
#include "user/core/user_state.h"

#include <algorithm>
#include <cstring>

namespace win32::user {

namespace {

int s_nextDefaultPosition = 0;

void LinkWindow(Window &w)
{
    if ((w.style & WS_CHILD) && w.parent) {
        // A new child goes to the bottom of its siblings: creation order is tab order.
        FindWindowObject(w.parent, false)->children.push_back(w.handle);
    } else {
        auto &tops = TopLevelWindows();
        tops.insert(tops.begin(), w.handle);
    }
}

void UnlinkWindow(Window &w)
{
    std::vector<HWND> *list = &TopLevelWindows();
    if ((w.style & WS_CHILD) && w.parent) {
        if (Window *p = FindWindowObject(w.parent, false))
            list = &p->children;
    }
    list->erase(std::remove(list->begin(), list->end(), w.handle), list->end());
}

void SendNcDestroyTree(HWND hwnd)
{
    Window *w = FindWindowObject(hwnd, false);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND child : children)
        SendNcDestroyTree(child);
    w = FindWindowObject(hwnd, false);
    if (!w)
        return;
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    w = FindWindowObject(hwnd, false);
    if (!w)
        return;
    RemoveWindowMessages(hwnd);
    DropTimersOf(hwnd);
    ClipboardWindowDestroyed(hwnd);
    ReleaseSurface(*w);
    ThreadState &ts = CurrentThread();
    if (ts.capture == hwnd)
        ts.capture = nullptr;
    if (ts.focus == hwnd)
        ts.focus = nullptr;
    if (ts.active == hwnd)
        ts.active = nullptr;
    UnlinkWindow(*w);
    FreeWindow(hwnd);
}

void SendDestroyTree(HWND hwnd)
{
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    Window *w = FindWindowObject(hwnd, false);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) {
        if (Window *c = FindWindowObject(child, false)) {
            c->destroying = true;
            SendDestroyTree(child);
        }
    }
}

} // namespace

} // namespace win32::user

using namespace win32::user;

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                            int height, HWND parentHandle, HMENU menu, HINSTANCE instance, LPVOID param)
{
    WindowClass *cls = FindClass(className, instance);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (parentHandle == HWND_MESSAGE)
        parentHandle = nullptr;
    if (parentHandle && !FindWindowObject(parentHandle)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if ((style & WS_CHILD) && !parentHandle) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    Window *w = AllocateWindow();
    if (!w) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    HWND hwnd = w->handle;
    w->cls = cls;
    w->proc = cls->proc;
    w->style = style;
    w->exStyle = exStyle;
    w->instance = instance;
    w->threadId = GetCurrentThreadId();
    w->extra.assign(static_cast<size_t>(cls->wndExtra), 0);
    if (style & WS_CHILD) {
        w->parent = parentHandle;
        w->id = reinterpret_cast<UINT_PTR>(menu);
    } else {
        w->owner = parentHandle ? TopLevelOf(parentHandle) : nullptr;
        w->id = reinterpret_cast<UINT_PTR>(menu);
        if (!(style & WS_POPUP))
            w->style |= WS_CLIPSIBLINGS | WS_CAPTION; // overlapped windows always have a caption
    }
    if (exStyle & WS_EX_DLGMODALFRAME)
        w->exStyle |= WS_EX_WINDOWEDGE;

    bool overlapped = !(style & (WS_CHILD | WS_POPUP));
    if (x == CW_USEDEFAULT) {
        if (overlapped) {
            x = y = 32 + 24 * (s_nextDefaultPosition++ % 8);
        } else {
            x = y = 0;
        }
    }
    if (width == CW_USEDEFAULT) {
        if (overlapped) {
            width = 640;
            height = 480;
        } else {
            width = height = 0;
        }
    }
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    w->windowRect = RECT{x, y, x + width, y + height};
    LinkWindow(*w);
    bool visible = (w->style & WS_VISIBLE) != 0;
    w->style &= ~WS_VISIBLE;

    CREATESTRUCTA cs{};
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parentHandle;
    cs.cy = height;
    cs.cx = width;
    cs.y = y;
    cs.x = x;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        if (FindWindowObject(hwnd, false))
            SendNcDestroyTree(hwnd);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    w = FindWindowObject(hwnd, false);
    if (!w)
        return nullptr;
    w->created = true;
    ComputeClientRect(*w);
    if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    w = FindWindowObject(hwnd, false);
    if (!w)
        return nullptr;
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(w->clientRect.right - w->clientRect.left, w->clientRect.bottom - w->clientRect.top));
    w = FindWindowObject(hwnd, false);
    if (!w)
        return nullptr;
    SendMessageA(hwnd, WM_MOVE, 0,
                 MAKELPARAM(w->windowRect.left + w->clientRect.left, w->windowRect.top + w->clientRect.top));
    w = FindWindowObject(hwnd, false);
    if (!w)
        return nullptr;
    if ((w->style & WS_CHILD) && !(w->exStyle & WS_EX_NOPARENTNOTIFY) && w->parent)
        SendMessageA(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, w->id), reinterpret_cast<LPARAM>(hwnd));
    if (visible && FindWindowObject(hwnd, false))
        ShowWindow(hwnd, SW_SHOW);
    return FindWindowObject(hwnd, false) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return FALSE;
    if (w->destroying)
        return TRUE;
    w->destroying = true;
    bool child = (w->style & WS_CHILD) != 0;
    if (child && !(w->exStyle & WS_EX_NOPARENTNOTIFY) && w->parent)
        SendMessageA(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, w->id), reinterpret_cast<LPARAM>(hwnd));

    if (!child) {
        // Owned windows go first.
        std::vector<HWND> owned;
        for (HWND top : TopLevelWindows()) {
            Window *o = FindWindowObject(top, false);
            if (o && o->owner == hwnd)
                owned.push_back(top);
        }
        for (HWND o : owned)
            DestroyWindow(o);
    }
    if (!FindWindowObject(hwnd, false))
        return TRUE;
    if (IsWindowVisible(hwnd))
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    FocusWindowDestroyed(hwnd);
    if (!child)
        ActivateAfterHideOrDestroy(hwnd);
    if (!FindWindowObject(hwnd, false))
        return TRUE;
    SendDestroyTree(hwnd);
    if (FindWindowObject(hwnd, false))
        SendNcDestroyTree(hwnd);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hwnd)
{
    return FindWindowObject(hwnd, false) != nullptr;
}

LONG WINAPI GetWindowLongA(HWND hwnd, int index)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return 0;
    switch (index) {
    case GWL_WNDPROC: return static_cast<LONG>(reinterpret_cast<uintptr_t>(w->proc));
    case GWL_HINSTANCE: return static_cast<LONG>(reinterpret_cast<uintptr_t>(w->instance));
    case GWL_HWNDPARENT:
        return static_cast<LONG>(reinterpret_cast<uintptr_t>((w->style & WS_CHILD) ? w->parent : w->owner));
    case GWL_STYLE: return static_cast<LONG>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG>(w->exStyle);
    case GWL_USERDATA: return w->userData;
    case GWL_ID: return static_cast<LONG>(w->id);
    default:
        if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= w->extra.size()) {
            LONG v;
            memcpy(&v, w->extra.data() + index, sizeof v);
            return v;
        }
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
}

LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG value)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return 0;
    LONG old = 0;
    switch (index) {
    case GWL_WNDPROC:
        old = static_cast<LONG>(reinterpret_cast<uintptr_t>(w->proc));
        w->proc = reinterpret_cast<WNDPROC>(static_cast<uintptr_t>(static_cast<ULONG>(value)));
        return old;
    case GWL_HINSTANCE:
        old = static_cast<LONG>(reinterpret_cast<uintptr_t>(w->instance));
        w->instance = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(static_cast<ULONG>(value)));
        return old;
    case GWL_HWNDPARENT:
        if (w->style & WS_CHILD) {
            old = static_cast<LONG>(reinterpret_cast<uintptr_t>(w->parent));
            SetParent(hwnd, reinterpret_cast<HWND>(static_cast<uintptr_t>(static_cast<ULONG>(value))));
        } else {
            old = static_cast<LONG>(reinterpret_cast<uintptr_t>(w->owner));
            w->owner = reinterpret_cast<HWND>(static_cast<uintptr_t>(static_cast<ULONG>(value)));
        }
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        DWORD &field = index == GWL_STYLE ? w->style : w->exStyle;
        STYLESTRUCT ss{field, static_cast<DWORD>(value)};
        SendMessageA(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
        w = FindWindowObject(hwnd, false);
        if (!w)
            return 0;
        DWORD &f = index == GWL_STYLE ? w->style : w->exStyle;
        old = static_cast<LONG>(f);
        f = ss.styleNew;
        SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
        return old;
    }
    case GWL_USERDATA:
        old = w->userData;
        w->userData = value;
        return old;
    case GWL_ID:
        old = static_cast<LONG>(w->id);
        w->id = static_cast<UINT_PTR>(static_cast<ULONG>(value));
        return old;
    default:
        if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= w->extra.size()) {
            memcpy(&old, w->extra.data() + index, sizeof old);
            memcpy(w->extra.data() + index, &value, sizeof value);
            return old;
        }
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
}

WORD WINAPI GetWindowWord(HWND hwnd, int index)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return 0;
    if (index >= 0 && static_cast<size_t>(index) + sizeof(WORD) <= w->extra.size()) {
        WORD v;
        memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

int WINAPI GetWindowTextA(HWND hwnd, LPSTR buffer, int max)
{
    if (!FindWindowObject(hwnd) || !buffer || max <= 0)
        return 0;
    buffer[0] = 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(max), reinterpret_cast<LPARAM>(buffer)));
}

int WINAPI GetWindowTextLengthA(HWND hwnd)
{
    if (!FindWindowObject(hwnd))
        return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text)
{
    if (!FindWindowObject(hwnd))
        return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

namespace {
std::string PropKey(LPCSTR name)
{
    if (IS_INTRESOURCE(name))
        return "#" + std::to_string(reinterpret_cast<uintptr_t>(name));
    std::string key = name ? name : "";
    for (auto &c : key)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return key;
}
} // namespace

BOOL WINAPI SetPropA(HWND hwnd, LPCSTR name, HANDLE data)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || !name)
        return FALSE;
    w->props[PropKey(name)] = data;
    return TRUE;
}

HANDLE WINAPI GetPropA(HWND hwnd, LPCSTR name)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || !name)
        return nullptr;
    auto it = w->props.find(PropKey(name));
    return it == w->props.end() ? nullptr : it->second;
}

HANDLE WINAPI RemovePropA(HWND hwnd, LPCSTR name)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || !name)
        return nullptr;
    auto it = w->props.find(PropKey(name));
    if (it == w->props.end())
        return nullptr;
    HANDLE h = it->second;
    w->props.erase(it);
    return h;
}

HMENU WINAPI GetMenu(HWND hwnd)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || (w->style & WS_CHILD))
        return nullptr;
    return reinterpret_cast<HMENU>(w->id);
}

HMENU WINAPI GetSystemMenu(HWND hwnd, BOOL revert)
{
    return nullptr;
}
