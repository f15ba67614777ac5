// CComboBox: combo boxes, with or without their own edit field.
#pragma once
#include "framework/item_control.h"

class CComboBox : public CItemControl {
    DECLARE_DYNCREATE(CComboBox)
public:
    CComboBox();

    BOOL Create(DWORD style, const RECT &rect, CWnd *parent, UINT id);

    int GetLBText(int index, LPSTR buffer) const { return ItemText(index, buffer); }
    void GetLBText(int index, CString &text) const { ItemText(index, text); }
    int GetLBTextLen(int index) const { return ItemTextLength(index); }
    BOOL LimitText(int maxChars);
    BOOL SetEditSel(int start, int end);
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
};
