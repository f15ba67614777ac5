// CCmdUI: the update-command-UI pass asks a command's handler object for the state of the user
// interface item that issues the command (here: a dialog control).
#pragma once
#include "framework/cmd_target.h"

class CWnd;

class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CWnd *m_pOther = nullptr; // the control being updated
    BOOL m_bEnableChanged = FALSE;

    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL on = TRUE);
    virtual void SetCheck(int check = 1);
    virtual void SetText(LPCSTR text);

    // Asks `target` for the item's state; when nobody answers and `disableIfNoHandler` is set,
    // the item is enabled exactly when some handler would take its command.
    BOOL DoUpdate(CCmdTarget *target, BOOL disableIfNoHandler);
};
