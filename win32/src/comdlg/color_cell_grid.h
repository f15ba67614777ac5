// A box of colour cells in rows and columns (the basic and the custom colours): where each cell lies,
// which cell a point hits, and its painting.
#pragma once
#include <windows.h>

namespace win32::comdlg {

class ColorCellGrid {
public:
    ColorCellGrid(int rows, int columns) : m_rows(rows), m_columns(columns) {}

    int Count() const { return m_rows * m_columns; }
    // The cell under `point` (in the box's coordinates), -1 for none.
    int CellAt(const RECT &box, POINT point) const;
    RECT CellRect(const RECT &box, int index) const;
    // Each cell sunken with its colour; the selected one (-1: none) framed.
    void Paint(HDC dc, const RECT &box, const COLORREF *colors, int selected) const;

private:
    int m_rows;
    int m_columns;
};

// The 48 basic colours, row by row (6 rows of 8).
const COLORREF *BasicColors();
// The basic colour equal to `color`, -1 for none.
int FindBasicColor(COLORREF color);

} // namespace win32::comdlg
