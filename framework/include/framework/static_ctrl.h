// CStatic: static text, frames, icons and bitmaps.
#pragma once
#include "framework/wnd.h"

class CStatic : public CWnd {
    DECLARE_DYNCREATE(CStatic)
public:
    CStatic() = default;

    BOOL Create(LPCSTR text, DWORD style, const RECT &rect, CWnd *parent, UINT id = 0xFFFF);

    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;

    virtual void DrawItem(LPDRAWITEMSTRUCT item);

    DECLARE_MESSAGE_MAP()
};
