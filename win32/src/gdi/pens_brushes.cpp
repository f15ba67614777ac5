// Pens, brushes and palettes (palettes are stored only: the device is true-colour).
#include "gdi/dc.h"

#include <algorithm>

using namespace win32::gdi;

HPEN WINAPI CreatePenIndirect(const LOGPEN *plpen)
{
    if (!plpen) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    LOGPEN log = *plpen;
    if ((log.lopnStyle & 0x0F) > PS_INSIDEFRAME) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (log.lopnWidth.x < 0)
        log.lopnWidth.x = 0;
    log.lopnWidth.y = 0;
    return CreateObjectHandle<Pen, HPEN>(log);
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color)
{
    LOGPEN log{static_cast<UINT>(iStyle), POINT{cWidth, 0}, color};
    return CreatePenIndirect(&log);
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH *plbrush)
{
    if (!plbrush) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    switch (plbrush->lbStyle) {
    case BS_SOLID:
    case BS_NULL:
        return CreateObjectHandle<Brush, HBRUSH>(*plbrush);
    case BS_HATCHED:
        if (plbrush->lbHatch > HS_DIAGCROSS) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        return CreateObjectHandle<Brush, HBRUSH>(*plbrush);
    case BS_PATTERN:
        return CreatePatternBrush(reinterpret_cast<HBITMAP>(plbrush->lbHatch));
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color)
{
    LOGBRUSH log{BS_SOLID, color, 0};
    return CreateBrushIndirect(&log);
}

HBRUSH WINAPI CreateHatchBrush(int iHatch, COLORREF color)
{
    LOGBRUSH log{BS_HATCHED, color, static_cast<ULONG_PTR>(iHatch)};
    return CreateBrushIndirect(&log);
}

HBRUSH WINAPI CreatePatternBrush(HBITMAP hbm)
{
    // The brush keeps its own copy of the pattern: the bitmap may be deleted afterwards.
    auto bitmap = Lookup<Bitmap>(hbm);
    if (!bitmap)
        return nullptr;
    BitmapAccess access(bitmap.get(), false);
    BrushPattern pattern;
    pattern.width = bitmap->Width();
    pattern.height = bitmap->Height();
    pattern.monochrome = bitmap->IsMonochrome();
    pattern.pixels.reserve(static_cast<size_t>(pattern.width) * pattern.height);
    for (int y = 0; y < pattern.height; ++y)
        pattern.pixels.insert(pattern.pixels.end(), bitmap->Row(y), bitmap->Row(y) + pattern.width);
    LOGBRUSH log{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(hbm)};
    return CreateObjectHandle<Brush, HBRUSH>(log, std::move(pattern));
}

HPALETTE WINAPI CreatePalette(const LOGPALETTE *plpal)
{
    if (!plpal || plpal->palNumEntries == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<PALETTEENTRY> entries(plpal->palPalEntry, plpal->palPalEntry + plpal->palNumEntries);
    return CreateObjectHandle<Palette, HPALETTE>(std::move(entries));
}

HPALETTE WINAPI SelectPalette(HDC hdc, HPALETTE hPal, BOOL bForceBkgd)
{
    auto dc = LookupDc(hdc);
    auto palette = Lookup<Palette>(hPal);
    if (!dc || !palette)
        return nullptr;
    HPALETTE previous = static_cast<HPALETTE>(dc->State().palette->Handle());
    dc->State().palette = palette;
    return previous;
}

// A true-colour device maps nothing when a palette is realised.
UINT WINAPI RealizePalette(HDC hdc) { return LookupDc(hdc) ? 0 : GDI_ERROR; }
