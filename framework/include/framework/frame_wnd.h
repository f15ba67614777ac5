// CFrameWnd: the application's main window object. It can be bound to an existing window that
// another program created (SubclassWindow), translates its accelerator table ahead of normal
// dispatch, and answers the standard help commands.
#pragma once
#include "framework/wnd.h"

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;

    HACCEL m_hAccelTable = nullptr;

    // Loads the table from the resource module; FALSE when it does not exist.
    BOOL LoadAccelTable(LPCSTR name);
    BOOL LoadAccelTable(UINT id) { return LoadAccelTable(MAKEINTRESOURCEA(id)); }

    BOOL PreTranslateMessage(MSG *msg) override;

    // Menu selection in the window (WM_MENUSELECT); the default passes it on.
    virtual void OnMenuSelect(UINT item, UINT flags, HMENU menu);

    // Help commands.
    void OnHelpIndex();
    void OnHelpFinder();
    void OnHelpUsing();
    void OnContextHelp();
    void OnHelp();
    void OnDefaultHelp();

    DECLARE_MESSAGE_MAP()
};
