#include "core/main_frame.h"

#include "core/help_context.h"
#include "core/library_state.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CLOSE()
    ON_COMMAND(ID_CLOSE_HOST_WINDOW, OnCloseCommand)
END_MESSAGE_MAP()

BOOL CMainFrame::Bind(HWND hwnd)
{
    Unbind();
    if (!hwnd || !SubclassWindow(hwnd))
        return FALSE;
    LoadAccelTable(IDR_MAIN_ACCELERATORS);
    return TRUE;
}

void CMainFrame::Unbind()
{
    if (m_hWnd)
        UnsubclassWindow();
    if (m_hAccelTable) {
        DestroyAcceleratorTable(m_hAccelTable);
        m_hAccelTable = nullptr;
    }
}

void CMainFrame::OnClose()
{
    // The host decides whether it closes: it gets the same command as from its own menu.
    PostMessage(WM_COMMAND, ID_HOST_CLOSE_REQUEST, 0);
}

void CMainFrame::OnCloseCommand() { OnClose(); }

void CMainFrame::OnMenuSelect(UINT item, UINT flags, HMENU menu)
{
    CFrameWnd::OnMenuSelect(item, flags, menu);
    if (OrvMenuSelectCallback callback = Library().menuSelect)
        callback(m_hWnd, item, flags, menu);
}

void CMainFrame::WinHelp(DWORD_PTR data, UINT command)
{
    if (command == HELP_CONTEXT || command == HELP_CONTEXTPOPUP)
        data = ClampHelpContext(static_cast<DWORD>(data));
    CFrameWnd::WinHelp(data, command);
}

void CMainFrame::PostNcDestroy()
{
    // The host destroyed its window: the object stays, unbound, for a later SetMainWindowHandle.
    Library().mainWindow = nullptr;
}
