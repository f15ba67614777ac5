// Integer conversion with rounding at each step, so that the edits show the same numbers for the same
// colour every time and a colour typed as RGB survives the round trip through its HLS edits unchanged
// for all but the darkest shades.
#include "comdlg/color_hls.h"

#include <algorithm>

namespace win32::comdlg {

namespace {

constexpr int kRgbMax = 255;
// Greys have no hue; the dialog shows them with the hue of blue, as the spectrum's neutral point.
constexpr int kUndefinedHue = kHlsMax * 2 / 3;

int HueDelta(int cMax, int component, int span) {
    return ((cMax - component) * (kHlsMax / 6) + span / 2) / span;
}

// One RGB component from the two magic values and the hue shifted for that component.
int HueToComponent(int n1, int n2, int hue) {
    if (hue < 0)
        hue += kHlsMax;
    if (hue > kHlsMax)
        hue -= kHlsMax;
    if (hue < kHlsMax / 6)
        return n1 + ((n2 - n1) * hue + kHlsMax / 12) / (kHlsMax / 6);
    if (hue < kHlsMax / 2)
        return n2;
    if (hue < kHlsMax * 2 / 3)
        return n1 + ((n2 - n1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
    return n1;
}

BYTE ToByte(int magic) {
    return static_cast<BYTE>(std::clamp((magic * kRgbMax + kHlsMax / 2) / kHlsMax, 0, kRgbMax));
}

} // namespace

Hls RgbToHls(COLORREF color) {
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    const int cMax = std::max({r, g, b});
    const int cMin = std::min({r, g, b});
    Hls hls;
    hls.lum = ((cMax + cMin) * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (cMax == cMin) {
        hls.hue = kUndefinedHue;
        return hls;
    }
    const int span = cMax - cMin;
    const int sum = cMax + cMin;
    if (hls.lum <= kHlsMax / 2)
        hls.sat = (span * kHlsMax + sum / 2) / sum;
    else
        hls.sat = (span * kHlsMax + (2 * kRgbMax - sum) / 2) / (2 * kRgbMax - sum);
    const int rDelta = HueDelta(cMax, r, span), gDelta = HueDelta(cMax, g, span), bDelta = HueDelta(cMax, b, span);
    if (r == cMax)
        hls.hue = bDelta - gDelta;
    else if (g == cMax)
        hls.hue = kHlsMax / 3 + rDelta - bDelta;
    else
        hls.hue = 2 * kHlsMax / 3 + gDelta - rDelta;
    if (hls.hue < 0)
        hls.hue += kHlsMax;
    if (hls.hue >= kHlsMax)
        hls.hue -= kHlsMax;
    hls.sat = std::min(hls.sat, kHlsMax);
    return hls;
}

COLORREF HlsToRgb(const Hls &hls) {
    const int hue = std::clamp(hls.hue, 0, kHueLimit);
    const int lum = std::clamp(hls.lum, 0, kHlsMax);
    const int sat = std::clamp(hls.sat, 0, kHlsMax);
    if (sat == 0) {
        const BYTE grey = ToByte(lum);
        return RGB(grey, grey, grey);
    }
    const int magic2 = lum <= kHlsMax / 2 ? (lum * (kHlsMax + sat) + kHlsMax / 2) / kHlsMax
                                          : lum + sat - (lum * sat + kHlsMax / 2) / kHlsMax;
    const int magic1 = 2 * lum - magic2;
    return RGB(ToByte(HueToComponent(magic1, magic2, hue + kHlsMax / 3)), ToByte(HueToComponent(magic1, magic2, hue)),
               ToByte(HueToComponent(magic1, magic2, hue - kHlsMax / 3)));
}

} // namespace win32::comdlg
