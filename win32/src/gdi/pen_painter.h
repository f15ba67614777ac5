// Lines drawn with the DC's pen: one-pixel cosmetic lines with the dash/dot styles (gaps in the
// background colour when the background mode is OPAQUE) and wide lines as solid bands.
#pragma once
#include "gdi/canvas.h"

#include <vector>

namespace win32::gdi {

class PenPainter {
public:
    explicit PenPainter(Canvas &canvas);

    bool IsNull() const { return m_null; }
    int Width() const { return m_width; }
    bool IsStyled() const { return !m_dashes.empty(); }
    // PS_INSIDEFRAME keeps a wide outline inside the shape's box instead of centring it on the edge.
    bool IsInsideFrame() const { return m_insideFrame; }
    // How far the outline reaches into a box from each side.
    int FrameInset() const { return m_insideFrame ? m_width : m_width - m_width / 2; }
    uint32_t Color() const { return m_color; }

    // A line in surface coordinates from (x0,y0) towards (x1,y1); the end pixel is drawn only
    // when `includeEnd` is set (GDI leaves out a line's last pixel).
    void Line(int x0, int y0, int x1, int y1, bool includeEnd);
    // The outline of the rectangle [left,right) x [top,bottom) in surface coordinates.
    void Frame(const RECT &rect);

private:
    void Plot(int x, int y);
    void WideLine(int x0, int y0, int x1, int y1, bool includeEnd);

    Canvas &m_canvas;
    bool m_null = false;
    int m_width = 1;
    uint32_t m_color = 0;
    uint32_t m_background = 0;
    bool m_opaqueGaps = false;
    bool m_insideFrame = false;
    uint8_t m_rop;
    std::vector<int> m_dashes; // alternating on/off run lengths
    int m_stylePosition = 0;   // carried from segment to segment, as for a polyline
};

// Bresenham points of a line, without the end point.
template <class F> void WalkLine(int x0, int y0, int x1, int y1, F &&visit)
{
    int dx = x1 > x0 ? x1 - x0 : x0 - x1;
    int dy = y1 > y0 ? y1 - y0 : y0 - y1;
    int sx = x0 < x1 ? 1 : -1;
    int sy = y0 < y1 ? 1 : -1;
    int err = dx - dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        visit(x, y);
        int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

} // namespace win32::gdi
