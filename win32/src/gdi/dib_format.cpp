#include "gdi/dib_format.h"

#include <cstring>
#include <limits>

namespace win32::gdi {

size_t DibStride(int width, int bitCount)
{
    return ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
}

bool IsSupportedDibDepth(int bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

int DibColorCount(const BITMAPINFOHEADER &header)
{
    if (header.biBitCount > 8)
        return 0;
    int full = 1 << header.biBitCount;
    if (header.biClrUsed > 0 && header.biClrUsed < static_cast<DWORD>(full))
        return static_cast<int>(header.biClrUsed);
    return full;
}

DibFormat DibFormatFromInfo(const BITMAPINFO *info)
{
    DibFormat format;
    format.bitCount = info->bmiHeader.biBitCount;
    int count = DibColorCount(info->bmiHeader);
    const uint8_t *table = reinterpret_cast<const uint8_t *>(info) + info->bmiHeader.biSize;
    format.colors.resize(count);
    if (count > 0)
        std::memcpy(format.colors.data(), table, count * sizeof(RGBQUAD));
    return format;
}

namespace {

uint32_t TableColor(const DibFormat &format, unsigned index)
{
    if (index < format.colors.size())
        return PixelFromQuad(format.colors[index]);
    return 0;
}

int Distance(uint32_t a, const RGBQUAD &q)
{
    int dr = static_cast<int>((a >> 16) & 0xFF) - q.rgbRed;
    int dg = static_cast<int>((a >> 8) & 0xFF) - q.rgbGreen;
    int db = static_cast<int>(a & 0xFF) - q.rgbBlue;
    return dr * dr + dg * dg + db * db;
}

// Index of the table entry nearest to a pixel; a one-entry cache keeps runs of one colour cheap.
class NearestIndex {
public:
    explicit NearestIndex(const DibFormat &format) : m_format(format) {}
    unsigned operator()(uint32_t pixel)
    {
        if (m_valid && pixel == m_lastPixel)
            return m_lastIndex;
        unsigned best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (unsigned i = 0; i < m_format.colors.size(); ++i) {
            int d = Distance(pixel, m_format.colors[i]);
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        m_valid = true;
        m_lastPixel = pixel;
        m_lastIndex = best;
        return best;
    }

private:
    const DibFormat &m_format;
    bool m_valid = false;
    uint32_t m_lastPixel = 0;
    unsigned m_lastIndex = 0;
};

} // namespace

void ReadDibRow(const uint8_t *src, const DibFormat &format, int width, uint32_t *dst)
{
    switch (format.bitCount) {
    case 32:
        for (int x = 0; x < width; ++x) {
            uint32_t v;
            std::memcpy(&v, src + x * 4, 4);
            dst[x] = v & 0xFFFFFF;
        }
        break;
    case 24:
        for (int x = 0; x < width; ++x) {
            const uint8_t *p = src + x * 3;
            dst[x] = (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[0];
        }
        break;
    case 8:
        for (int x = 0; x < width; ++x)
            dst[x] = TableColor(format, src[x]);
        break;
    case 4:
        for (int x = 0; x < width; ++x)
            dst[x] = TableColor(format, (x & 1) ? (src[x / 2] & 0x0F) : (src[x / 2] >> 4));
        break;
    case 1:
        for (int x = 0; x < width; ++x)
            dst[x] = TableColor(format, (src[x / 8] >> (7 - (x & 7))) & 1);
        break;
    default:
        break;
    }
}

void WriteDibRow(const uint32_t *src, int width, const DibFormat &format, uint8_t *dst)
{
    switch (format.bitCount) {
    case 32:
        for (int x = 0; x < width; ++x) {
            uint32_t v = src[x] & 0xFFFFFF;
            std::memcpy(dst + x * 4, &v, 4);
        }
        break;
    case 24:
        for (int x = 0; x < width; ++x) {
            uint8_t *p = dst + x * 3;
            p[0] = static_cast<uint8_t>(src[x]);
            p[1] = static_cast<uint8_t>(src[x] >> 8);
            p[2] = static_cast<uint8_t>(src[x] >> 16);
        }
        break;
    case 8: {
        NearestIndex nearest(format);
        for (int x = 0; x < width; ++x)
            dst[x] = static_cast<uint8_t>(nearest(src[x]));
        break;
    }
    case 4: {
        NearestIndex nearest(format);
        std::memset(dst, 0, (width + 1) / 2);
        for (int x = 0; x < width; ++x)
            dst[x / 2] |= static_cast<uint8_t>(nearest(src[x]) << ((x & 1) ? 0 : 4));
        break;
    }
    case 1: {
        NearestIndex nearest(format);
        std::memset(dst, 0, (width + 7) / 8);
        for (int x = 0; x < width; ++x)
            if (nearest(src[x]) & 1)
                dst[x / 8] |= static_cast<uint8_t>(0x80 >> (x & 7));
        break;
    }
    default:
        break;
    }
}

} // namespace win32::gdi
