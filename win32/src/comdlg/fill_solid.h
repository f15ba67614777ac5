// Fills a rectangle with one colour, for the colour dialog's cells, swatch and bars.
#pragma once
#include <windows.h>

namespace win32::comdlg {

void FillSolid(HDC dc, const RECT &rect, COLORREF color);

} // namespace win32::comdlg
