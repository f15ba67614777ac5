#include "comdlg/color_cell_grid.h"

#include "comdlg/fill_solid.h"

#include <colordlg.h>

namespace win32::comdlg {

namespace {

// Space between a cell's frame and the colour inside it, in pixels.
constexpr int kCellGap = 3;

constexpr COLORREF kBasicColors[NUM_BASIC_COLORS] = {
    RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),
    RGB(128, 255, 255), RGB(0, 128, 255),   RGB(255, 128, 192), RGB(255, 128, 255),
    RGB(255, 0, 0),     RGB(255, 255, 0),   RGB(128, 255, 0),   RGB(0, 255, 64),
    RGB(0, 255, 255),   RGB(0, 128, 192),   RGB(128, 128, 192), RGB(255, 0, 255),
    RGB(128, 64, 64),   RGB(255, 128, 64),  RGB(0, 255, 0),     RGB(0, 128, 128),
    RGB(0, 64, 128),    RGB(128, 128, 255), RGB(128, 0, 64),    RGB(255, 0, 128),
    RGB(128, 0, 0),     RGB(255, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 64),
    RGB(0, 0, 255),     RGB(0, 0, 160),     RGB(128, 0, 128),   RGB(128, 0, 255),
    RGB(64, 0, 0),      RGB(128, 64, 0),    RGB(0, 64, 0),      RGB(0, 64, 64),
    RGB(0, 0, 128),     RGB(0, 0, 64),      RGB(64, 0, 64),     RGB(64, 0, 128),
    RGB(0, 0, 0),       RGB(128, 128, 0),   RGB(128, 128, 64),  RGB(128, 128, 128),
    RGB(64, 128, 128),  RGB(192, 192, 192), RGB(64, 0, 64)  ,    RGB(255, 255, 255),
};

} // namespace

int ColorCellGrid::CellAt(const RECT &box, POINT point) const {
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0 || !PtInRect(&box, point))
        return -1;
    const int column = (point.x - box.left) * m_columns / width;
    const int row = (point.y - box.top) * m_rows / height;
    return row * m_columns + column;
}

RECT ColorCellGrid::CellRect(const RECT &box, int index) const {
    const int width = box.right - box.left, height = box.bottom - box.top;
    const int row = index / m_columns, column = index % m_columns;
    return RECT{box.left + column * width / m_columns, box.top + row * height / m_rows,
                box.left + (column + 1) * width / m_columns, box.top + (row + 1) * height / m_rows};
}

void ColorCellGrid::Paint(HDC dc, const RECT &box, const COLORREF *colors, int selected) const {
    FillRect(dc, &box, GetSysColorBrush(COLOR_3DFACE));
    for (int i = 0; i < Count(); ++i) {
        RECT cell = CellRect(box, i);
        if (i == selected) {
            FrameRect(dc, &cell, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            InflateRect(&cell, -1, -1);
            FrameRect(dc, &cell, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            InflateRect(&cell, 1, 1);
        }
        InflateRect(&cell, -kCellGap, -kCellGap);
        DrawEdge(dc, &cell, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        FillSolid(dc, cell, colors[i]);
    }
}

const COLORREF *BasicColors() {
    return kBasicColors;
}

int FindBasicColor(COLORREF color) {
    for (int i = 0; i < NUM_BASIC_COLORS; ++i)
        if (kBasicColors[i] == (color & 0x00FFFFFF))
            return i;
    return -1;
}

} // namespace win32::comdlg
