// CComboBox: combo boxes; owner-drawn ones draw, measure and compare their items in the virtual
// operations below, which the parent reflects to the combo box's object.
#pragma once
#include "framework/wnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNCREATE(CComboBox)
public:
    CComboBox() = default;

    BOOL Create(DWORD style, const RECT &rect, CWnd *parent, UINT id);

    int AddString(LPCSTR text);
    int InsertString(int index, LPCSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetLBText(int index, LPSTR buffer) const;
    void GetLBText(int index, CString &text) const;
    int GetLBTextLen(int index) const;
    int FindString(int startAfter, LPCSTR text) const;
    int FindStringExact(int startAfter, LPCSTR text) const;
    int SelectString(int startAfter, LPCSTR text);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    BOOL LimitText(int maxChars);
    BOOL SetEditSel(int start, int end);
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;

    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT item);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT item);
    virtual void DeleteItem(LPDELETEITEMSTRUCT item);

    DECLARE_MESSAGE_MAP()
};
