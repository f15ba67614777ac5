// CListBox: list boxes, with single, multiple and extended selection.
#pragma once
#include "framework/item_control.h"

class CListBox : public CItemControl {
    DECLARE_DYNCREATE(CListBox)
public:
    CListBox();

    BOOL Create(DWORD style, const RECT &rect, CWnd *parent, UINT id);

    int GetText(int index, LPSTR buffer) const { return ItemText(index, buffer); }
    void GetText(int index, CString &text) const { ItemText(index, text); }
    int GetTextLen(int index) const { return ItemTextLength(index); }
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
    int GetSelItems(int maxItems, LPINT items) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
};
