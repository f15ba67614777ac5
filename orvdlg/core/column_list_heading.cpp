#include "core/column_list_heading.h"

#include "core/column_list_draw.h"

IMPLEMENT_DYNAMIC(CColumnHeading, CStatic)

void CColumnHeading::SetLayout(const ColumnLayout &layout)
{
    m_layout = layout;
    if (m_hWnd)
        Invalidate();
}

void CColumnHeading::SetHeading(const CString &text)
{
    SetWindowText(text);
    Invalidate();
}

void CColumnHeading::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item)
        return;
    FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const COLORREF oldColour =
        SetTextColor(item->hDC, GetSysColor((item->itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    CString text;
    GetWindowText(text);
    DrawColumnText(item->hDC, item->rcItem, text, m_layout);
    SetTextColor(item->hDC, oldColour);
}
