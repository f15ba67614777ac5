// The non-client area: frame widths and caption height by style, and the classic frame painting.
#include "user/core/user_state.h"

namespace win32::user {

namespace {

struct FrameMetrics {
    int border = 0;  // each side
    int caption = 0; // extra at the top
};

FrameMetrics MetricsFor(DWORD style, DWORD exStyle)
{
    FrameMetrics m;
    if (style & WS_THICKFRAME)
        m.border = GetSystemMetrics(SM_CXFRAME);
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        m.border = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER)
        m.border = GetSystemMetrics(SM_CXBORDER);
    if (exStyle & WS_EX_CLIENTEDGE)
        m.border += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE)
        m.border += GetSystemMetrics(SM_CXBORDER);
    if ((style & WS_CAPTION) == WS_CAPTION)
        m.caption = (exStyle & WS_EX_TOOLWINDOW) ? 16 : GetSystemMetrics(SM_CYCAPTION);
    return m;
}

} // namespace

void ComputeClientRect(Window &w)
{
    FrameMetrics m = MetricsFor(w.style, w.exStyle);
    int width = w.windowRect.right - w.windowRect.left;
    int height = w.windowRect.bottom - w.windowRect.top;
    RECT c{m.border, m.border + m.caption, width - m.border, height - m.border};
    if (c.right < c.left)
        c.right = c.left;
    if (c.bottom < c.top)
        c.bottom = c.top;
    w.clientRect = c;
}

void PaintNonClient(HWND hwnd)
{
    Window *w = FindWindowObject(hwnd, false);
    if (!w)
        return;
    FrameMetrics m = MetricsFor(w->style, w->exStyle);
    if (m.border == 0 && m.caption == 0)
        return;
    HDC dc = GetWindowDC(hwnd);
    if (!dc)
        return;
    RECT r{0, 0, w->windowRect.right - w->windowRect.left, w->windowRect.bottom - w->windowRect.top};
    DWORD style = w->style;
    DWORD ex = w->exStyle;
    if ((style & WS_THICKFRAME) || (style & WS_DLGFRAME) || (ex & WS_EX_DLGMODALFRAME)) {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        int rest = (style & WS_THICKFRAME ? GetSystemMetrics(SM_CXFRAME) : GetSystemMetrics(SM_CXDLGFRAME)) - 2;
        for (int i = 0; i < rest; ++i) {
            FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            InflateRect(&r, -1, -1);
        }
    } else if (style & WS_BORDER) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
    if (ex & WS_EX_CLIENTEDGE)
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (ex & WS_EX_STATICEDGE)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if (m.caption) {
        bool active = CurrentThread().active == hwnd || (w->owner == nullptr && false);
        RECT bar{r.left, r.top, r.right, r.top + m.caption - 1};
        FillRect(dc, &bar, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        RECT line{r.left, bar.bottom, r.right, bar.bottom + 1};
        FillRect(dc, &line, GetSysColorBrush(COLOR_BTNFACE));
        int buttonSize = m.caption - 5;
        RECT text = bar;
        text.left += 4;
        if (style & WS_SYSMENU) {
            RECT close{bar.right - 2 - buttonSize - 2, bar.top + 2, bar.right - 2, bar.top + 2 + buttonSize};
            DrawFrameControl(dc, &close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
            text.right = close.left - 2;
        }
        LOGFONTA lf{};
        lf.lfHeight = -11;
        lf.lfWeight = FW_BOLD;
        HFONT font = CreateFontIndirectA(&lf);
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        DrawTextA(dc, w->text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, old);
        DeleteObject(font);
    }
    ReleaseDC(hwnd, dc);
}

} // namespace win32::user

using namespace win32::user;

BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle)
{
    if (!rect)
        return FALSE;
    Window probe;
    probe.style = style;
    probe.exStyle = exStyle;
    probe.windowRect = RECT{0, 0, 1000, 1000};
    ComputeClientRect(probe);
    rect->left -= probe.clientRect.left;
    rect->top -= probe.clientRect.top;
    rect->right += 1000 - probe.clientRect.right;
    rect->bottom += 1000 - probe.clientRect.bottom;
    if (menu)
        rect->top -= GetSystemMetrics(SM_CYMENU);
    return TRUE;
}
