// CWnd message processing: the framework window procedure, the message-map dispatch, command
// routing, reflection of control notifications and pre-translation.
#include <windows.h>

#include "framework/data_exchange.h"
#include "framework/wnd.h"
#include "handle_map.h"
#include "window_creation.h"

using fw::detail::WindowHandleMap;

namespace {

// The window a reflectable message concerns, or nullptr when it is not reflected.
HWND ReflectionTarget(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM: {
        auto *item = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
        return item != nullptr && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        auto *item = reinterpret_cast<const MEASUREITEMSTRUCT *>(lParam);
        return item != nullptr && item->CtlType != ODT_MENU ? ::GetDlgItem(parent, static_cast<int>(item->CtlID))
                                                             : nullptr;
    }
    case WM_COMPAREITEM: {
        auto *item = reinterpret_cast<const COMPAREITEMSTRUCT *>(lParam);
        return item != nullptr ? item->hwndItem : nullptr;
    }
    case WM_DELETEITEM: {
        auto *item = reinterpret_cast<const DELETEITEMSTRUCT *>(lParam);
        return item != nullptr ? item->hwndItem : nullptr;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    default:
        return nullptr;
    }
}

} // namespace

LRESULT CALLBACK FrameworkWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd *wnd = CWnd::FromHandlePermanent(hwnd);
    if (wnd == nullptr) {
        wnd = fw::detail::TakePendingCreation();
        if (wnd == nullptr || !wnd->Attach(hwnd))
            return DefWindowProcA(hwnd, message, wParam, lParam);
        wnd->m_pfnSuper = nullptr;
    }

    LRESULT result = 0;
    {
        fw::detail::CurrentMessageScope scope(hwnd, message, wParam, lParam);
        try {
            result = wnd->WindowProc(message, wParam, lParam);
        } catch (...) {
            // Nothing may unwind into the window system; the message counts as handled.
            result = 0;
        }
    }

    if (message == WM_NCDESTROY && WindowHandleMap().LookupPermanent(hwnd) == wnd) {
        // The window is gone: unbind the object, then let it clean up (it may delete itself).
        wnd->m_pfnSuper = nullptr;
        wnd->m_bOwnsWindow = FALSE;
        wnd->Detach();
        wnd->PostNcDestroy();
    }
    return result;
}

const MSG *CWnd::GetCurrentMessage() { return fw::detail::CurrentMessageScope::Current(); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr)
        return 0;
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG *current = GetCurrentMessage();
    if (current == nullptr || current->hwnd != m_hWnd)
        return 0;
    return DefWindowProc(current->message, current->wParam, current->lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result) {
    LRESULT answer = 0;
    switch (message) {
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *result = 0;
        return TRUE;
    case WM_NOTIFY:
        if (!OnNotify(wParam, lParam, &answer))
            return FALSE;
        *result = answer;
        return TRUE;
    default:
        if (ReflectToChild(message, wParam, lParam, &answer)) {
            *result = answer;
            return TRUE;
        }
        break;
    }

    const FwMessageMapEntry *entry = FindMessageEntry(message, 0, 0);
    if (entry == nullptr)
        return FALSE;
    FwMessageCall call{message, wParam, lParam, 0, 0, nullptr, 0, TRUE};
    if (!RunEntry(entry, call))
        return FALSE;
    *result = call.result;
    return TRUE;
}

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result) {
    HWND target = ReflectionTarget(m_hWnd, message, wParam, lParam);
    if (target == nullptr || target == m_hWnd)
        return FALSE;
    CWnd *child = FromHandlePermanent(target);
    return child != nullptr && child->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (control != nullptr) {
        CWnd *child = FromHandlePermanent(control);
        if (child != nullptr && child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    } else {
        // Menus send 0 and accelerators 1: both are plain commands.
        code = CN_COMMAND;
    }
    return OnCmdMsg(id, code, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *result) {
    auto *header = reinterpret_cast<NMHDR *>(lParam);
    if (header == nullptr)
        return FALSE;
    if (header->hwndFrom != nullptr) {
        CWnd *child = FromHandlePermanent(header->hwndFrom);
        if (child != nullptr && child != this && child->OnChildNotify(WM_NOTIFY, wParam, lParam, result))
            return TRUE;
    }
    const UINT id = static_cast<UINT>(header->idFrom);
    const FwMessageMapEntry *entry = FindMessageEntry(WM_NOTIFY, header->code, id);
    FwMessageCall call{WM_NOTIFY, wParam, lParam, id, header->code, header, 0, TRUE};
    if (!RunEntry(entry, call))
        return FALSE;
    *result = call.result;
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result) {
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result) {
    UINT code = 0;
    void *extra = nullptr;
    if (message == WM_COMMAND) {
        code = HIWORD(wParam);
    } else if (message == WM_NOTIFY) {
        auto *header = reinterpret_cast<NMHDR *>(lParam);
        if (header == nullptr)
            return FALSE;
        code = header->code;
        extra = header;
    }
    const UINT reflected = FW_WM_REFLECT_BASE + message;
    const FwMessageMapEntry *entry = FindMessageEntry(reflected, code, 0);
    FwMessageCall call{reflected, wParam, lParam, 0, code, extra, 0, TRUE};
    if (!RunEntry(entry, call))
        return FALSE;
    if (result != nullptr)
        *result = call.result;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG *msg) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG *msg) {
    if (msg == nullptr)
        return FALSE;
    for (HWND hwnd = msg->hwnd; hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
        CWnd *wnd = FromHandlePermanent(hwnd);
        if (wnd != nullptr && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (hwnd == stop)
            break;
    }
    return FALSE;
}

void CWnd::DoDataExchange(CDataExchange *dx) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    if (m_hWnd == nullptr)
        return FALSE;
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const FwDataExchangeFailure &) {
        return FALSE;
    } catch (...) {
        // Out of memory or any other failure inside an exchange routine counts as a failed
        // exchange; it must not reach the window system.
        return FALSE;
    }
    return TRUE;
}
