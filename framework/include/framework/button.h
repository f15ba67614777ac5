// CButton: push buttons, check boxes, radio buttons; owner-drawn buttons draw themselves in
// DrawItem, which the parent reflects to the button's object.
#pragma once
#include "framework/wnd.h"

class CButton : public CWnd {
    DECLARE_DYNCREATE(CButton)
public:
    CButton() = default;

    BOOL Create(LPCSTR caption, DWORD style, const RECT &rect, CWnd *parent, UINT id);

    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    void SetState(BOOL highlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);

    virtual void DrawItem(LPDRAWITEMSTRUCT item);

    DECLARE_MESSAGE_MAP()
};
