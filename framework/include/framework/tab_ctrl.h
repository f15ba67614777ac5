// CTabCtrl: the tab control.
#pragma once
#include <windows.h> // before <commctrl.h>, which Windows does not make self-contained
#include <commctrl.h>

#include "framework/wnd.h"

class CTabCtrl : public CWnd {
    DECLARE_DYNCREATE(CTabCtrl)
public:
    CTabCtrl() = default;

    BOOL Create(DWORD style, const RECT &rect, CWnd *parent, UINT id);

    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int InsertItem(int index, LPCSTR text);
    int InsertItem(int index, TCITEMA *item);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    BOOL GetItem(int index, TCITEMA *item) const;
    BOOL SetItem(int index, TCITEMA *item);
    BOOL GetItemRect(int index, LPRECT rect) const;
    // larger TRUE: the window rectangle for a display area; FALSE: the display area of a window.
    void AdjustRect(BOOL larger, LPRECT rect) const;
    int HitTest(TCHITTESTINFO *info) const;
};
