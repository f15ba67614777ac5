#include "core/library_modality.h"

#include "core/active_dialog_stack.h"
#include "core/host_callbacks.h"
#include "core/library_state.h"

#include <framework/wnd.h>

LibraryModality::LibraryModality(HWND window)
{
    ActiveDialogStack &stack = ActiveDialogStack::Instance();
    HWND below = stack.Top();
    if (below && below != HostMainWindow())
        EnableWindow(below, FALSE);
    m_pushed = stack.Push(window);
}

LibraryModality::~LibraryModality()
{
    ActiveDialogStack &stack = ActiveDialogStack::Instance();
    // A window whose push failed was never on the stack: popping would take the caller's dialog off instead.
    if (m_pushed)
        stack.Pop();
    HWND top = stack.Top();
    if (top && top != HostMainWindow()) {
        EnableWindow(top, TRUE);
        SetFocus(top);
    }
    // Back with the host: window objects made for the dialogs' windows are not needed any more. Idle time
    // would free them too, but a host's idle processing may not come round before the next dialog.
    if (stack.Count() == 0)
        CWnd::DeleteTempMap();
}

bool LibraryModality::ProcessHostEvents()
{
    if (Host().ProcessEvents) {
        Host().ProcessEvents();
        return true;
    }
    // A host that registered no ProcessEvents still gets its dialog answered: pump the queue the way a host's
    // loop would, through the library's message filter.
    MSG msg;
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    if (got < 0)
        return false;
    if (!FilterDllMsg(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}
