#include "user/controls/control_paint.h"

namespace win32::user::controls {

HFONT ControlFont(HFONT font) {
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

namespace {

bool UsesWindowColours(UINT ctlColorMessage) {
    return ctlColorMessage == WM_CTLCOLOREDIT || ctlColorMessage == WM_CTLCOLORLISTBOX;
}

} // namespace

HBRUSH ParentControlBrush(HWND hwnd, HDC hdc, UINT ctlColorMessage) {
    HWND parent = GetParent(hwnd);
    if (parent) {
        const LRESULT answer =
            SendMessageA(parent, ctlColorMessage, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd));
        HBRUSH brush = reinterpret_cast<HBRUSH>(answer);
        // A parent that handles the message without answering it (or answers garbage) leaves the
        // control with the defaults rather than with an unusable brush.
        if (brush && GetObjectType(brush) == OBJ_BRUSH) {
            return brush;
        }
    }
    const int background = UsesWindowColours(ctlColorMessage) ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(hdc, GetSysColor(UsesWindowColours(ctlColorMessage) ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(hdc, GetSysColor(background));
    return GetSysColorBrush(background);
}

void FillSysColor(HDC hdc, const RECT &rect, int colorIndex) {
    FillRect(hdc, &rect, GetSysColorBrush(colorIndex));
}

void FillSysColor(HDC hdc, int x, int y, int width, int height, int colorIndex) {
    const RECT rect{x, y, x + width, y + height};
    FillSysColor(hdc, rect, colorIndex);
}

int DrawControlText(HDC hdc, const std::string &text, RECT rect, UINT format, bool enabled) {
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    int height = 0;
    if (enabled) {
        height = DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    } else {
        const COLORREF oldColor = SetTextColor(hdc, GetSysColor(COLOR_BTNHIGHLIGHT));
        RECT shifted = rect;
        OffsetRect(&shifted, 1, 1);
        DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &shifted, format);
        SetTextColor(hdc, GetSysColor(COLOR_BTNSHADOW));
        height = DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect, format);
        SetTextColor(hdc, oldColor);
    }
    SetBkMode(hdc, oldMode);
    return height;
}

RECT ControlTextBounds(HDC hdc, const std::string &text, const RECT &bounds, UINT format) {
    RECT measured = bounds;
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &measured, (format | DT_CALCRECT) & ~DT_VCENTER);
    const int width = measured.right - measured.left;
    const int height = measured.bottom - measured.top;
    RECT result = bounds;
    if (format & DT_CENTER) {
        result.left = bounds.left + (bounds.right - bounds.left - width) / 2;
    } else if (format & DT_RIGHT) {
        result.left = bounds.right - width;
    }
    result.right = result.left + width;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) {
        result.top = bounds.top + (bounds.bottom - bounds.top - height) / 2;
    } else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM)) {
        result.top = bounds.bottom - height;
    }
    result.bottom = result.top + height;
    return result;
}

ControlDc::ControlDc(HWND hwnd, HFONT font, DcSource source) : m_hwnd(hwnd), m_source(source) {
    m_hdc = source == DcSource::Paint ? BeginPaint(hwnd, &m_paint) : GetDC(hwnd);
    GetClientRect(hwnd, &m_client);
    if (m_hdc) {
        m_savedDc = SaveDC(m_hdc);
        m_oldFont = SelectObject(m_hdc, ControlFont(font));
        SetBkMode(m_hdc, TRANSPARENT);
    }
}

ControlDc::~ControlDc() {
    if (m_hdc) {
        if (m_oldFont) {
            SelectObject(m_hdc, m_oldFont);
        }
        if (m_savedDc) {
            RestoreDC(m_hdc, m_savedDc);
        }
    }
    if (m_source == DcSource::Paint) {
        EndPaint(m_hwnd, &m_paint);
    } else if (m_hdc) {
        ReleaseDC(m_hwnd, m_hdc);
    }
}


void SendDrawItem(HWND owner, DRAWITEMSTRUCT &draw)
{
    const int saved = SaveDC(draw.hDC);
    SendMessageA(owner, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
    RestoreDC(draw.hDC, saved);
}

void PaintItemRow(HDC hdc, const RECT &rect, const std::string &text, UINT format, bool selected, bool enabled,
                  bool focused)
{
    constexpr int kTextIndent = 2;
    const COLORREF oldColor = GetTextColor(hdc);
    if (selected) {
        FillSysColor(hdc, rect, COLOR_HIGHLIGHT);
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else if (!enabled) {
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    }
    RECT textRect = rect;
    textRect.left += kTextIndent;
    DrawControlText(hdc, text, textRect, format, true);
    SetTextColor(hdc, oldColor);
    if (focused)
        DrawFocusRect(hdc, &rect);
}

} // namespace win32::user::controls
