#include "framework/item_control.h"

IMPLEMENT_DYNAMIC(CItemControl, CWnd)

BEGIN_MESSAGE_MAP(CItemControl, CWnd)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_COMPAREITEM_REFLECT()
    ON_WM_DELETEITEM_REFLECT()
END_MESSAGE_MAP()

namespace {
LPARAM TextParam(LPCSTR text) { return reinterpret_cast<LPARAM>(text != nullptr ? text : ""); }
} // namespace

int CItemControl::AddString(LPCSTR text) { return static_cast<int>(SendMessage(m_messages.add, 0, TextParam(text))); }

int CItemControl::InsertString(int index, LPCSTR text) {
    return static_cast<int>(SendMessage(m_messages.insert, static_cast<WPARAM>(index), TextParam(text)));
}

int CItemControl::DeleteString(UINT index) { return static_cast<int>(SendMessage(m_messages.remove, index)); }
void CItemControl::ResetContent() { SendMessage(m_messages.reset); }
int CItemControl::GetCount() const { return static_cast<int>(SendMessage(m_messages.count)); }
int CItemControl::GetCurSel() const { return static_cast<int>(SendMessage(m_messages.getCurSel)); }

int CItemControl::SetCurSel(int index) {
    return static_cast<int>(SendMessage(m_messages.setCurSel, static_cast<WPARAM>(index)));
}

int CItemControl::ItemText(int index, LPSTR buffer) const {
    return static_cast<int>(
        SendMessage(m_messages.getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}

void CItemControl::ItemText(int index, CString &text) const {
    const int length = ItemTextLength(index);
    if (length <= 0) {
        text.Empty();
        return;
    }
    ItemText(index, text.GetBufferSetLength(length));
    text.ReleaseBuffer();
}

int CItemControl::ItemTextLength(int index) const {
    return static_cast<int>(SendMessage(m_messages.getTextLength, static_cast<WPARAM>(index)));
}

int CItemControl::FindString(int startAfter, LPCSTR text) const {
    return static_cast<int>(SendMessage(m_messages.find, static_cast<WPARAM>(startAfter), TextParam(text)));
}

int CItemControl::FindStringExact(int startAfter, LPCSTR text) const {
    return static_cast<int>(SendMessage(m_messages.findExact, static_cast<WPARAM>(startAfter), TextParam(text)));
}

int CItemControl::SelectString(int startAfter, LPCSTR text) {
    return static_cast<int>(SendMessage(m_messages.select, static_cast<WPARAM>(startAfter), TextParam(text)));
}

DWORD_PTR CItemControl::GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(m_messages.getData, static_cast<WPARAM>(index)));
}

int CItemControl::SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(SendMessage(m_messages.setData, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

void CItemControl::DrawItem(LPDRAWITEMSTRUCT) {}
void CItemControl::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CItemControl::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CItemControl::DeleteItem(LPDELETEITEMSTRUCT) {}
