#include "core/column_list_box.h"

#include "core/column_list_draw.h"

IMPLEMENT_DYNAMIC(CColumnListBox, CListBox)

void CColumnListBox::SetLayout(const ColumnDescriptor *columns, int count)
{
    ColumnLayout layout;
    layout.Set(columns, count);
    SetLayout(layout);
}

void CColumnListBox::SetLayout(const ColumnLayout &layout)
{
    m_layout = layout;
    if (m_hWnd)
        Invalidate();
}

void CColumnListBox::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item)
        return;
    const RECT &rect = item->rcItem;
    // A focus change alone toggles the rectangle that is already drawn; an empty list has only that to show.
    if (item->itemAction == ODA_FOCUS || item->itemID == static_cast<UINT>(-1)) {
        if (item->itemState & ODS_FOCUS || item->itemAction == ODA_FOCUS)
            DrawFocusRect(item->hDC, &rect);
        return;
    }
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    FillRect(item->hDC, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int textColour = (item->itemState & ODS_DISABLED) ? COLOR_GRAYTEXT
                           : selected                       ? COLOR_HIGHLIGHTTEXT
                                                            : COLOR_WINDOWTEXT;
    const COLORREF oldColour = SetTextColor(item->hDC, GetSysColor(textColour));
    CString text;
    GetText(static_cast<int>(item->itemID), text);
    DrawColumnText(item->hDC, rect, text, m_layout);
    SetTextColor(item->hDC, oldColour);
    if (item->itemState & ODS_FOCUS)
        DrawFocusRect(item->hDC, &rect);
}
