// Data exchange with combo boxes and list boxes.
#include "data_exchange_internal.h"

namespace {

// The messages of one kind of list: combo boxes and list boxes differ only in their numbers.
struct ListMessages {
    UINT getCurSel;
    UINT setCurSel;
    UINT getTextLen;
    UINT getText;
    UINT selectString;
    UINT findStringExact;
    LRESULT error;
};

constexpr ListMessages kComboMessages{CB_GETCURSEL, CB_SETCURSEL,  CB_GETLBTEXTLEN,   CB_GETLBTEXT,
                                      CB_SELECTSTRING, CB_FINDSTRINGEXACT, CB_ERR};
constexpr ListMessages kListMessages{LB_GETCURSEL, LB_SETCURSEL,  LB_GETTEXTLEN,     LB_GETTEXT,
                                     LB_SELECTSTRING, LB_FINDSTRINGEXACT, LB_ERR};

void ExchangeIndex(CDataExchange *dx, int id, int &index, const ListMessages &messages) {
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(control, messages.getCurSel, 0, 0));
    else
        ::SendMessageA(control, messages.setCurSel, static_cast<WPARAM>(index), 0);
}

CString SelectedItemText(HWND control, const ListMessages &messages) {
    CString text;
    const LRESULT index = ::SendMessageA(control, messages.getCurSel, 0, 0);
    if (index == messages.error)
        return text;
    const LRESULT length = ::SendMessageA(control, messages.getTextLen, static_cast<WPARAM>(index), 0);
    if (length <= 0)
        return text;
    ::SendMessageA(control, messages.getText, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(text.GetBufferSetLength(static_cast<int>(length))));
    text.ReleaseBuffer();
    return text;
}

bool ComboHasEdit(HWND control) {
    return (static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE)) & 0x3) != CBS_DROPDOWNLIST;
}

enum class Match { Prefix, Exact };

void ExchangeComboString(CDataExchange *dx, int id, CString &value, Match match) {
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    const bool hasEdit = ComboHasEdit(control);
    if (dx->m_bSaveAndValidate) {
        if (hasEdit) {
            const int length = ::GetWindowTextLengthA(control);
            value.Empty();
            if (length > 0) {
                ::GetWindowTextA(control, value.GetBufferSetLength(length), length + 1);
                value.ReleaseBuffer();
            }
        } else {
            value = SelectedItemText(control, kComboMessages);
        }
        return;
    }
    LRESULT index = CB_ERR;
    if (match == Match::Prefix) {
        index = ::SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(
                                                                                       static_cast<LPCSTR>(value)));
    } else {
        index = ::SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value)));
        if (index != CB_ERR)
            ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    if (index != CB_ERR)
        return;
    // Not in the list: an editable combo box shows the text anyway, a drop-down list shows none.
    if (hasEdit)
        ::SetWindowTextA(control, value);
    else
        ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void ExchangeListString(CDataExchange *dx, int id, CString &value, Match match) {
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate) {
        value = SelectedItemText(control, kListMessages);
        return;
    }
    const LPARAM text = reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value));
    LRESULT index = match == Match::Prefix
                        ? ::SendMessageA(control, LB_SELECTSTRING, static_cast<WPARAM>(-1), text)
                        : ::SendMessageA(control, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text);
    if (match == Match::Exact || index == LB_ERR)
        ::SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

} // namespace

void DDX_CBIndex(CDataExchange *dx, int id, int &index) { ExchangeIndex(dx, id, index, kComboMessages); }
void DDX_LBIndex(CDataExchange *dx, int id, int &index) { ExchangeIndex(dx, id, index, kListMessages); }

void DDX_CBString(CDataExchange *dx, int id, CString &value) { ExchangeComboString(dx, id, value, Match::Prefix); }

void DDX_CBStringExact(CDataExchange *dx, int id, CString &value) {
    ExchangeComboString(dx, id, value, Match::Exact);
}

void DDX_LBString(CDataExchange *dx, int id, CString &value) { ExchangeListString(dx, id, value, Match::Prefix); }

void DDX_LBStringExact(CDataExchange *dx, int id, CString &value) {
    ExchangeListString(dx, id, value, Match::Exact);
}
