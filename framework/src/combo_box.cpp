#include "framework/combo_box.h"

IMPLEMENT_DYNCREATE(CComboBox, CItemControl)

namespace {
const FwItemMessages kComboBoxMessages = {CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING,    CB_RESETCONTENT,
                                          CB_GETCOUNT,     CB_GETCURSEL,    CB_SETCURSEL,       CB_GETLBTEXT,
                                          CB_GETLBTEXTLEN, CB_FINDSTRING,   CB_FINDSTRINGEXACT, CB_SELECTSTRING,
                                          CB_GETITEMDATA,  CB_SETITEMDATA};
} // namespace

CComboBox::CComboBox() : CItemControl(kComboBoxMessages) {}

BOOL CComboBox::Create(DWORD style, const RECT &rect, CWnd *parent, UINT id) {
    return CWnd::Create("ComboBox", nullptr, style, rect, parent, id);
}

BOOL CComboBox::LimitText(int maxChars) {
    return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(maxChars)));
}

BOOL CComboBox::SetEditSel(int start, int end) {
    return static_cast<BOOL>(SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, end)));
}

void CComboBox::ShowDropDown(BOOL show) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(show)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
