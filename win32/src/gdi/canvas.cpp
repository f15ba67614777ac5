#include "gdi/canvas.h"

#include <algorithm>

namespace win32::gdi {

namespace {

int Wrap(int value, int size)
{
    int r = value % size;
    return r < 0 ? r + size : r;
}

// 8x8 hatch patterns: true where the hatch line is.
bool HatchBit(ULONG_PTR hatch, int x, int y)
{
    switch (hatch) {
    case HS_HORIZONTAL:
        return y == 7;
    case HS_VERTICAL:
        return x == 7;
    case HS_FDIAGONAL:
        return x == y;
    case HS_BDIAGONAL:
        return x + y == 7;
    case HS_CROSS:
        return x == 7 || y == 7;
    case HS_DIAGCROSS:
        return x == y || x + y == 7;
    default:
        return false;
    }
}

} // namespace

uint32_t Paint::At(int x, int y) const
{
    if (pattern.empty())
        return color;
    return pattern[Wrap(y - originY, height) * width + Wrap(x - originX, width)];
}

bool Paint::Covers(int x, int y) const
{
    if (mask.empty())
        return true;
    return mask[Wrap(y - originY, height) * width + Wrap(x - originX, width)] != 0;
}

Canvas::Canvas(DeviceContext &dc, bool modifies)
    : m_dc(dc), m_bitmap(dc.Target()), m_access(m_bitmap, modifies), m_clip(dc.EffectiveClip()),
      m_offsetX(dc.OffsetX()), m_offsetY(dc.OffsetY())
{
}

bool Canvas::InClip(int x, int y) const { return m_clip.Contains(x, y); }

uint32_t Canvas::Pixel(COLORREF color) const
{
    uint32_t pixel = PixelFromColorRef(color & 0xFFFFFF);
    return Monochrome() ? MonochromePixel(pixel) : pixel;
}

Paint Canvas::SolidPaint(COLORREF color) const
{
    Paint paint;
    paint.color = Pixel(color);
    return paint;
}

Paint Canvas::BrushPaint(const Brush &brush) const
{
    const LOGBRUSH &log = brush.Log();
    Paint paint;
    POINT origin = m_dc.DeviceOrigin();
    paint.originX = origin.x;
    paint.originY = origin.y;
    switch (log.lbStyle) {
    case BS_SOLID:
        paint.color = Pixel(brush.FollowsDcColor() ? State().dcBrushColor : log.lbColor);
        break;
    case BS_HATCHED: {
        paint.width = paint.height = 8;
        uint32_t line = Pixel(log.lbColor);
        uint32_t back = Pixel(State().bkColor);
        bool opaque = State().bkMode == OPAQUE;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                bool on = HatchBit(log.lbHatch, x, y);
                paint.pattern.push_back(on ? line : back);
                if (!opaque)
                    paint.mask.push_back(on ? 1 : 0);
            }
        break;
    }
    case BS_PATTERN: {
        const BrushPattern &pattern = brush.Pattern();
        if (pattern.pixels.empty()) {
            paint.empty = true;
            break;
        }
        paint.width = pattern.width;
        paint.height = pattern.height;
        // A monochrome pattern takes the DC's text colour for 0 and background colour for 1.
        uint32_t zero = Pixel(State().textColor);
        uint32_t one = Pixel(State().bkColor);
        paint.pattern.reserve(pattern.pixels.size());
        for (uint32_t p : pattern.pixels)
            paint.pattern.push_back(pattern.monochrome ? (p ? one : zero) : (Monochrome() ? MonochromePixel(p) : p));
        break;
    }
    default:
        paint.empty = true;
        break;
    }
    return paint;
}

void Canvas::FillRect(const RECT &rect, const Paint &paint, uint8_t rop)
{
    if (paint.empty)
        return;
    RECT bounds = RectIntersection(rect, m_clip.Bounds());
    for (int y = bounds.top; y < bounds.bottom; ++y)
        FillClipped(y, bounds.left, bounds.right, paint, rop);
}

void Canvas::FillSpan(int y, int x0, int x1, const Paint &paint, uint8_t rop)
{
    if (paint.empty || x0 >= x1)
        return;
    FillClipped(y, x0, x1, paint, rop);
}

void Canvas::FillClipped(int y, int x0, int x1, const Paint &paint, uint8_t rop)
{
    for (const RECT &clip : m_clip.Rects()) {
        if (y < clip.top || y >= clip.bottom)
            continue;
        int from = std::max<int>(x0, clip.left);
        int to = std::min<int>(x1, clip.right);
        if (from >= to)
            continue;
        uint32_t *row = m_bitmap->Row(y);
        if (paint.IsSolid() && rop == 0xF0) {
            std::fill(row + from, row + to, paint.color);
            continue;
        }
        for (int x = from; x < to; ++x)
            if (paint.Covers(x, y))
                row[x] = ApplyRop3(rop, paint.At(x, y), 0, row[x]);
    }
}

void Canvas::PlotPixel(int x, int y, uint32_t pixel, uint8_t rop)
{
    if (!InClip(x, y))
        return;
    uint32_t &d = m_bitmap->Row(y)[x];
    d = ApplyRop3(rop, pixel, 0, d);
}

} // namespace win32::gdi
