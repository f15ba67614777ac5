#include "framework/static_ctrl.h"

IMPLEMENT_DYNCREATE(CStatic, CWnd)

BEGIN_MESSAGE_MAP(CStatic, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BOOL CStatic::Create(LPCSTR text, DWORD style, const RECT &rect, CWnd *parent, UINT id) {
    return CWnd::Create("Static", text, style, rect, parent, id);
}

HICON CStatic::SetIcon(HICON icon) {
    return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
}

HICON CStatic::GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }

HBITMAP CStatic::SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP CStatic::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP)); }

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}
