// CItemControl: what list boxes and combo boxes share. Both hold strings with item data and a selection;
// each reaches them through its own set of messages. Owner-drawn ones draw, measure, compare and delete
// their items in the virtual operations below, which the parent reflects to the control's object.
#pragma once
#include "framework/wnd.h"

struct FwItemMessages {
    UINT add, insert, remove, reset, count, getCurSel, setCurSel;
    UINT getText, getTextLength, find, findExact, select, getData, setData;
};

class CItemControl : public CWnd {
    DECLARE_DYNAMIC(CItemControl)
public:
    int AddString(LPCSTR text);
    int InsertString(int index, LPCSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int FindString(int startAfter, LPCSTR text) const;
    int FindStringExact(int startAfter, LPCSTR text) const;
    int SelectString(int startAfter, LPCSTR text);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);

    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT item);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT item);
    virtual void DeleteItem(LPDELETEITEMSTRUCT item);

protected:
    explicit CItemControl(const FwItemMessages &messages) : m_messages(messages) {}
    int ItemText(int index, LPSTR buffer) const;
    void ItemText(int index, CString &text) const;
    int ItemTextLength(int index) const;

    DECLARE_MESSAGE_MAP()

private:
    const FwItemMessages &m_messages;
};
