#include "gdi/region.h"

#include <algorithm>
#include <climits>

namespace win32::gdi {

bool RectIsEmpty(const RECT &r) { return r.left >= r.right || r.top >= r.bottom; }

RECT RectIntersection(const RECT &a, const RECT &b)
{
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (RectIsEmpty(r))
        r = RECT{0, 0, 0, 0};
    return r;
}

Region Region::Infinite()
{
    // Large but far from overflow when offset by any DC origin.
    constexpr LONG kBig = 1 << 28;
    return Region(RECT{-kBig, -kBig, kBig, kBig});
}

void Region::Add(const RECT &rect)
{
    if (!RectIsEmpty(rect))
        m_rects.push_back(rect);
}

RECT Region::Bounds() const
{
    if (m_rects.empty())
        return RECT{0, 0, 0, 0};
    RECT b = m_rects.front();
    for (const RECT &r : m_rects) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

int Region::Complexity() const
{
    if (m_rects.empty())
        return NULLREGION;
    return m_rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

void Region::IntersectRect(const RECT &rect)
{
    std::vector<RECT> result;
    for (const RECT &r : m_rects) {
        RECT i = RectIntersection(r, rect);
        if (!RectIsEmpty(i))
            result.push_back(i);
    }
    m_rects = std::move(result);
}

void Region::IntersectRegion(const Region &other)
{
    std::vector<RECT> result;
    for (const RECT &a : m_rects)
        for (const RECT &b : other.m_rects) {
            RECT i = RectIntersection(a, b);
            if (!RectIsEmpty(i))
                result.push_back(i);
        }
    m_rects = std::move(result);
}

void Region::SubtractRect(const RECT &cut)
{
    if (RectIsEmpty(cut))
        return;
    std::vector<RECT> result;
    for (const RECT &r : m_rects) {
        RECT i = RectIntersection(r, cut);
        if (RectIsEmpty(i)) {
            result.push_back(r);
            continue;
        }
        // Up to four pieces: the bands above and below the cut, then left and right of it.
        auto keep = [&](const RECT &piece) {
            if (!RectIsEmpty(piece))
                result.push_back(piece);
        };
        keep(RECT{r.left, r.top, r.right, i.top});
        keep(RECT{r.left, i.bottom, r.right, r.bottom});
        keep(RECT{r.left, i.top, i.left, i.bottom});
        keep(RECT{i.right, i.top, r.right, i.bottom});
    }
    m_rects = std::move(result);
}

void Region::Offset(int dx, int dy)
{
    for (RECT &r : m_rects) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

bool Region::Contains(int x, int y) const
{
    return std::any_of(m_rects.begin(), m_rects.end(),
                       [&](const RECT &r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; });
}

} // namespace win32::gdi
