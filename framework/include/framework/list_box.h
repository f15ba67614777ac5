// CListBox: list boxes; owner-drawn ones draw, measure and compare their items in the virtual
// operations below, which the parent reflects to the list box's object.
#pragma once
#include "framework/wnd.h"

class CListBox : public CWnd {
    DECLARE_DYNCREATE(CListBox)
public:
    CListBox() = default;

    BOOL Create(DWORD style, const RECT &rect, CWnd *parent, UINT id);

    int AddString(LPCSTR text);
    int InsertString(int index, LPCSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetText(int index, LPSTR buffer) const;
    void GetText(int index, CString &text) const;
    int GetTextLen(int index) const;
    int FindString(int startAfter, LPCSTR text) const;
    int FindStringExact(int startAfter, LPCSTR text) const;
    int SelectString(int startAfter, LPCSTR text);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
    int GetSelItems(int maxItems, LPINT items) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);

    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT item);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT item);
    virtual void DeleteItem(LPDELETEITEMSTRUCT item);

    DECLARE_MESSAGE_MAP()
};
