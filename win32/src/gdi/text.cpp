// Fonts and text output: CreateFontIndirectA/CreateFontA keep the LOGFONT as given (GetObjectA
// returns it unchanged); every font renders with the built-in 6x13 glyphs.
#include "gdi/text_render.h"

#include <algorithm>
#include <cstring>

using namespace win32::gdi;

namespace {

FontMetrics CurrentMetrics(const DeviceContext &dc) { return MetricsOf(dc.State().font->Log()); }

int RunWidth(const FontMetrics &m, UINT count, const INT *dx)
{
    if (!dx)
        return TextWidth(m, static_cast<int>(count));
    int width = 0;
    for (UINT i = 0; i < count; ++i)
        width += dx[i];
    return width;
}

} // namespace

HFONT WINAPI CreateFontIndirectA(const LOGFONTA *lplf)
{
    if (!lplf) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateObjectHandle<Font, HFONT>(*lplf);
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision,
                         DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName)
{
    LOGFONTA lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = static_cast<BYTE>(bItalic);
    lf.lfUnderline = static_cast<BYTE>(bUnderline);
    lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(iCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    lf.lfQuality = static_cast<BYTE>(iQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    if (pszFaceName)
        std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT *lprect, LPCSTR lpString, UINT c,
                        const INT *lpDx)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    if (!lpString)
        c = 0;
    DcState &state = dc->State();
    Canvas canvas(*dc, true);
    if (!canvas.Valid())
        return TRUE;
    FontMetrics m = CurrentMetrics(*dc);
    int width = RunWidth(m, c, lpDx);
    UINT align = state.textAlign;
    bool updateCp = (align & TA_UPDATECP) != 0;
    if (updateCp) {
        x = state.position.x;
        y = state.position.y;
    }
    int left = x;
    switch (align & TA_CENTER) {
    case TA_RIGHT:
        left = x - width;
        break;
    case TA_CENTER:
        left = x - width / 2;
        break;
    default:
        break;
    }
    int top = y;
    switch (align & TA_BASELINE) {
    case TA_BOTTOM:
        top = y - m.height;
        break;
    case TA_BASELINE:
        top = y - m.ascent;
        break;
    default:
        break;
    }
    if (updateCp) {
        if ((align & TA_CENTER) == TA_LEFT)
            state.position.x += width;
        else if ((align & TA_CENTER) == TA_RIGHT)
            state.position.x -= width;
    }
    int ox = canvas.OffsetX();
    int oy = canvas.OffsetY();
    RECT rect{};
    if (lprect)
        rect = RECT{lprect->left + ox, lprect->top + oy, lprect->right + ox, lprect->bottom + oy};
    uint32_t bk = canvas.Pixel(state.bkColor);
    Paint bkPaint;
    bkPaint.color = bk;
    if (lprect && (options & ETO_OPAQUE))
        canvas.FillRect(rect, bkPaint, 0xF0);
    if (lprect && (options & ETO_CLIPPED))
        canvas.IntersectClip(rect);
    if (c == 0)
        return TRUE;
    RECT cell{left + ox, top + oy, left + ox + width, top + oy + m.height};
    if (state.bkMode == OPAQUE)
        canvas.FillRect(cell, bkPaint, 0xF0);
    DrawGlyphs(canvas, m, cell.left, cell.top, lpString, static_cast<int>(c), lpDx, canvas.Pixel(state.textColor));
    return TRUE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c)
{
    if (c < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return ExtTextOutA(hdc, x, y, 0, nullptr, lpString, static_cast<UINT>(c), nullptr);
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    if (!psizl || c < 0 || (c > 0 && !lpString)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    FontMetrics m = CurrentMetrics(*dc);
    psizl->cx = TextWidth(m, c);
    psizl->cy = m.height;
    return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    if (!lptm) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const LOGFONTA &lf = dc->State().font->Log();
    FontMetrics m = MetricsOf(lf);
    TEXTMETRICA tm{};
    tm.tmHeight = m.height;
    tm.tmAscent = m.ascent;
    tm.tmDescent = m.height - m.ascent;
    tm.tmInternalLeading = 0;
    tm.tmExternalLeading = 0;
    tm.tmAveCharWidth = m.advance;
    tm.tmMaxCharWidth = m.advance;
    tm.tmWeight = m.bold ? FW_BOLD : FW_NORMAL;
    tm.tmOverhang = 0;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 32;
    tm.tmLastChar = 255;
    tm.tmDefaultChar = 127;
    tm.tmBreakChar = ' ';
    tm.tmItalic = lf.lfItalic ? 1 : 0;
    tm.tmUnderlined = m.underline ? 1 : 0;
    tm.tmStruckOut = m.strikeOut ? 1 : 0;
    // TMPF_FIXED_PITCH set means variable pitch; the built-in font is fixed (bit clear), a
    // raster font (no TMPF_VECTOR/TRUETYPE bits), and keeps the LOGFONT's family.
    tm.tmPitchAndFamily = static_cast<BYTE>(lf.lfPitchAndFamily & 0xF0);
    tm.tmCharSet = lf.lfCharSet;
    *lptm = tm;
    return TRUE;
}

int WINAPI GetTextFaceA(HDC hdc, int c, LPSTR lpName)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return 0;
    const LOGFONTA &lf = dc->State().font->Log();
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, lf.lfFaceName, LF_FACESIZE);
    if (!face[0])
        std::strcpy(face, "System");
    int length = static_cast<int>(std::strlen(face));
    if (!lpName)
        return length + 1;
    if (c <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    int n = std::min(length, c - 1);
    std::memcpy(lpName, face, n);
    lpName[n] = '\0';
    return n;
}
