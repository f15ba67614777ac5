// Painting: update regions (kept as rectangles), window surfaces, window DCs and PrintWindow.
#include "gdi/gdi_internal.h"
#include "user/core/user_state.h"

#include <algorithm>
#include <set>

namespace win32::user {

namespace {

std::set<HDC> &WindowDCs()
{
    static std::set<HDC> dcs;
    return dcs;
}

bool EnsureSurface(Window &top)
{
    int width = std::max<LONG>(1, top.windowRect.right - top.windowRect.left);
    int height = std::max<LONG>(1, top.windowRect.bottom - top.windowRect.top);
    if (top.surface && top.surfaceWidth == width && top.surfaceHeight == height)
        return true;
    ReleaseSurface(top);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    top.surface = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!top.surface)
        return false;
    top.surfaceWidth = width;
    top.surfaceHeight = height;
    return true;
}

// The window's area in its top-level window's surface coordinates, clipped by every ancestor's client area.
struct SurfacePlacement {
    Window *top = nullptr;
    POINT origin{};
    RECT clip{};
};

RECT ScreenWindowRect(const Window &w)
{
    RECT r = w.windowRect;
    if ((w.style & WS_CHILD) && w.parent)
        if (const Window *p = FindWindowObject(w.parent, false)) {
            POINT o = ClientOriginOnScreen(*p);
            OffsetRect(&r, o.x, o.y);
        }
    return r;
}

RECT ScreenClientRect(const Window &w)
{
    POINT o = ClientOriginOnScreen(w);
    return RECT{o.x, o.y, o.x + w.clientRect.right - w.clientRect.left, o.y + w.clientRect.bottom - w.clientRect.top};
}

bool Place(HWND hwnd, bool wholeWindow, SurfacePlacement &out)
{
    Window *w = FindWindowObject(hwnd, false);
    if (!w)
        return false;
    Window *top = FindWindowObject(TopLevelOf(hwnd), false);
    if (!top || !EnsureSurface(*top))
        return false;
    RECT area = wholeWindow ? ScreenWindowRect(*w) : ScreenClientRect(*w);
    RECT clip = area;
    for (const Window *cur = w; (cur->style & WS_CHILD) && cur->parent;) {
        const Window *p = FindWindowObject(cur->parent, false);
        if (!p)
            break;
        RECT parentClient = ScreenClientRect(*p);
        IntersectRect(&clip, &clip, &parentClient);
        cur = p;
    }
    OffsetRect(&clip, -top->windowRect.left, -top->windowRect.top);
    RECT surfaceRect{0, 0, top->surfaceWidth, top->surfaceHeight};
    IntersectRect(&clip, &clip, &surfaceRect);
    out.top = top;
    out.origin = POINT{area.left - top->windowRect.left, area.top - top->windowRect.top};
    out.clip = clip;
    return true;
}

HDC MakeDC(HWND hwnd, bool wholeWindow, const RECT *limit)
{
    SurfacePlacement place;
    if (!Place(hwnd, wholeWindow, place))
        return nullptr;
    RECT clip = place.clip;
    if (limit) {
        RECT l = *limit;
        OffsetRect(&l, place.origin.x, place.origin.y);
        IntersectRect(&clip, &clip, &l);
    }
    HDC dc = gdi::CreateSurfaceDC(place.top->surface, place.origin.x, place.origin.y, clip);
    if (dc)
        WindowDCs().insert(dc);
    return dc;
}

RECT ClientBounds(const Window &w)
{
    return RECT{0, 0, w.clientRect.right - w.clientRect.left, w.clientRect.bottom - w.clientRect.top};
}

void AddUpdate(Window &w, const RECT *rect, bool erase)
{
    RECT bounds = ClientBounds(w);
    RECT r = rect ? *rect : bounds;
    IntersectRect(&r, &r, &bounds);
    if (IsRectEmpty(&r))
        return;
    if (IsRectEmpty(&w.update))
        w.update = r;
    else
        UnionRect(&w.update, &w.update, &r);
    if (erase)
        w.erase = true;
}

void Invalidate(HWND hwnd, const RECT *rect, UINT flags)
{
    Window *w = FindWindowObject(hwnd, false);
    if (!w)
        return;
    if (flags & RDW_INVALIDATE) {
        AddUpdate(*w, rect, (flags & RDW_ERASE) != 0);
        if (flags & RDW_FRAME)
            w->frameDirty = true;
    }
    if (flags & RDW_VALIDATE) {
        if (!rect)
            w->update = RECT{};
        else {
            RECT inside;
            if (IntersectRect(&inside, &w->update, rect) && EqualRect(&inside, &w->update))
                w->update = RECT{};
        }
        if (IsRectEmpty(&w->update))
            w->erase = false;
        if (flags & RDW_NOFRAME)
            w->frameDirty = false;
    }
    bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (!children)
        return;
    RECT area = rect ? *rect : ClientBounds(*w);
    std::vector<HWND> kids = w->children;
    for (HWND child : kids) {
        Window *c = FindWindowObject(child, false);
        if (!c || !(c->style & WS_VISIBLE))
            continue;
        RECT overlap;
        if (!IntersectRect(&overlap, &area, &c->windowRect))
            continue;
        // Into the child's client coordinates.
        OffsetRect(&overlap, -(c->windowRect.left + c->clientRect.left), -(c->windowRect.top + c->clientRect.top));
        if (flags & RDW_INVALIDATE)
            c->frameDirty = true;
        Invalidate(child, &overlap, flags | RDW_FRAME);
    }
}

void PaintNow(HWND hwnd, bool force)
{
    Window *w = FindWindowObject(hwnd, false);
    if (!w || (!force && !IsVisibleChain(hwnd)))
        return;
    if (w->frameDirty) {
        w->frameDirty = false;
        SendMessageA(hwnd, WM_NCPAINT, 1, 0);
    }
    w = FindWindowObject(hwnd, false);
    if (w && !IsRectEmpty(&w->update)) {
        SendMessageA(hwnd, WM_PAINT, 0, 0);
        w = FindWindowObject(hwnd, false);
        if (w && !IsRectEmpty(&w->update))
            ValidateRect(hwnd, nullptr);
    }
    w = FindWindowObject(hwnd, false);
    if (!w)
        return;
    std::vector<HWND> kids = w->children;
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Window *c = FindWindowObject(*it, false);
        if (c && (c->style & WS_VISIBLE))
            PaintNow(*it, false);
    }
}

bool FindPending(HWND hwnd, HWND *found)
{
    Window *w = FindWindowObject(hwnd, false);
    if (!w || !(w->style & WS_VISIBLE))
        return false;
    if (!IsRectEmpty(&w->update)) {
        *found = hwnd;
        return true;
    }
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
        if (FindPending(*it, found))
            return true;
    return false;
}

} // namespace

void ReleaseSurface(Window &w)
{
    if (w.surface) {
        DeleteObject(w.surface);
        w.surface = nullptr;
        w.surfaceWidth = w.surfaceHeight = 0;
    }
}

bool HasPendingPaint(DWORD threadId, HWND filter, HWND *found)
{
    if (filter) {
        if (!IsVisibleChain(filter))
            return false;
        return FindPending(filter, found);
    }
    for (HWND top : TopLevelWindows()) {
        Window *w = FindWindowObject(top, false);
        if (w && w->threadId == threadId && FindPending(top, found))
            return true;
    }
    return false;
}

} // namespace win32::user

using namespace win32::user;

HDC WINAPI GetDC(HWND hwnd)
{
    if (!hwnd)
        hwnd = GetDesktopWindow();
    if (!FindWindowObject(hwnd))
        return nullptr;
    return MakeDC(hwnd, false, nullptr);
}

HDC WINAPI GetWindowDC(HWND hwnd)
{
    if (!hwnd)
        hwnd = GetDesktopWindow();
    if (!FindWindowObject(hwnd))
        return nullptr;
    return MakeDC(hwnd, true, nullptr);
}

int WINAPI ReleaseDC(HWND hwnd, HDC dc)
{
    auto &dcs = WindowDCs();
    auto it = dcs.find(dc);
    if (it == dcs.end())
        return 0;
    dcs.erase(it);
    win32::gdi::DeleteSurfaceDC(dc);
    return 1;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT ps)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || !ps)
        return nullptr;
    if (w->frameDirty) {
        w->frameDirty = false;
        SendMessageA(hwnd, WM_NCPAINT, 1, 0);
        w = FindWindowObject(hwnd, false);
        if (!w)
            return nullptr;
    }
    RECT update = w->update;
    bool erase = w->erase;
    w->update = RECT{};
    w->erase = false;
    *ps = PAINTSTRUCT{};
    ps->rcPaint = update;
    ps->hdc = MakeDC(hwnd, false, &update);
    if (!ps->hdc)
        return nullptr;
    ps->fErase = TRUE;
    if (erase && !IsRectEmpty(&update))
        ps->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) ? FALSE : TRUE;
    return ps->hdc;
}

BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT *ps)
{
    if (!ps)
        return FALSE;
    ReleaseDC(hwnd, ps->hdc);
    return TRUE;
}

BOOL WINAPI RedrawWindow(HWND hwnd, const RECT *rect, HRGN region, UINT flags)
{
    if (!hwnd) {
        std::vector<HWND> tops = TopLevelWindows();
        for (HWND top : tops)
            RedrawWindow(top, rect, region, flags | RDW_ALLCHILDREN);
        return TRUE;
    }
    if (!FindWindowObject(hwnd))
        return FALSE;
    RECT area;
    if (region && !rect && GetRgnBox(region, &area) != ERROR)
        rect = &area;
    Invalidate(hwnd, rect, flags);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW))
        PaintNow(hwnd, false);
    return TRUE;
}

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT *rect, BOOL erase)
{
    if (hwnd && !FindWindowObject(hwnd))
        return FALSE;
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT *rect)
{
    if (hwnd && !FindWindowObject(hwnd))
        return FALSE;
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return FALSE;
    if (rect)
        *rect = w->update;
    bool pending = !IsRectEmpty(&w->update);
    if (pending && erase && w->erase) {
        HDC dc = GetDC(hwnd);
        w->erase = false;
        SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ReleaseDC(hwnd, dc);
    }
    return pending;
}

BOOL WINAPI UpdateWindow(HWND hwnd)
{
    if (!FindWindowObject(hwnd))
        return FALSE;
    PaintNow(hwnd, false);
    return TRUE;
}

BOOL WINAPI PrintWindow(HWND hwnd, HDC target, UINT flags)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || !target)
        return FALSE;
    // Repaint everything the window shows into its surface, hidden or not, then copy it out.
    Invalidate(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    PaintNow(hwnd, true);
    w = FindWindowObject(hwnd, false);
    if (!w)
        return FALSE;
    bool clientOnly = (flags & PW_CLIENTONLY) != 0;
    HDC source = MakeDC(hwnd, !clientOnly, nullptr);
    if (!source)
        return FALSE;
    int width = clientOnly ? w->clientRect.right - w->clientRect.left : w->windowRect.right - w->windowRect.left;
    int height = clientOnly ? w->clientRect.bottom - w->clientRect.top : w->windowRect.bottom - w->windowRect.top;
    BOOL ok = BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, source);
    return ok;
}
