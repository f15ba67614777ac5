// A region as a list of disjoint rectangles: enough for rectangle clip regions, intersections
// and the holes ExcludeClipRect punches, without a general scanline region engine.
#pragma once
#include <windows.h>

#include <vector>

namespace win32::gdi {

class Region {
public:
    Region() = default;
    explicit Region(const RECT &rect) { Add(rect); }
    // Everything (the state of a DC without a clip region).
    static Region Infinite();

    const std::vector<RECT> &Rects() const { return m_rects; }
    bool IsEmpty() const { return m_rects.empty(); }
    RECT Bounds() const;
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Complexity() const;

    void IntersectRect(const RECT &rect);
    void IntersectRegion(const Region &other);
    void SubtractRect(const RECT &rect);
    void Offset(int dx, int dy);
    bool Contains(int x, int y) const;

private:
    void Add(const RECT &rect);
    std::vector<RECT> m_rects;
};

bool RectIsEmpty(const RECT &r);
RECT RectIntersection(const RECT &a, const RECT &b);

} // namespace win32::gdi
