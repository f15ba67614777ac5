// DrawFrameControl in the classic look: push buttons, check boxes and radio buttons
// (DFCS_CHECKED, DFCS_PUSHED, DFCS_INACTIVE, DFCS_FLAT), scroll arrows (up, down and the
// combo-box drop-down) and the caption close button.
// Not handled yet: DFC_MENU, the left/right scroll arrows and the other caption buttons (they
// draw an empty push-button frame).
#include "gdi/pixel_art.h"

#include <algorithm>
#include <cmath>

using namespace win32::gdi;

namespace {

void FillColor(HDC hdc, LONG left, LONG top, LONG right, LONG bottom, int color)
{
    RECT r{left, top, right, bottom};
    if (left < right && top < bottom)
        FillRect(hdc, &r, GetSysColorBrush(color));
}

void Plot(HDC hdc, int x, int y, int color) { FillColor(hdc, x, y, x + 1, y + 1, color); }

// A raised push-button face (sunken when pushed, a single shadow line when flat).
void ButtonFace(HDC hdc, RECT r, UINT state)
{
    if (state & DFCS_FLAT)
        DrawEdge(hdc, &r, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_MIDDLE);
    else if (state & (DFCS_PUSHED | DFCS_CHECKED))
        DrawEdge(hdc, &r, EDGE_SUNKEN, BF_RECT | BF_SOFT | BF_MIDDLE);
    else
        DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
}

// The 13x13 check box at the left of the rectangle, vertically centred.
void CheckBox(HDC hdc, const RECT &rc, UINT state)
{
    int size = 13;
    RECT box{rc.left, rc.top + (rc.bottom - rc.top - size) / 2, rc.left + size, 0};
    box.bottom = box.top + size;
    bool grey = (state & (DFCS_PUSHED | DFCS_INACTIVE)) != 0;
    UINT flags = BF_RECT | BF_MIDDLE | ((state & DFCS_FLAT) ? BF_FLAT : 0) | ((state & DFCS_MONO) ? BF_MONO : 0);
    RECT edge = box;
    DrawEdge(hdc, &edge, EDGE_SUNKEN, flags | BF_ADJUST);
    FillColor(hdc, edge.left, edge.top, edge.right, edge.bottom, grey ? COLOR_3DFACE : COLOR_WINDOW);
    if (!(state & DFCS_CHECKED))
        return;
    int mark = (state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT;
    ForEachMaskPixel({"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."}, box.left + 3,
                     box.top + 3, [&](int x, int y) { Plot(hdc, x, y, mark); });
}

// A 12x12 radio button: two rings split into shadow (upper left) and light (lower right)
// halves, a white centre, and a 4x4 dot when checked.
void RadioButton(HDC hdc, const RECT &rc, UINT state)
{
    int size = 12;
    int left = rc.left;
    int top = rc.top + (rc.bottom - rc.top - size) / 2;
    bool grey = (state & (DFCS_PUSHED | DFCS_INACTIVE)) != 0;
    auto inDisc = [](double x, double y, double radius) { return std::hypot(x - 6.0, y - 6.0) <= radius; };
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double cx = x + 0.5;
            double cy = y + 0.5;
            if (!inDisc(cx, cy, 6.0))
                continue;
            bool upperLeft = x + y < size - 1;
            int color;
            if (!inDisc(cx, cy, 5.0))
                color = upperLeft ? COLOR_3DSHADOW : COLOR_3DHILIGHT;
            else if (!inDisc(cx, cy, 4.0))
                color = upperLeft ? COLOR_3DDKSHADOW : COLOR_3DLIGHT;
            else
                color = grey ? COLOR_3DFACE : COLOR_WINDOW;
            Plot(hdc, left + x, top + y, color);
        }
    if (state & DFCS_CHECKED) {
        int dot = (state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT;
        ForEachMaskPixel({".##.", "####", "####", ".##."}, left + 4, top + 4,
                         [&](int x, int y) { Plot(hdc, x, y, dot); });
    }
}

// A filled triangle pointing up or down, centred in the rectangle; an inactive arrow is grey
// with a white shadow, as classic scroll arrows are.
void Arrow(HDC hdc, const RECT &rc, bool up, UINT state)
{
    int extent = std::min(rc.right - rc.left, rc.bottom - rc.top);
    int base = std::max(1, ((extent - 4) / 2) | 1);
    int height = (base + 1) / 2;
    int shift = (state & DFCS_PUSHED) ? 1 : 0;
    int left = rc.left + (rc.right - rc.left - base) / 2 + shift;
    int top = rc.top + (rc.bottom - rc.top - height) / 2 + shift;
    auto draw = [&](int dx, int dy, int color) {
        for (int row = 0; row < height; ++row) {
            int inset = up ? height - 1 - row : row;
            FillColor(hdc, left + inset + dx, top + row + dy, left + base - inset + dx, top + row + dy + 1, color);
        }
    };
    if (state & DFCS_INACTIVE) {
        draw(1, 1, COLOR_3DHILIGHT);
        draw(0, 0, COLOR_3DSHADOW);
    } else {
        draw(0, 0, COLOR_BTNTEXT);
    }
}

void CloseGlyph(HDC hdc, const RECT &rc, UINT state)
{
    // Two crossing diagonals, two pixels thick, about half the button's height.
    int extent = std::min(rc.right - rc.left, rc.bottom - rc.top);
    int size = std::max(2, extent / 2);
    int shift = (state & DFCS_PUSHED) ? 1 : 0;
    int left = rc.left + (rc.right - rc.left - size) / 2 + shift;
    int top = rc.top + (rc.bottom - rc.top - size) / 2 + shift;
    int color = (state & DFCS_INACTIVE) ? COLOR_3DSHADOW : COLOR_BTNTEXT;
    for (int i = 0; i < size; ++i) {
        FillColor(hdc, left + i, top + i, left + i + 2, top + i + 1, color);
        FillColor(hdc, left + size - 1 - i - 1, top + i, left + size - i, top + i + 1, color);
    }
}

} // namespace

BOOL WINAPI DrawFrameControl(HDC hdc, LPRECT lprc, UINT uType, UINT uState)
{
    if (!lprc || (GetObjectType(hdc) != OBJ_DC && GetObjectType(hdc) != OBJ_MEMDC))
        return FALSE;
    const RECT &rc = *lprc;
    UINT kind = uState & 0x1F;
    switch (uType) {
    case DFC_BUTTON:
        if (kind & DFCS_BUTTONPUSH)
            ButtonFace(hdc, rc, uState);
        else if ((kind & DFCS_BUTTONRADIO) == DFCS_BUTTONRADIO)
            RadioButton(hdc, rc, uState);
        else
            CheckBox(hdc, rc, uState);
        return TRUE;
    case DFC_SCROLL:
        ButtonFace(hdc, rc, uState & ~DFCS_CHECKED);
        if (kind == DFCS_SCROLLUP || kind == DFCS_SCROLLDOWN || kind == DFCS_SCROLLCOMBOBOX)
            Arrow(hdc, rc, kind == DFCS_SCROLLUP, uState);
        return TRUE;
    case DFC_CAPTION:
        ButtonFace(hdc, rc, uState & ~DFCS_CHECKED);
        if (kind == DFCS_CAPTIONCLOSE)
            CloseGlyph(hdc, rc, uState);
        return TRUE;
    default:
        return FALSE;
    }
}
