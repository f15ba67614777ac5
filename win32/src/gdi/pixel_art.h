// Small pictures drawn from text masks ('#' marks a pixel): check marks, arrows and the glyphs
// of the standard icons.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace win32::gdi {

// Calls `plot(x, y)` for every '#' of `rows`, with the mask's top-left at (left, top).
template <class Plot> void ForEachMaskPixel(std::initializer_list<std::string_view> rows, int left, int top, Plot &&plot)
{
    int y = top;
    for (std::string_view row : rows) {
        for (size_t i = 0; i < row.size(); ++i)
            if (row[i] == '#')
                plot(left + static_cast<int>(i), y);
        ++y;
    }
}

} // namespace win32::gdi
