// The drawing core behind every GDI call that touches pixels: a DC's target bitmap, its clip
// (surface coordinates) and span filling under a raster operation. Shapes, text and blits are
// built from spans and single pixels.
#pragma once
#include "gdi/dc.h"
#include "gdi/rop.h"

#include <cstdint>
#include <vector>

namespace win32::gdi {

// What a span is filled with: one colour or a brush pattern repeated from the DC's origin;
// a mask leaves the destination where it is zero (the background of a transparent hatch).
struct Paint {
    bool empty = false; // a null brush or pen: nothing is drawn
    uint32_t color = 0;
    std::vector<uint32_t> pattern;
    std::vector<uint8_t> mask;
    int width = 0;
    int height = 0;
    int originX = 0;
    int originY = 0;

    bool IsSolid() const { return pattern.empty(); }
    uint32_t At(int x, int y) const;
    bool Covers(int x, int y) const;
};

class Canvas {
public:
    Canvas(DeviceContext &dc, bool modifies);
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    bool Valid() const { return m_bitmap != nullptr; }
    DeviceContext &Dc() { return m_dc; }
    const DcState &State() const { return m_dc.State(); }
    Bitmap &Target() { return *m_bitmap; }
    bool Monochrome() const { return m_bitmap->IsMonochrome(); }
    const Region &Clip() const { return m_clip; }
    int OffsetX() const { return m_offsetX; }
    int OffsetY() const { return m_offsetY; }
    bool InClip(int x, int y) const;
    // Narrows the clip for the rest of this operation (ETO_CLIPPED, DrawText's rectangle).
    void IntersectClip(const RECT &surfaceRect) { m_clip.IntersectRect(surfaceRect); }

    // A colour as the target stores it (black or white on a monochrome bitmap).
    uint32_t Pixel(COLORREF color) const;
    Paint SolidPaint(COLORREF color) const;
    Paint BrushPaint(const Brush &brush) const;
    Paint CurrentBrushPaint() const { return BrushPaint(*State().brush); }
    uint8_t Rop2() const { return Rop2ToRop3(State().rop2); }

    // Surface coordinates, half-open spans and rectangles, clipped.
    void FillSpan(int y, int x0, int x1, const Paint &paint, uint8_t rop);
    void FillRect(const RECT &rect, const Paint &paint, uint8_t rop);
    void PlotPixel(int x, int y, uint32_t pixel, uint8_t rop);

private:
    void FillClipped(int y, int x0, int x1, const Paint &paint, uint8_t rop);

    DeviceContext &m_dc;
    Bitmap *m_bitmap;
    BitmapAccess m_access;
    Region m_clip;
    int m_offsetX;
    int m_offsetY;
};

} // namespace win32::gdi
