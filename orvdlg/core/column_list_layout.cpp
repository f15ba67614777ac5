#include "core/column_list_layout.h"

#include <algorithm>
#include <cmath>

namespace {
// Far beyond any window, yet well inside int: a position this large or small draws nowhere either way.
constexpr double kPixelBound = 1 << 24;
} // namespace

int ColumnPixel(double percent, int rowWidth)
{
    const double pixel = percent / 100.0 * rowWidth + 0.5;
    if (std::isnan(pixel))
        return 0;
    return static_cast<int>(std::clamp(pixel, -kPixelBound, kPixelBound));
}

void ColumnLayout::Set(const ColumnDescriptor *columns, int count)
{
    m_columns.clear();
    if (!columns || count <= 0)
        return;
    m_columns.assign(columns, columns + std::min(count, kMaxColumns));
}

ColumnAlignment ColumnLayout::AlignmentOf(int index) const
{
    switch (At(index).alignment) {
    case static_cast<int>(ColumnAlignment::Right):
        return ColumnAlignment::Right;
    case static_cast<int>(ColumnAlignment::Centre):
        return ColumnAlignment::Centre;
    default:
        return ColumnAlignment::Left;
    }
}

bool ColumnLayout::FieldSpan(int index, int rowWidth, ColumnSpan &span) const
{
    if (index < 0 || index >= Count())
        return false;
    span.left = ColumnPixel(At(index).position, rowWidth);
    span.right = index + 1 < Count() ? ColumnPixel(At(index + 1).position, rowWidth) : rowWidth;
    span.right = std::max(span.left, span.right);
    return true;
}
