// Parents, owners, siblings and enumeration.
#include "user/core/user_state.h"
#include "user/system_classes.h"

#include <algorithm>
#include <strings.h>

using namespace win32::user;

namespace {

LRESULT CALLBACK DesktopProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const SystemClassRegistrar s_desktopClass(WNDCLASSA{0, DesktopProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                    "#32769"});

std::vector<HWND> *SiblingsOf(Window &w)
{
    if ((w.style & WS_CHILD) && w.parent) {
        Window *p = FindWindowObject(w.parent, false);
        return p ? &p->children : nullptr;
    }
    return &TopLevelWindows();
}

void CollectDescendants(HWND hwnd, std::vector<HWND> &out)
{
    Window *w = FindWindowObject(hwnd, false);
    if (!w)
        return;
    for (HWND child : w->children) {
        out.push_back(child);
        CollectDescendants(child, out);
    }
}

bool MatchesClassAndTitle(HWND hwnd, LPCSTR className, LPCSTR title)
{
    Window *w = FindWindowObject(hwnd, false);
    if (!w)
        return false;
    if (className) {
        if (IS_INTRESOURCE(className)) {
            if (FindClass(className, nullptr) != w->cls)
                return false;
        } else if (strcasecmp(w->cls->name.c_str(), className) != 0) {
            return false;
        }
    }
    if (title && strcasecmp(w->text.c_str(), title) != 0)
        return false;
    return true;
}

} // namespace

HWND WINAPI GetDesktopWindow(void)
{
    static HWND desktop = nullptr;
    if (!desktop || !FindWindowObject(desktop, false)) {
        desktop = CreateWindowExA(0, "#32769", "", WS_POPUP | WS_CLIPCHILDREN, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                  GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, nullptr, nullptr);
        if (Window *w = FindWindowObject(desktop, false)) {
            w->style |= WS_VISIBLE;
            auto &tops = TopLevelWindows();
            tops.erase(std::remove(tops.begin(), tops.end(), desktop), tops.end());
        }
    }
    return desktop;
}

HWND WINAPI GetParent(HWND hwnd)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return nullptr;
    if (w->style & WS_CHILD)
        return w->parent;
    if (w->style & WS_POPUP)
        return w->owner;
    return nullptr;
}

HWND WINAPI SetParent(HWND child, HWND newParent)
{
    Window *w = FindWindowObject(child);
    if (!w)
        return nullptr;
    if (newParent && !FindWindowObject(newParent))
        return nullptr;
    if (newParent == GetDesktopWindow())
        newParent = nullptr;
    for (HWND p = newParent; p; p = GetParent(p))
        if (p == child) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
    HWND old = (w->style & WS_CHILD) ? w->parent : nullptr;
    bool wasVisible = IsWindowVisible(child);
    std::vector<HWND> *from = SiblingsOf(*w);
    if (from)
        from->erase(std::remove(from->begin(), from->end(), child), from->end());
    if (newParent) {
        w->parent = newParent;
        w->style |= WS_CHILD;
        FindWindowObject(newParent, false)->children.insert(FindWindowObject(newParent, false)->children.begin(),
                                                            child);
    } else {
        w->parent = nullptr;
        w->style &= ~WS_CHILD;
        TopLevelWindows().insert(TopLevelWindows().begin(), child);
    }
    if (wasVisible)
        InvalidateRect(child, nullptr, TRUE);
    return old ? old : GetDesktopWindow();
}

HWND WINAPI GetAncestor(HWND hwnd, UINT flags)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return nullptr;
    switch (flags) {
    case GA_PARENT:
        return (w->style & WS_CHILD) ? w->parent : GetDesktopWindow();
    case GA_ROOT:
        return TopLevelOf(hwnd);
    case GA_ROOTOWNER: {
        HWND root = TopLevelOf(hwnd);
        for (;;) {
            Window *r = FindWindowObject(root, false);
            if (!r || !r->owner)
                return root;
            root = r->owner;
        }
    }
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND WINAPI GetWindow(HWND hwnd, UINT cmd)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return nullptr;
    std::vector<HWND> *siblings = SiblingsOf(*w);
    switch (cmd) {
    case GW_HWNDFIRST: return siblings && !siblings->empty() ? siblings->front() : nullptr;
    case GW_HWNDLAST: return siblings && !siblings->empty() ? siblings->back() : nullptr;
    case GW_HWNDNEXT:
    case GW_HWNDPREV: {
        if (!siblings)
            return nullptr;
        auto it = std::find(siblings->begin(), siblings->end(), hwnd);
        if (it == siblings->end())
            return nullptr;
        if (cmd == GW_HWNDNEXT)
            return ++it == siblings->end() ? nullptr : *it;
        return it == siblings->begin() ? nullptr : *(--it);
    }
    case GW_OWNER: return (w->style & WS_CHILD) ? nullptr : w->owner;
    case GW_CHILD: return w->children.empty() ? nullptr : w->children.front();
    case GW_ENABLEDPOPUP:
        for (HWND top : TopLevelWindows()) {
            Window *o = FindWindowObject(top, false);
            if (o && o->owner == hwnd && (o->style & WS_VISIBLE) && !(o->style & WS_DISABLED))
                return top;
        }
        return nullptr;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND WINAPI GetTopWindow(HWND hwnd)
{
    if (!hwnd)
        return TopLevelWindows().empty() ? nullptr : TopLevelWindows().front();
    Window *w = FindWindowObject(hwnd);
    return w && !w->children.empty() ? w->children.front() : nullptr;
}

HWND WINAPI GetLastActivePopup(HWND hwnd)
{
    if (!FindWindowObject(hwnd))
        return nullptr;
    HWND active = CurrentThread().active;
    Window *a = FindWindowObject(active, false);
    if (a && a->owner == hwnd)
        return active;
    return hwnd;
}

BOOL WINAPI IsChild(HWND parent, HWND hwnd)
{
    Window *w = FindWindowObject(hwnd, false);
    while (w && (w->style & WS_CHILD) && w->parent) {
        if (w->parent == parent)
            return TRUE;
        w = FindWindowObject(w->parent, false);
    }
    return FALSE;
}

BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam)
{
    if (!parent)
        return EnumWindows(proc, lParam);
    if (!FindWindowObject(parent) || !proc)
        return FALSE;
    std::vector<HWND> all;
    CollectDescendants(parent, all);
    for (HWND h : all)
        if (FindWindowObject(h, false) && !proc(h, lParam))
            return FALSE;
    return TRUE;
}

BOOL WINAPI EnumWindows(WNDENUMPROC proc, LPARAM lParam)
{
    if (!proc)
        return FALSE;
    std::vector<HWND> tops = TopLevelWindows();
    for (HWND h : tops)
        if (FindWindowObject(h, false) && !proc(h, lParam))
            return FALSE;
    return TRUE;
}

BOOL WINAPI EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam)
{
    if (!proc)
        return FALSE;
    std::vector<HWND> tops;
    for (HWND h : TopLevelWindows()) {
        Window *w = FindWindowObject(h, false);
        if (w && w->threadId == threadId)
            tops.push_back(h);
    }
    if (tops.empty())
        return FALSE;
    for (HWND h : tops)
        if (FindWindowObject(h, false) && !proc(h, lParam))
            return FALSE;
    return TRUE;
}

HWND WINAPI FindWindowA(LPCSTR className, LPCSTR title)
{
    for (HWND h : TopLevelWindows())
        if (MatchesClassAndTitle(h, className, title))
            return h;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}

HWND WINAPI FindWindowExA(HWND parent, HWND after, LPCSTR className, LPCSTR title)
{
    if (parent == HWND_MESSAGE)
        return nullptr;
    std::vector<HWND> *list = &TopLevelWindows();
    if (parent && parent != GetDesktopWindow()) {
        Window *p = FindWindowObject(parent);
        if (!p)
            return nullptr;
        list = &p->children;
    }
    auto it = list->begin();
    if (after) {
        it = std::find(list->begin(), list->end(), after);
        if (it == list->end())
            return nullptr;
        ++it;
    }
    for (; it != list->end(); ++it)
        if (MatchesClassAndTitle(*it, className, title))
            return *it;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}

DWORD WINAPI GetWindowThreadProcessId(HWND hwnd, LPDWORD processId)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return 0;
    if (processId)
        *processId = GetCurrentProcessId();
    return w->threadId;
}
