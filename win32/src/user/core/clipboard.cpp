// The clipboard: formats held as global memory handles, owner and opener, and the viewer chain.
#include "user/core/user_state.h"

#include <map>

using namespace win32::user;

namespace {

struct Clipboard {
    HWND opener = nullptr;
    bool open = false;
    HWND owner = nullptr;
    HWND viewer = nullptr; // first window of the viewer chain
    std::map<UINT, HANDLE> formats;
    DWORD sequence = 1;
    bool changed = false; // emptied or set since it was opened
};

Clipboard &State()
{
    static Clipboard clipboard;
    return clipboard;
}

void FreeFormats(Clipboard &c)
{
    for (auto &[format, handle] : c.formats)
        if (handle)
            GlobalFree(handle);
    c.formats.clear();
}

} // namespace

namespace win32::user {

void ClipboardWindowDestroyed(HWND hwnd)
{
    Clipboard &c = State();
    if (c.open && c.opener == hwnd)
        c.opener = nullptr;
    if (c.owner == hwnd)
        c.owner = nullptr;
    if (c.viewer == hwnd)
        c.viewer = nullptr; // a viewer that forgot to leave the chain breaks it, as on the platform
}

} // namespace win32::user

BOOL WINAPI OpenClipboard(HWND hwnd)
{
    Clipboard &c = State();
    if (hwnd && !FindWindowObject(hwnd))
        return FALSE;
    if (c.open && c.opener != hwnd) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    c.open = true;
    c.opener = hwnd;
    c.changed = false;
    return TRUE;
}

BOOL WINAPI CloseClipboard(void)
{
    Clipboard &c = State();
    if (!c.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    c.open = false;
    c.opener = nullptr;
    if (c.changed) {
        c.changed = false;
        if (c.viewer && FindWindowObject(c.viewer, false))
            SendMessageA(c.viewer, WM_DRAWCLIPBOARD, 0, 0);
    }
    return TRUE;
}

BOOL WINAPI EmptyClipboard(void)
{
    Clipboard &c = State();
    if (!c.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    if (c.owner && c.owner != c.opener && FindWindowObject(c.owner, false))
        SendMessageA(c.owner, WM_DESTROYCLIPBOARD, 0, 0);
    FreeFormats(c);
    c.owner = c.opener;
    c.changed = true;
    ++c.sequence;
    return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT format, HANDLE memory)
{
    Clipboard &c = State();
    if (!c.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    auto it = c.formats.find(format);
    if (it != c.formats.end() && it->second && it->second != memory)
        GlobalFree(it->second);
    c.formats[format] = memory;
    c.changed = true;
    ++c.sequence;
    return memory;
}

HANDLE WINAPI GetClipboardData(UINT format)
{
    Clipboard &c = State();
    if (!c.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    auto it = c.formats.find(format);
    if (it != c.formats.end())
        return it->second;
    return nullptr;
}

BOOL WINAPI IsClipboardFormatAvailable(UINT format)
{
    Clipboard &c = State();
    return c.formats.count(format) != 0;
}

int WINAPI CountClipboardFormats(void)
{
    return static_cast<int>(State().formats.size());
}

UINT WINAPI EnumClipboardFormats(UINT format)
{
    Clipboard &c = State();
    if (!c.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return 0;
    }
    auto it = format == 0 ? c.formats.begin() : c.formats.upper_bound(format);
    SetLastError(ERROR_SUCCESS);
    return it == c.formats.end() ? 0 : it->first;
}

HWND WINAPI GetClipboardOwner(void)
{
    return State().owner;
}

HWND WINAPI GetOpenClipboardWindow(void)
{
    Clipboard &c = State();
    return c.open ? c.opener : nullptr;
}

HWND WINAPI SetClipboardViewer(HWND hwnd)
{
    Clipboard &c = State();
    if (!FindWindowObject(hwnd))
        return nullptr;
    HWND next = c.viewer;
    c.viewer = hwnd;
    // A new viewer is told of the current contents at once.
    SendMessageA(hwnd, WM_DRAWCLIPBOARD, 0, 0);
    return next;
}

HWND WINAPI GetClipboardViewer(void)
{
    return State().viewer;
}

BOOL WINAPI ChangeClipboardChain(HWND remove, HWND next)
{
    Clipboard &c = State();
    if (!c.viewer)
        return FALSE;
    if (c.viewer == remove) {
        c.viewer = next;
        return TRUE;
    }
    if (FindWindowObject(c.viewer, false))
        SendMessageA(c.viewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(remove), reinterpret_cast<LPARAM>(next));
    return TRUE;
}

DWORD WINAPI GetClipboardSequenceNumber(void)
{
    return State().sequence;
}
