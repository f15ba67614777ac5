#include "window_creation.h"

#include "framework/module_state.h"
#include "framework/wnd.h"

namespace fw::detail {
namespace {

CWnd *g_pending = nullptr;
CurrentMessageScope *g_currentMessage = nullptr;

} // namespace

PendingCreation::PendingCreation(CWnd *wnd) : m_previous(g_pending) { g_pending = wnd; }

PendingCreation::~PendingCreation() {
    // An outer creation whose object got its window meanwhile is not pending any more.
    g_pending = (m_previous != nullptr && m_previous->m_hWnd == nullptr) ? m_previous : nullptr;
}

CWnd *TakePendingCreation() {
    CWnd *wnd = g_pending;
    g_pending = nullptr;
    return (wnd != nullptr && wnd->m_hWnd == nullptr) ? wnd : nullptr;
}

LPCSTR FrameworkWindowClass() {
    static const char kClassName[] = "FrameworkWindow";
    static HINSTANCE registeredFor = nullptr;
    HINSTANCE instance = FrameworkGetInstanceHandle();
    if (registeredFor != instance) {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = FrameworkWndProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_WINDOW + 1));
        wc.lpszClassName = kClassName;
        WNDCLASSA existing{};
        if (GetClassInfoA(instance, kClassName, &existing) || RegisterClassA(&wc) != 0)
            registeredFor = instance;
    }
    return kClassName;
}

CurrentMessageScope::CurrentMessageScope(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    : m_message{hwnd, message, wParam, lParam, 0, {0, 0}}, m_outer(g_currentMessage) {
    g_currentMessage = this;
}

CurrentMessageScope::~CurrentMessageScope() { g_currentMessage = m_outer; }

const MSG *CurrentMessageScope::Current() { return g_currentMessage != nullptr ? &g_currentMessage->m_message : nullptr; }

} // namespace fw::detail
