// Conversion between packed DIB rows (1, 4, 8, 24, 32 bits per pixel) and GDI's working pixels
// (0x00RRGGBB), shared by DIB sections, GetDIBits, SetDIBits and CreateBitmap.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace win32::gdi {

struct DibFormat {
    int bitCount = 32;
    std::vector<RGBQUAD> colors; // the colour table for 1, 4 and 8 bits per pixel
};

// Bytes per DIB row: rows are padded to a multiple of four bytes.
size_t DibStride(int width, int bitCount);
bool IsSupportedDibDepth(int bitCount);
// Number of colour-table entries a header implies (biClrUsed or 2^bits for up to 8 bits).
int DibColorCount(const BITMAPINFOHEADER &header);
// The header's colour table (DIB_RGB_COLORS) or an empty one above 8 bits per pixel.
DibFormat DibFormatFromInfo(const BITMAPINFO *info);

void ReadDibRow(const uint8_t *src, const DibFormat &format, int width, uint32_t *dst);
void WriteDibRow(const uint32_t *src, int width, const DibFormat &format, uint8_t *dst);

inline uint32_t PixelFromColorRef(COLORREF c)
{
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF ColorRefFromPixel(uint32_t p)
{
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}
inline uint32_t PixelFromQuad(const RGBQUAD &q)
{
    return (static_cast<uint32_t>(q.rgbRed) << 16) | (static_cast<uint32_t>(q.rgbGreen) << 8) | q.rgbBlue;
}

} // namespace win32::gdi
