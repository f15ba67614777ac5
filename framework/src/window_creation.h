// Binding a window to its object while the window is being created: the object that asked for
// the window is "pending" until the first message of an unknown window reaches a framework
// procedure, which then attaches it, so that the object sees messages sent during creation.
#pragma once
#include <windows.h>

class CWnd;

namespace fw::detail {

class PendingCreation {
public:
    explicit PendingCreation(CWnd *wnd);
    ~PendingCreation();
    PendingCreation(const PendingCreation &) = delete;
    PendingCreation &operator=(const PendingCreation &) = delete;

private:
    CWnd *m_previous;
};

// The pending object, taken (it is pending no more), or nullptr.
CWnd *TakePendingCreation();

// The framework's own window class (window procedure FrameworkWndProc), registered on first use.
LPCSTR FrameworkWindowClass();

// The message being handled, for CWnd::Default.
class CurrentMessageScope {
public:
    CurrentMessageScope(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    ~CurrentMessageScope();
    CurrentMessageScope(const CurrentMessageScope &) = delete;
    CurrentMessageScope &operator=(const CurrentMessageScope &) = delete;

    static const MSG *Current();

private:
    MSG m_message;
    CurrentMessageScope *m_outer;
};

} // namespace fw::detail
