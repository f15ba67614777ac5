// DrawEdge in the classic look. Each border line is one pixel; the top-left sides are drawn
// first, so the bottom-right colour wins at the top-right and bottom-left corners.
#include <windows.h>

namespace {

struct EdgeColors {
    int topLeft;
    int bottomRight;
};

// Colours of the outer and inner lines for the edge bits and BF_SOFT/BF_FLAT/BF_MONO.
void LineColors(UINT edge, UINT flags, EdgeColors *outer, EdgeColors *inner, bool *hasOuter, bool *hasInner)
{
    *hasOuter = (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) != 0;
    *hasInner = (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) != 0;
    if (flags & BF_MONO) {
        *outer = {COLOR_WINDOWFRAME, COLOR_WINDOWFRAME};
        *inner = {COLOR_WINDOW, COLOR_WINDOW};
        return;
    }
    if (flags & BF_FLAT) {
        *outer = {COLOR_3DSHADOW, COLOR_3DSHADOW};
        *inner = {COLOR_3DFACE, COLOR_3DFACE};
        return;
    }
    bool soft = (flags & BF_SOFT) != 0;
    if (edge & BDR_RAISEDOUTER)
        *outer = {soft ? COLOR_3DHILIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    else
        *outer = {soft ? COLOR_3DDKSHADOW : COLOR_3DSHADOW, COLOR_3DHILIGHT};
    if (edge & BDR_RAISEDINNER)
        *inner = {soft ? COLOR_3DLIGHT : COLOR_3DHILIGHT, COLOR_3DSHADOW};
    else
        *inner = {soft ? COLOR_3DSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void Fill(HDC hdc, LONG left, LONG top, LONG right, LONG bottom, int color)
{
    if (left >= right || top >= bottom)
        return;
    RECT r{left, top, right, bottom};
    FillRect(hdc, &r, GetSysColorBrush(color));
}

// One ring of lines on the sides named in `flags`, then the rectangle shrinks past it.
void DrawLine(HDC hdc, RECT &r, UINT flags, const EdgeColors &colors)
{
    if (flags & BF_TOP)
        Fill(hdc, r.left, r.top, r.right, r.top + 1, colors.topLeft);
    if (flags & BF_LEFT)
        Fill(hdc, r.left, r.top, r.left + 1, r.bottom, colors.topLeft);
    if (flags & BF_BOTTOM)
        Fill(hdc, r.left, r.bottom - 1, r.right, r.bottom, colors.bottomRight);
    if (flags & BF_RIGHT)
        Fill(hdc, r.right - 1, r.top, r.right, r.bottom, colors.bottomRight);
    if (flags & BF_LEFT)
        ++r.left;
    if (flags & BF_TOP)
        ++r.top;
    if (flags & BF_RIGHT)
        --r.right;
    if (flags & BF_BOTTOM)
        --r.bottom;
}

} // namespace

BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags)
{
    if (!qrc || (GetObjectType(hdc) != OBJ_DC && GetObjectType(hdc) != OBJ_MEMDC))
        return FALSE;
    RECT r = *qrc;
    EdgeColors outer;
    EdgeColors inner;
    bool hasOuter;
    bool hasInner;
    LineColors(edge, grfFlags, &outer, &inner, &hasOuter, &hasInner);
    if (hasOuter)
        DrawLine(hdc, r, grfFlags, outer);
    if (hasInner)
        DrawLine(hdc, r, grfFlags, inner);
    if (grfFlags & BF_MIDDLE)
        Fill(hdc, r.left, r.top, r.right, r.bottom, (grfFlags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE);
    if (grfFlags & BF_ADJUST)
        *qrc = r;
    return TRUE;
}
