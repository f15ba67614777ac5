// The colour dialog's spectrum: the rainbow box (hue across, saturation upwards, at middle luminance)
// and the luminance bar beside it (the current hue and saturation from white at the top to black).
#pragma once
#include "comdlg/color_hls.h"

namespace win32::comdlg {

class ColorSpectrum {
public:
    ColorSpectrum() = default;
    ~ColorSpectrum();
    ColorSpectrum(const ColorSpectrum &) = delete;
    ColorSpectrum &operator=(const ColorSpectrum &) = delete;

    // The rainbow with a cross on the current hue and saturation.
    void PaintRainbow(HDC dc, const RECT &box, const Hls &current);
    // The hue and saturation under `point` (clamped into the box), with the given luminance.
    static Hls HueSatAt(const RECT &box, POINT point, int lum);

    static void PaintLumBar(HDC dc, const RECT &box, const Hls &current);
    static int LumAt(const RECT &box, POINT point);

private:
    // The rainbow is computed once per size, as a bitmap, since it never changes.
    bool BuildRainbow(HDC dc, int width, int height);

    HBITMAP m_rainbow = nullptr;
    int m_width = 0;
    int m_height = 0;
};

} // namespace win32::comdlg
