// The DC's plain attributes: colours, background mode, ROP2, text alignment, origins, mapping
// mode and the DC brush/pen colours. Each setter returns the previous value, or the documented
// error value for an invalid DC.
#include "gdi/dc.h"

using namespace win32::gdi;

namespace {

// Sets one attribute through `field` and returns its previous value, or `error` for a bad DC.
template <class T, class V> T Exchange(HDC hdc, T DcState::*field, V value, T error)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return error;
    T previous = dc->State().*field;
    dc->State().*field = static_cast<T>(value);
    return previous;
}

template <class T> T Read(HDC hdc, T DcState::*field, T error)
{
    auto dc = LookupDc(hdc);
    return dc ? dc->State().*field : error;
}

BOOL ExchangePoint(HDC hdc, POINT DcState::*field, int x, int y, LPPOINT previous, bool relative)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    POINT &point = dc->State().*field;
    if (previous)
        *previous = point;
    point = relative ? POINT{point.x + x, point.y + y} : POINT{x, y};
    return TRUE;
}

} // namespace

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) { return Exchange(hdc, &DcState::textColor, color, CLR_INVALID); }
COLORREF WINAPI GetTextColor(HDC hdc) { return Read(hdc, &DcState::textColor, CLR_INVALID); }
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) { return Exchange(hdc, &DcState::bkColor, color, CLR_INVALID); }
COLORREF WINAPI GetBkColor(HDC hdc) { return Read(hdc, &DcState::bkColor, CLR_INVALID); }
COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF color)
{
    return Exchange(hdc, &DcState::dcBrushColor, color, CLR_INVALID);
}
COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF color) { return Exchange(hdc, &DcState::dcPenColor, color, CLR_INVALID); }

int WINAPI SetBkMode(HDC hdc, int mode)
{
    if (mode != OPAQUE && mode != TRANSPARENT) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Exchange(hdc, &DcState::bkMode, mode, 0);
}

int WINAPI GetBkMode(HDC hdc) { return Read(hdc, &DcState::bkMode, 0); }

int WINAPI SetROP2(HDC hdc, int rop2)
{
    if (rop2 < R2_BLACK || rop2 > R2_WHITE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Exchange(hdc, &DcState::rop2, rop2, 0);
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) { return Exchange(hdc, &DcState::textAlign, align, static_cast<UINT>(GDI_ERROR)); }

int WINAPI SetMapMode(HDC hdc, int iMode)
{
    // Only MM_TEXT (one logical unit is one pixel) exists on this device.
    if (iMode != MM_TEXT) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Exchange(hdc, &DcState::mapMode, iMode, 0);
}

BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return ExchangePoint(hdc, &DcState::viewportOrg, x, y, lppt, false);
}

BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return ExchangePoint(hdc, &DcState::viewportOrg, x, y, lppt, true);
}

BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppoint)
{
    auto dc = LookupDc(hdc);
    if (!dc || !lppoint)
        return FALSE;
    *lppoint = dc->State().viewportOrg;
    return TRUE;
}

BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return ExchangePoint(hdc, &DcState::windowOrg, x, y, lppt, false);
}
