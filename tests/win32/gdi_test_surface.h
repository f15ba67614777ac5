// A memory DC over a 32-bit top-down DIB section whose pixels the GDI tests read directly.
#pragma once
#include <windows.h>

#include <cstdint>

class TestSurface {
public:
    TestSurface(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~TestSurface();
    TestSurface(const TestSurface &) = delete;
    TestSurface &operator=(const TestSurface &) = delete;

    HDC Dc() const { return m_dc; }
    HBITMAP Bitmap() const { return m_bitmap; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The pixel as a COLORREF, read from the DIB section's memory (not through GetPixel).
    COLORREF At(int x, int y) const;
    void Fill(COLORREF color);
    // How many pixels inside [left,right) x [top,bottom) have exactly this colour.
    int Count(COLORREF color, int left, int top, int right, int bottom) const;
    int Count(COLORREF color) const { return Count(color, 0, 0, m_width, m_height); }

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous;
    uint32_t *m_bits = nullptr;
};
