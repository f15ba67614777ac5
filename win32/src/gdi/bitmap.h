// Bitmaps: device-dependent bitmaps (monochrome or 32-bit colour) and DIB sections. Drawing
// always works on 0x00RRGGBB pixels; a 32-bit DIB section is drawn in place (a bottom-up one
// through a negative row stride), any other DIB section through a working copy that is loaded
// from and stored back to the application's bits around each GDI operation.
#pragma once
#include "gdi/dib_format.h"
#include "gdi/gdi_object.h"

#include <cstdint>
#include <vector>

namespace win32::gdi {

constexpr uint32_t kWhitePixel = 0xFFFFFF;

// The nearest of black and white, for colours drawn into a monochrome bitmap.
inline uint32_t MonochromePixel(uint32_t pixel)
{
    unsigned sum = ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
    return sum >= 3 * 128 ? kWhitePixel : 0;
}

class Bitmap : public GdiObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::Bitmap;

    // A device-dependent bitmap of 1 (monochrome) or 32 bits per pixel, cleared to black.
    Bitmap(int width, int height, bool monochrome);
    // A DIB section; `bits` receives the application-visible pixel memory.
    Bitmap(int width, int height, bool topDown, DibFormat format);
    ~Bitmap() override;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsMonochrome() const { return m_monochrome; }
    bool IsDibSection() const { return m_dibBits != nullptr; }
    int BitsPixel() const { return m_monochrome ? 1 : (m_dibBits ? m_dibFormat.bitCount : 32); }
    void *DibBits() const { return m_dibBits; }
    const DibFormat &GetDibFormat() const { return m_dibFormat; }
    bool IsTopDown() const { return m_topDown; }

    uint32_t *Row(int y) { return m_origin + static_cast<ptrdiff_t>(y) * m_stride; }
    const uint32_t *Row(int y) const { return m_origin + static_cast<ptrdiff_t>(y) * m_stride; }
    // Pointer to the first pixel of row 0 and the distance between rows, in pixels (may be negative).
    uint32_t *Origin() { return m_origin; }
    ptrdiff_t Stride() const { return m_stride; }

    // A DIB section not drawn in place is loaded before and stored after each GDI operation.
    void BeginAccess();
    void EndAccess(bool modified);

    // The DC this bitmap is selected into (a bitmap is in at most one DC at a time).
    HDC SelectedIn() const { return m_selectedIn; }
    void SetSelectedIn(HDC dc) { m_selectedIn = dc; }

    BITMAP Describe() const;

private:
    void LoadFromDib();
    void StoreToDib();

    int m_width;
    int m_height;
    bool m_monochrome = false;
    bool m_topDown = true;
    std::vector<uint32_t> m_pixels; // own pixels, or the working copy of a DIB section
    uint32_t *m_origin = nullptr;
    ptrdiff_t m_stride = 0;
    uint8_t *m_dibBits = nullptr;
    DibFormat m_dibFormat;
    bool m_inPlace = true;
    int m_accessDepth = 0;
    bool m_dirty = false;
    HDC m_selectedIn = nullptr;
};

// Bitmaps are limited so that a hostile size fails cleanly instead of exhausting memory.
bool IsReasonableBitmapSize(int width, int height);

// RAII bracket of Bitmap::BeginAccess/EndAccess.
class BitmapAccess {
public:
    BitmapAccess(Bitmap *bitmap, bool modifies) : m_bitmap(bitmap), m_modifies(modifies)
    {
        if (m_bitmap)
            m_bitmap->BeginAccess();
    }
    ~BitmapAccess()
    {
        if (m_bitmap)
            m_bitmap->EndAccess(m_modifies);
    }
    BitmapAccess(const BitmapAccess &) = delete;
    BitmapAccess &operator=(const BitmapAccess &) = delete;

private:
    Bitmap *m_bitmap;
    bool m_modifies;
};

} // namespace win32::gdi
