#include "framework/list_box.h"

IMPLEMENT_DYNCREATE(CListBox, CItemControl)

namespace {
const FwItemMessages kListBoxMessages = {LB_ADDSTRING,   LB_INSERTSTRING, LB_DELETESTRING,   LB_RESETCONTENT,
                                         LB_GETCOUNT,    LB_GETCURSEL,    LB_SETCURSEL,      LB_GETTEXT,
                                         LB_GETTEXTLEN,  LB_FINDSTRING,   LB_FINDSTRINGEXACT, LB_SELECTSTRING,
                                         LB_GETITEMDATA, LB_SETITEMDATA};
} // namespace

CListBox::CListBox() : CItemControl(kListBoxMessages) {}

BOOL CListBox::Create(DWORD style, const RECT &rect, CWnd *parent, UINT id) {
    return CWnd::Create("ListBox", nullptr, style, rect, parent, id);
}

int CListBox::GetSel(int index) const { return static_cast<int>(SendMessage(LB_GETSEL, static_cast<WPARAM>(index))); }

int CListBox::SetSel(int index, BOOL select) {
    return static_cast<int>(SendMessage(LB_SETSEL, static_cast<WPARAM>(select), index));
}

int CListBox::GetSelCount() const { return static_cast<int>(SendMessage(LB_GETSELCOUNT)); }

int CListBox::GetSelItems(int maxItems, LPINT items) const {
    return static_cast<int>(SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(maxItems), reinterpret_cast<LPARAM>(items)));
}

int CListBox::GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }

int CListBox::SetTopIndex(int index) {
    return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)));
}
