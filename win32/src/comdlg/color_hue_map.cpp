#include "comdlg/color_hue_map.h"

#include "comdlg/fill_solid.h"

#include <algorithm>
#include <cstdint>

namespace win32::comdlg {

namespace {

constexpr int kLumStrip = 2;   // the luminance bar is painted in strips this many pixels high
constexpr int kCrossArm = 5;   // the rainbow's cross: arm length and gap around its centre
constexpr int kCrossGap = 2;

// Position along an axis of `extent` pixels for a value in 0..limit, and back.
int ToPixel(int value, int limit, int extent) {
    return extent > 1 ? value * (extent - 1) / limit : 0;
}

int ToValue(int pixel, int limit, int extent) {
    return extent > 1 ? std::clamp(pixel, 0, extent - 1) * limit / (extent - 1) : 0;
}

} // namespace

ColorSpectrum::~ColorSpectrum() {
    if (m_rainbow)
        DeleteObject(m_rainbow);
}

bool ColorSpectrum::BuildRainbow(HDC dc, int width, int height) {
    if (m_rainbow && m_width == width && m_height == height)
        return true;
    if (m_rainbow)
        DeleteObject(m_rainbow);
    m_rainbow = nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    m_rainbow = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_rainbow || !bits)
        return false;
    auto *pixels = static_cast<uint32_t *>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = HlsToRgb(Hls{ToValue(x, kHueLimit, width), kHlsMax / 2,
                                            kHlsMax - ToValue(y, kHlsMax, height)});
            pixels[y * width + x] = (static_cast<uint32_t>(GetRValue(c)) << 16) |
                                    (static_cast<uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
        }
    }
    m_width = width;
    m_height = height;
    return true;
}

void ColorSpectrum::PaintRainbow(HDC dc, const RECT &box, const Hls &current) {
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0 || !BuildRainbow(dc, width, height))
        return;
    if (HDC memory = CreateCompatibleDC(dc)) {
        HGDIOBJ old = SelectObject(memory, m_rainbow);
        BitBlt(dc, box.left, box.top, width, height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    const int cx = box.left + ToPixel(current.hue, kHueLimit, width);
    const int cy = box.top + ToPixel(kHlsMax - current.sat, kHlsMax, height);
    const int inner = kCrossGap, outer = kCrossGap + kCrossArm;
    const RECT arms[] = {{cx - outer, cy - 1, cx - inner, cy + 1},
                         {cx + inner, cy - 1, cx + outer, cy + 1},
                         {cx - 1, cy - outer, cx + 1, cy - inner},
                         {cx - 1, cy + inner, cx + 1, cy + outer}};
    for (const RECT &arm : arms)
        FillSolid(dc, arm, RGB(0, 0, 0));
}

Hls ColorSpectrum::HueSatAt(const RECT &box, POINT point, int lum) {
    const int width = box.right - box.left, height = box.bottom - box.top;
    return Hls{ToValue(point.x - box.left, kHueLimit, width), lum,
               kHlsMax - ToValue(point.y - box.top, kHlsMax, height)};
}

void ColorSpectrum::PaintLumBar(HDC dc, const RECT &box, const Hls &current) {
    const int height = box.bottom - box.top;
    for (int y = box.top; y < box.bottom; y += kLumStrip) {
        const RECT strip{box.left, y, box.right, std::min(y + kLumStrip, static_cast<int>(box.bottom))};
        FillSolid(dc, strip, HlsToRgb(Hls{current.hue, kHlsMax - ToValue(y - box.top, kHlsMax, height), current.sat}));
    }
    // The marker: a black and a white line, visible on any shade.
    const int y = box.top + ToPixel(kHlsMax - current.lum, kHlsMax, height);
    FillSolid(dc, RECT{box.left, y - 1, box.right, y + 1}, RGB(0, 0, 0));
    FillSolid(dc, RECT{box.left, y + 1, box.right, y + 2}, RGB(255, 255, 255));
}

int ColorSpectrum::LumAt(const RECT &box, POINT point) {
    return kHlsMax - ToValue(point.y - box.top, kHlsMax, box.bottom - box.top);
}

} // namespace win32::comdlg
