// Hue, luminance and saturation on the colour dialog's 0..240 scale, and their conversion from and to RGB.
#pragma once
#include <windows.h>

namespace win32::comdlg {

constexpr int kHlsMax = 240;    // saturation and luminance run 0..240
constexpr int kHueLimit = 239;  // hue runs 0..239: 240 would be red again

struct Hls {
    int hue = 0;
    int lum = 0;
    int sat = 0;
};

Hls RgbToHls(COLORREF color);
COLORREF HlsToRgb(const Hls &hls);

} // namespace win32::comdlg
