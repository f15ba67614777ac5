// USER's rectangle painting: FillRect, FrameRect, InvertRect and DrawFocusRect.
#include "gdi/canvas.h"

using namespace win32::gdi;

namespace {

// FillRect and FrameRect accept a system colour index + 1 in place of a brush.
std::shared_ptr<Brush> ResolveBrush(HBRUSH hbr)
{
    uintptr_t value = reinterpret_cast<uintptr_t>(hbr);
    if (value >= 1 && value <= 31) {
        HBRUSH sys = GetSysColorBrush(static_cast<int>(value - 1));
        return sys ? Lookup<Brush>(sys) : nullptr;
    }
    return Lookup<Brush>(hbr);
}

RECT ToSurface(const Canvas &canvas, const RECT &r)
{
    return RECT{r.left + canvas.OffsetX(), r.top + canvas.OffsetY(), r.right + canvas.OffsetX(),
                r.bottom + canvas.OffsetY()};
}

} // namespace

int WINAPI FillRect(HDC hDC, const RECT *lprc, HBRUSH hbr)
{
    auto dc = LookupDc(hDC);
    auto brush = dc ? ResolveBrush(hbr) : nullptr;
    if (!dc || !brush || !lprc)
        return 0;
    Canvas canvas(*dc, true);
    if (canvas.Valid())
        canvas.FillRect(ToSurface(canvas, *lprc), canvas.BrushPaint(*brush), 0xF0);
    return 1;
}

int WINAPI FrameRect(HDC hDC, const RECT *lprc, HBRUSH hbr)
{
    auto dc = LookupDc(hDC);
    auto brush = dc ? ResolveBrush(hbr) : nullptr;
    if (!dc || !brush || !lprc)
        return 0;
    if (lprc->right <= lprc->left || lprc->bottom <= lprc->top)
        return 1;
    Canvas canvas(*dc, true);
    if (!canvas.Valid())
        return 1;
    RECT r = ToSurface(canvas, *lprc);
    Paint paint = canvas.BrushPaint(*brush);
    canvas.FillRect(RECT{r.left, r.top, r.right, r.top + 1}, paint, 0xF0);
    canvas.FillRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, paint, 0xF0);
    canvas.FillRect(RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, paint, 0xF0);
    canvas.FillRect(RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, paint, 0xF0);
    return 1;
}

BOOL WINAPI InvertRect(HDC hDC, const RECT *lprc)
{
    if (!lprc)
        return FALSE;
    return PatBlt(hDC, lprc->left, lprc->top, lprc->right - lprc->left, lprc->bottom - lprc->top, DSTINVERT);
}

BOOL WINAPI DrawFocusRect(HDC hDC, const RECT *lprc)
{
    auto dc = LookupDc(hDC);
    if (!dc || !lprc)
        return FALSE;
    if (lprc->right <= lprc->left || lprc->bottom <= lprc->top)
        return TRUE;
    Canvas canvas(*dc, true);
    if (!canvas.Valid())
        return TRUE;
    // Every other pixel inverted (a 50% pattern XORed), so a second call removes the rectangle.
    Paint dots;
    dots.width = dots.height = 2;
    dots.pattern = {kWhitePixel, 0, 0, kWhitePixel};
    dots.mask = {1, 0, 0, 1};
    POINT origin = dc->DeviceOrigin();
    dots.originX = origin.x;
    dots.originY = origin.y;
    RECT r = ToSurface(canvas, *lprc);
    constexpr uint8_t kPatInvert = 0x5A;
    canvas.FillRect(RECT{r.left, r.top, r.right, r.top + 1}, dots, kPatInvert);
    if (r.bottom - 1 > r.top)
        canvas.FillRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, dots, kPatInvert);
    canvas.FillRect(RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, dots, kPatInvert);
    if (r.right - 1 > r.left)
        canvas.FillRect(RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, dots, kPatInvert);
    return TRUE;
}
