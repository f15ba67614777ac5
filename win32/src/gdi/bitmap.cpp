#include "gdi/bitmap.h"

#include <cstdlib>
#include <cstring>

namespace win32::gdi {

bool IsReasonableBitmapSize(int width, int height)
{
    constexpr int64_t kMaxPixels = 64 * 1024 * 1024;
    return width > 0 && height > 0 && width <= 32768 && height <= 32768 &&
           static_cast<int64_t>(width) * height <= kMaxPixels;
}

Bitmap::Bitmap(int width, int height, bool monochrome)
    : GdiObject(kKind), m_width(width), m_height(height), m_monochrome(monochrome),
      m_pixels(static_cast<size_t>(width) * height, 0)
{
    m_origin = m_pixels.data();
    m_stride = width;
}

Bitmap::Bitmap(int width, int height, bool topDown, DibFormat format)
    : GdiObject(kKind), m_width(width), m_height(height), m_topDown(topDown), m_dibFormat(std::move(format))
{
    size_t stride = DibStride(width, m_dibFormat.bitCount);
    m_dibBits = static_cast<uint8_t *>(std::calloc(stride * height, 1));
    if (m_dibFormat.bitCount == 32) {
        // Drawn in place: row 0 is the first or the last row of memory.
        uint32_t *base = reinterpret_cast<uint32_t *>(m_dibBits);
        m_origin = topDown ? base : base + static_cast<ptrdiff_t>(height - 1) * width;
        m_stride = topDown ? width : -static_cast<ptrdiff_t>(width);
    } else {
        m_inPlace = false;
        m_pixels.assign(static_cast<size_t>(width) * height, 0);
        m_origin = m_pixels.data();
        m_stride = width;
    }
}

Bitmap::~Bitmap() { std::free(m_dibBits); }

void Bitmap::BeginAccess()
{
    if (!m_inPlace && m_accessDepth++ == 0)
        LoadFromDib();
}

void Bitmap::EndAccess(bool modified)
{
    if (m_inPlace || m_accessDepth == 0)
        return;
    m_dirty = m_dirty || modified;
    if (--m_accessDepth == 0 && m_dirty) {
        StoreToDib();
        m_dirty = false;
    }
}

void Bitmap::LoadFromDib()
{
    size_t stride = DibStride(m_width, m_dibFormat.bitCount);
    for (int y = 0; y < m_height; ++y) {
        int memoryRow = m_topDown ? y : m_height - 1 - y;
        ReadDibRow(m_dibBits + memoryRow * stride, m_dibFormat, m_width, Row(y));
    }
}

void Bitmap::StoreToDib()
{
    size_t stride = DibStride(m_width, m_dibFormat.bitCount);
    for (int y = 0; y < m_height; ++y) {
        int memoryRow = m_topDown ? y : m_height - 1 - y;
        WriteDibRow(Row(y), m_width, m_dibFormat, m_dibBits + memoryRow * stride);
    }
}

BITMAP Bitmap::Describe() const
{
    BITMAP bm{};
    bm.bmType = 0;
    bm.bmWidth = m_width;
    bm.bmHeight = m_height;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = static_cast<WORD>(BitsPixel());
    if (m_dibBits) {
        bm.bmWidthBytes = static_cast<LONG>(DibStride(m_width, m_dibFormat.bitCount));
        bm.bmBits = m_dibBits;
    } else {
        // Device-dependent rows are padded to a multiple of two bytes.
        bm.bmWidthBytes = ((m_width * bm.bmBitsPixel + 15) / 16) * 2;
    }
    return bm;
}

} // namespace win32::gdi
