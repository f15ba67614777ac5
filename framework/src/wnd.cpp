// CWnd: handle maps, attaching and subclassing, creation and destruction.
#include "framework/wnd.h"

#include <new>

#include "framework/module_state.h"

#include "handle_map.h"
#include "window_creation.h"

using fw::detail::WindowHandleMap;

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd() {
    if (m_hWnd == nullptr)
        return;
    HWND hwnd = m_hWnd;
    const BOOL owned = m_bOwnsWindow;
    // Hand the window back before destroying it, so that no message reaches a half-destroyed
    // object.
    if (WindowHandleMap().LookupPermanent(hwnd) == this)
        UnsubclassWindow();
    m_hWnd = nullptr;
    if (owned && ::IsWindow(hwnd))
        ::DestroyWindow(hwnd);
}

CWnd *CWnd::FromHandle(HWND hwnd) {
    if (hwnd == nullptr)
        return nullptr;
    if (CWnd *wnd = FromHandlePermanent(hwnd))
        return wnd;
    try {
        return WindowHandleMap().Temporary(hwnd);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

CWnd *CWnd::FromHandleOfClass(HWND hwnd, const CRuntimeClass *cls) {
    if (hwnd == nullptr || cls == nullptr)
        return nullptr;
    if (CWnd *wnd = FromHandlePermanent(hwnd))
        return wnd->IsKindOf(cls) ? wnd : nullptr;
    try {
        return WindowHandleMap().TemporaryOfClass(hwnd, cls);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

CWnd *CWnd::FromHandlePermanent(HWND hwnd) {
    return hwnd != nullptr ? WindowHandleMap().LookupPermanent(hwnd) : nullptr;
}

void CWnd::DeleteTempMap() { WindowHandleMap().DeleteTemporaries(); }

int CWnd::GetTempMapCount() { return WindowHandleMap().TemporaryCount(); }

BOOL CWnd::Attach(HWND hwnd) {
    if (hwnd == nullptr || m_hWnd != nullptr || !::IsWindow(hwnd) || FromHandlePermanent(hwnd) != nullptr)
        return FALSE;
    try {
        WindowHandleMap().SetPermanent(hwnd, this);
    } catch (const std::bad_alloc &) {
        return FALSE;
    }
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    if (hwnd != nullptr && WindowHandleMap().LookupPermanent(hwnd) == this)
        WindowHandleMap().RemovePermanent(hwnd);
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!Attach(hwnd))
        return FALSE;
    SetLastError(0);
    auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG>(&FrameworkWndProc)));
    if (previous == nullptr && GetLastError() != 0) {
        Detach();
        return FALSE;
    }
    // A window of the framework's own class already runs FrameworkWndProc; its default
    // processing is DefWindowProcA.
    m_pfnSuper = previous == &FrameworkWndProc ? nullptr : previous;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd *parent) {
    if (parent == nullptr || parent->m_hWnd == nullptr)
        return FALSE;
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control != nullptr && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr && ::IsWindow(m_hWnd))
        SetWindowLongA(m_hWnd, GWL_WNDPROC, reinterpret_cast<LONG>(m_pfnSuper));
    m_pfnSuper = nullptr;
    m_bOwnsWindow = FALSE;
    return Detach();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT &cs) {
    if (cs.lpszClass == nullptr)
        cs.lpszClass = fw::detail::FrameworkWindowClass();
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, LPVOID param) {
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCT cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(style);
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = FrameworkGetInstanceHandle();
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs))
        return FALSE;

    HWND hwnd = nullptr;
    {
        fw::detail::PendingCreation pending(this);
        hwnd = CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                               cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    }
    if (hwnd == nullptr) {
        // The window may have been attached during a creation that then failed.
        if (m_hWnd != nullptr)
            Detach();
        return FALSE;
    }
    // A window of another class never ran our procedure during creation: subclass it now.
    if (m_hWnd == nullptr && !SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
        return FALSE;
    }
    m_bOwnsWindow = TRUE;
    return m_hWnd == hwnd;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT &rect, CWnd *parent,
                    UINT id, LPVOID param) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent != nullptr ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT &rect, CWnd *parent, UINT id) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::DestroyWindow() {
    HWND hwnd = m_hWnd;
    if (hwnd == nullptr)
        return FALSE;
    const bool permanent = WindowHandleMap().LookupPermanent(hwnd) == this;
    const BOOL destroyed = ::DestroyWindow(hwnd);
    if (!destroyed)
        return FALSE;
    if (!permanent) {
        // A temporary object: nothing else will clear the handle.
        m_hWnd = nullptr;
    } else if (WindowHandleMap().LookupPermanent(hwnd) == this) {
        // Attached without subclassing: WM_NCDESTROY never reached us. (A subclassed window was
        // detached in WM_NCDESTROY and PostNcDestroy may have deleted the object: not touched.)
        m_pfnSuper = nullptr;
        m_bOwnsWindow = FALSE;
        Detach();
    }
    return TRUE;
}

void CWnd::PostNcDestroy() {}
