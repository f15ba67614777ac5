#include "comdlg/fill_solid.h"

namespace win32::comdlg {

void FillSolid(HDC dc, const RECT &rect, COLORREF color) {
    if (HBRUSH brush = CreateSolidBrush(color)) {
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
    }
}

} // namespace win32::comdlg
