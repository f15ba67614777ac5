#include "gdi_test_surface.h"

TestSurface::TestSurface(int width, int height, COLORREF fill)
    : m_width(width), m_height(height), m_dc(CreateCompatibleDC(nullptr))
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<uint32_t *>(bits);
    m_previous = SelectObject(m_dc, m_bitmap);
    Fill(fill);
}

TestSurface::~TestSurface()
{
    SelectObject(m_dc, m_previous);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
}

COLORREF TestSurface::At(int x, int y) const
{
    uint32_t p = m_bits[y * m_width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void TestSurface::Fill(COLORREF color)
{
    uint32_t p = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    for (int i = 0; i < m_width * m_height; ++i)
        m_bits[i] = p;
}

int TestSurface::Count(COLORREF color, int left, int top, int right, int bottom) const
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (At(x, y) == color)
                ++n;
    return n;
}
