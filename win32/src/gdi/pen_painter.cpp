#include "gdi/pen_painter.h"

#include <algorithm>
#include <climits>
#include <map>

namespace win32::gdi {

namespace {

std::vector<int> DashesFor(UINT style)
{
    switch (style) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

} // namespace

PenPainter::PenPainter(Canvas &canvas) : m_canvas(canvas), m_rop(canvas.Rop2())
{
    const DcState &state = canvas.State();
    const Pen &pen = *state.pen;
    const LOGPEN &log = pen.Log();
    UINT style = log.lopnStyle & 0x0F;
    m_null = style == PS_NULL;
    m_insideFrame = style == PS_INSIDEFRAME;
    m_width = std::max<int>(1, log.lopnWidth.x);
    m_color = canvas.Pixel(pen.FollowsDcColor() ? state.dcPenColor : log.lopnColor);
    m_background = canvas.Pixel(state.bkColor);
    m_opaqueGaps = state.bkMode == OPAQUE;
    // Styles apply to one-pixel pens only; a wider pen draws solid.
    if (m_width == 1)
        m_dashes = DashesFor(style);
}

void PenPainter::Plot(int x, int y)
{
    if (m_dashes.empty()) {
        m_canvas.PlotPixel(x, y, m_color, m_rop);
        return;
    }
    int period = 0;
    for (int d : m_dashes)
        period += d;
    int at = m_stylePosition++ % period;
    bool on = true;
    for (int d : m_dashes) {
        if (at < d)
            break;
        at -= d;
        on = !on;
    }
    if (on)
        m_canvas.PlotPixel(x, y, m_color, m_rop);
    else if (m_opaqueGaps)
        m_canvas.PlotPixel(x, y, m_background, m_rop);
}

void PenPainter::Line(int x0, int y0, int x1, int y1, bool includeEnd)
{
    if (m_null)
        return;
    if (m_width > 1) {
        WideLine(x0, y0, x1, y1, includeEnd);
        return;
    }
    WalkLine(x0, y0, x1, y1, [&](int x, int y) { Plot(x, y); });
    if (includeEnd)
        Plot(x1, y1);
}

void PenPainter::WideLine(int x0, int y0, int x1, int y1, bool includeEnd)
{
    // A square of the pen's width swept along the line: convex, so each row is one span. The
    // spans are filled once each, so XOR and other non-idempotent modes stay correct.
    int half = m_width / 2;
    std::map<int, std::pair<int, int>> rows;
    auto stamp = [&](int x, int y) {
        for (int yy = y - half; yy < y - half + m_width; ++yy) {
            auto [it, inserted] = rows.try_emplace(yy, INT_MAX, INT_MIN);
            it->second.first = std::min(it->second.first, x - half);
            it->second.second = std::max(it->second.second, x - half + m_width);
        }
    };
    WalkLine(x0, y0, x1, y1, stamp);
    if (includeEnd || (x0 == x1 && y0 == y1))
        stamp(x1, y1);
    Paint paint;
    paint.color = m_color;
    for (const auto &[y, span] : rows)
        m_canvas.FillSpan(y, span.first, span.second, paint, m_rop);
}

void PenPainter::Frame(const RECT &r)
{
    if (m_null || r.right <= r.left || r.bottom <= r.top)
        return;
    if (IsStyled()) {
        POINT corners[5] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1},
                            {r.left, r.bottom - 1}, {r.left, r.top}};
        for (int i = 0; i < 4; ++i)
            Line(corners[i].x, corners[i].y, corners[i + 1].x, corners[i + 1].y, false);
        return;
    }
    // A band of the pen's width centred on the one-pixel outline; four disjoint pieces.
    int lead = m_insideFrame ? 0 : m_width / 2;
    RECT outer{r.left - lead, r.top - lead, r.right - 1 - lead + m_width, r.bottom - 1 - lead + m_width};
    if (m_insideFrame)
        outer = r;
    RECT inner{outer.left + m_width, outer.top + m_width, outer.right - m_width, outer.bottom - m_width};
    Paint paint;
    paint.color = m_color;
    if (inner.left >= inner.right || inner.top >= inner.bottom) {
        m_canvas.FillRect(outer, paint, m_rop);
        return;
    }
    m_canvas.FillRect(RECT{outer.left, outer.top, outer.right, inner.top}, paint, m_rop);
    m_canvas.FillRect(RECT{outer.left, inner.bottom, outer.right, outer.bottom}, paint, m_rop);
    m_canvas.FillRect(RECT{outer.left, inner.top, inner.left, inner.bottom}, paint, m_rop);
    m_canvas.FillRect(RECT{inner.right, inner.top, outer.right, inner.bottom}, paint, m_rop);
}

} // namespace win32::gdi
