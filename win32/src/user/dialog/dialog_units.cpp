#include "user/dialog/dialog_units.h"

#include "user/dialog/dialog_data.h"

namespace win32::user::dialog {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = sizeof kAlphabet - 1;
constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;

} // namespace

SIZE FontBaseUnits(HFONT font) {
    SIZE units{8, 16};
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return units;
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SIZE extent{};
    TEXTMETRICA metrics{};
    if (GetTextExtentPoint32A(dc, kAlphabet, kAlphabetLength, &extent) && GetTextMetricsA(dc, &metrics)) {
        // The average width of the alphabet, rounded to the nearest pixel.
        units.cx = (extent.cx + kAlphabetLength / 2) / kAlphabetLength;
        units.cy = metrics.tmHeight;
    }
    if (old)
        SelectObject(dc, old);
    DeleteDC(dc);
    if (units.cx <= 0)
        units.cx = 1;
    if (units.cy <= 0)
        units.cy = 1;
    return units;
}

HFONT CreateTemplateFont(const DialogTemplate &dlg) {
    if (!dlg.font)
        return nullptr;
    const TemplateFont &f = *dlg.font;
    const int height = -MulDiv(f.pointSize, kScreenDpi, kPointsPerInch);
    return CreateFontA(height, 0, 0, 0, f.weight, f.italic, FALSE, FALSE, f.charset, 0, 0, 0, 0, f.face.c_str());
}

RECT DialogUnitsToPixels(const SIZE &baseUnits, int x, int y, int cx, int cy) {
    RECT r;
    r.left = MulDiv(x, baseUnits.cx, 4);
    r.top = MulDiv(y, baseUnits.cy, 8);
    // Sizes are converted on their own, so that equal template sizes give equal pixel sizes.
    r.right = r.left + MulDiv(cx, baseUnits.cx, 4);
    r.bottom = r.top + MulDiv(cy, baseUnits.cy, 8);
    return r;
}

} // namespace win32::user::dialog

using namespace win32::user::dialog;

LONG WINAPI GetDialogBaseUnits(void) {
    static const SIZE units = FontBaseUnits(nullptr);
    return MAKELONG(units.cx, units.cy);
}

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
    DialogData *data = DataOf(hDlg);
    if (!data) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!lpRect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    lpRect->left = MulDiv(lpRect->left, data->baseUnits.cx, 4);
    lpRect->right = MulDiv(lpRect->right, data->baseUnits.cx, 4);
    lpRect->top = MulDiv(lpRect->top, data->baseUnits.cy, 8);
    lpRect->bottom = MulDiv(lpRect->bottom, data->baseUnits.cy, 8);
    return TRUE;
}
