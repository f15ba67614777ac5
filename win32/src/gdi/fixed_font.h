// GDI's one built-in bitmap font: every LOGFONT renders with these 6x13 glyphs (ascent 11,
// descent 2). Bold, underline, strike-out and large heights are simulated on top of them.
#pragma once
#include <cstdint>

namespace win32::gdi {

constexpr int kGlyphWidth = 6;
constexpr int kGlyphHeight = 13;
constexpr int kGlyphAscent = 11;
constexpr int kFirstGlyph = 32;
constexpr int kLastGlyph = 255;

// Row bytes from the top of the cell; bit 7 is the leftmost pixel.
extern const uint8_t kFixedFontGlyphs[kLastGlyph - kFirstGlyph + 1][kGlyphHeight];

inline const uint8_t *GlyphRows(unsigned char c)
{
    // Control characters show the font's default glyph, as a raster font does.
    if (c < kFirstGlyph)
        c = 127;
    return kFixedFontGlyphs[c - kFirstGlyph];
}

} // namespace win32::gdi
