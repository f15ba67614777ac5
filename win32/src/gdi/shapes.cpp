// Lines and filled shapes: MoveToEx, LineTo, Polyline, Polygon, Rectangle, Ellipse, SetPixel,
// GetPixel. Fills use the DC's brush and its ROP2 mode; outlines use the pen. As in Win32 the
// right and bottom edges of a rectangle are excluded and a line leaves out its last pixel.
#include "gdi/pen_painter.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace win32::gdi;

namespace {

struct Span {
    int from; // inclusive
    int to;   // exclusive
};

// Rows of an ellipse inscribed in `box` (surface coordinates, half-open), sampled at pixel centres.
std::vector<Span> EllipseRows(const RECT &box)
{
    int height = box.bottom - box.top;
    std::vector<Span> rows(std::max(0, height), Span{0, 0});
    double rx = (box.right - box.left) / 2.0;
    double ry = height / 2.0;
    if (rx <= 0 || ry <= 0)
        return rows;
    double cx = (box.left + box.right) / 2.0;
    double cy = (box.top + box.bottom) / 2.0;
    for (int i = 0; i < height; ++i) {
        double dy = (box.top + i + 0.5 - cy) / ry;
        double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        int from = static_cast<int>(std::ceil(cx - half - 0.5));
        int to = static_cast<int>(std::floor(cx + half - 0.5)) + 1;
        rows[i] = Span{from, std::max(from, to)};
    }
    return rows;
}

bool SpanHas(const std::vector<Span> &rows, int index, int x)
{
    if (index < 0 || index >= static_cast<int>(rows.size()))
        return false;
    return x >= rows[index].from && x < rows[index].to;
}

// Fills `spans` by rows starting at `top`, skipping pixels for which `skip` is true.
template <class Skip>
void FillRowsExcept(Canvas &canvas, int top, const std::vector<Span> &rows, const Paint &paint, uint8_t rop,
                    Skip &&skip)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        int y = top + static_cast<int>(i);
        int runStart = rows[i].from;
        for (int x = rows[i].from; x <= rows[i].to; ++x) {
            bool end = x == rows[i].to || skip(static_cast<int>(i), x);
            if (end) {
                canvas.FillSpan(y, runStart, x, paint, rop);
                runStart = x + 1;
            }
        }
    }
}

RECT NormalizedBox(const Canvas &canvas, int left, int top, int right, int bottom)
{
    RECT r{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    return RECT{r.left + canvas.OffsetX(), r.top + canvas.OffsetY(), r.right + canvas.OffsetX(),
                r.bottom + canvas.OffsetY()};
}

// Scanline fill of a polygon (surface coordinates) with the even-odd or winding rule, sampling
// at pixel centres so that right and bottom edges are left out.
void FillPolygon(Canvas &canvas, const std::vector<POINT> &pts, bool winding, const Paint &paint, uint8_t rop)
{
    if (pts.size() < 3 || paint.empty)
        return;
    LONG top = pts[0].y;
    LONG bottom = pts[0].y;
    for (const POINT &p : pts) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    RECT clip = canvas.Clip().Bounds();
    top = std::max(top, clip.top);
    bottom = std::min(bottom, clip.bottom);
    struct Crossing {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (LONG y = top; y < bottom; ++y) {
        double sy = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            const POINT &a = pts[i];
            const POINT &b = pts[(i + 1) % pts.size()];
            if (a.y == b.y)
                continue;
            double lo = std::min(a.y, b.y);
            double hi = std::max(a.y, b.y);
            if (sy < lo || sy >= hi)
                continue;
            double x = a.x + (sy - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y);
            crossings.push_back(Crossing{x, b.y > a.y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing &l, const Crossing &r) { return l.x < r.x; });
        int inside = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            inside = winding ? inside + crossings[i].direction : inside ^ 1;
            if (inside == 0)
                continue;
            int from = static_cast<int>(std::ceil(crossings[i].x - 0.5));
            int to = static_cast<int>(std::ceil(crossings[i + 1].x - 0.5));
            canvas.FillSpan(y, from, to, paint, rop);
        }
    }
}

} // namespace

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    if (lppt)
        *lppt = dc->State().position;
    dc->State().position = POINT{x, y};
    return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    Canvas canvas(*dc, true);
    if (canvas.Valid()) {
        POINT from = dc->State().position;
        PenPainter pen(canvas);
        pen.Line(from.x + canvas.OffsetX(), from.y + canvas.OffsetY(), x + canvas.OffsetX(), y + canvas.OffsetY(),
                 false);
    }
    dc->State().position = POINT{x, y};
    return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, const POINT *apt, int cpt)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    if (!apt || cpt < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Canvas canvas(*dc, true);
    if (!canvas.Valid())
        return TRUE;
    PenPainter pen(canvas);
    for (int i = 0; i + 1 < cpt; ++i)
        pen.Line(apt[i].x + canvas.OffsetX(), apt[i].y + canvas.OffsetY(), apt[i + 1].x + canvas.OffsetX(),
                 apt[i + 1].y + canvas.OffsetY(), false);
    return TRUE;
}

BOOL WINAPI Polygon(HDC hdc, const POINT *apt, int cpt)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    if (!apt || cpt < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Canvas canvas(*dc, true);
    if (!canvas.Valid())
        return TRUE;
    std::vector<POINT> pts(apt, apt + cpt);
    for (POINT &p : pts) {
        p.x += canvas.OffsetX();
        p.y += canvas.OffsetY();
    }
    FillPolygon(canvas, pts, dc->State().polyFillMode == WINDING, canvas.CurrentBrushPaint(), canvas.Rop2());
    PenPainter pen(canvas);
    for (int i = 0; i < cpt; ++i) {
        const POINT &a = pts[i];
        const POINT &b = pts[(i + 1) % cpt];
        pen.Line(a.x, a.y, b.x, b.y, false);
    }
    return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    Canvas canvas(*dc, true);
    if (!canvas.Valid())
        return TRUE;
    RECT box = NormalizedBox(canvas, left, top, right, bottom);
    PenPainter pen(canvas);
    // The brush covers [left, right-1) x [top, bottom-1); the pen's outline is drawn over it.
    RECT fill{box.left, box.top, box.right - 1, box.bottom - 1};
    if (!pen.IsNull()) {
        int inset = pen.FrameInset();
        fill = RECT{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
    }
    canvas.FillRect(fill, canvas.CurrentBrushPaint(), canvas.Rop2());
    pen.Frame(box);
    return TRUE;
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    Canvas canvas(*dc, true);
    if (!canvas.Valid())
        return TRUE;
    RECT box = NormalizedBox(canvas, left, top, right, bottom);
    PenPainter pen(canvas);
    Paint brush = canvas.CurrentBrushPaint();
    uint8_t rop = canvas.Rop2();
    if (pen.IsNull()) {
        RECT inner{box.left, box.top, box.right - 1, box.bottom - 1};
        FillRowsExcept(canvas, inner.top, EllipseRows(inner), brush, rop, [](int, int) { return false; });
        return TRUE;
    }
    std::vector<Span> outer = EllipseRows(box);
    int w = pen.Width();
    RECT insetBox{box.left + w, box.top + w, box.right - w, box.bottom - w};
    std::vector<Span> inner = w > 1 ? EllipseRows(insetBox) : std::vector<Span>{};
    // A pixel belongs to the outline when it lies outside the inset ellipse (wide pens) or on the
    // outer ellipse's edge: its own row ends or an empty neighbour above or below.
    auto isOutline = [&](int row, int x) {
        if (w > 1)
            return !SpanHas(inner, row - w, x);
        return x == outer[row].from || x == outer[row].to - 1 || !SpanHas(outer, row - 1, x) ||
               !SpanHas(outer, row + 1, x);
    };
    FillRowsExcept(canvas, box.top, outer, brush, rop, isOutline);
    Paint penPaint;
    penPaint.color = pen.Color();
    FillRowsExcept(canvas, box.top, outer, penPaint, rop, [&](int row, int x) { return !isOutline(row, x); });
    return TRUE;
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return CLR_INVALID;
    Canvas canvas(*dc, true);
    int sx = x + canvas.OffsetX();
    int sy = y + canvas.OffsetY();
    if (!canvas.Valid() || !canvas.InClip(sx, sy))
        return CLR_INVALID;
    uint32_t pixel = canvas.Pixel(color);
    canvas.Target().Row(sy)[sx] = pixel;
    return ColorRefFromPixel(pixel);
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return CLR_INVALID;
    Canvas canvas(*dc, false);
    int sx = x + canvas.OffsetX();
    int sy = y + canvas.OffsetY();
    if (!canvas.Valid() || !canvas.InClip(sx, sy))
        return CLR_INVALID;
    return ColorRefFromPixel(canvas.Target().Row(sy)[sx]);
}
