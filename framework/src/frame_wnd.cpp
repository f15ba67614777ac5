#include "framework/frame_wnd.h"

#include "framework/help.h"
#include "framework/module_state.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_MENUSELECT()
    ON_COMMAND(ID_HELP_INDEX, OnHelpIndex)
    ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
    ON_COMMAND(ID_HELP_USING, OnHelpUsing)
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
    ON_COMMAND(ID_HELP, OnHelp)
    ON_COMMAND(ID_DEFAULT_HELP, OnDefaultHelp)
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadAccelTable(LPCSTR name) {
    HACCEL table = LoadAcceleratorsA(FrameworkGetResourceHandle(), name);
    if (table == nullptr)
        return FALSE;
    m_hAccelTable = table;
    return TRUE;
}

BOOL CFrameWnd::PreTranslateMessage(MSG *msg) {
    if (msg == nullptr || m_hAccelTable == nullptr || m_hWnd == nullptr)
        return FALSE;
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return FALSE;
    return TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg) != 0;
}

void CFrameWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }

void CFrameWnd::OnHelpIndex() { WinHelp(0, HELP_INDEX); }
void CFrameWnd::OnHelpFinder() { WinHelp(0, HELP_FINDER); }
void CFrameWnd::OnHelpUsing() { WinHelp(0, HELP_HELPONHELP); }
void CFrameWnd::OnDefaultHelp() { OnHelpIndex(); }

void CFrameWnd::OnContextHelp() {
    if (!FrameworkHelpFromFocus())
        SendMessage(WM_COMMAND, ID_HELP);
}

void CFrameWnd::OnHelp() {
    if (!FrameworkHelpFromFocus())
        SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
}
