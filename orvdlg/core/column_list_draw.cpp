#include "core/column_list_draw.h"

namespace {
// Blank pixels at both sides of a field inside its column.
constexpr int kFieldInset = 2;

UINT FormatOf(ColumnAlignment alignment)
{
    const UINT base = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    switch (alignment) {
    case ColumnAlignment::Right:
        return base | DT_RIGHT;
    case ColumnAlignment::Centre:
        return base | DT_CENTER;
    case ColumnAlignment::Left:
        break;
    }
    return base | DT_LEFT;
}
} // namespace

void DrawColumnText(HDC dc, const RECT &row, const char *text, const ColumnLayout &layout)
{
    if (!text)
        return;
    const int width = row.right - row.left;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    int index = 0;
    ForEachPiece(text, '|', [&](std::string_view field) {
        ColumnSpan span;
        if (layout.FieldSpan(index, width, span) && span.right - span.left > 2 * kFieldInset && !field.empty()) {
            RECT cell{row.left + span.left + kFieldInset, row.top, row.left + span.right - kFieldInset,
                      row.bottom};
            DrawTextA(dc, field.data(), static_cast<int>(field.size()), &cell, FormatOf(layout.AlignmentOf(index)));
        }
        ++index;
    });
    SetBkMode(dc, oldMode);
}
