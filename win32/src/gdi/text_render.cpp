#include "gdi/text_render.h"
#include "gdi/fixed_font.h"

#include <cstdlib>

namespace win32::gdi {

namespace {

constexpr int kUnderlineRow = kGlyphAscent + 1;
constexpr int kStrikeOutRow = 7;

void FillCells(Canvas &canvas, int x, int y, int width, int height, uint32_t color)
{
    Paint paint;
    paint.color = color;
    canvas.FillRect(RECT{x, y, x + width, y + height}, paint, 0xF0);
}

} // namespace

FontMetrics MetricsOf(const LOGFONTA &font)
{
    FontMetrics m;
    // Heights from about twice the glyph height on draw the glyphs enlarged by a whole factor.
    int height = std::abs(font.lfHeight);
    if (height >= 2 * kGlyphHeight)
        m.scale = height / kGlyphHeight;
    m.advance = kGlyphWidth * m.scale;
    m.height = kGlyphHeight * m.scale;
    m.ascent = kGlyphAscent * m.scale;
    m.bold = font.lfWeight >= FW_SEMIBOLD;
    m.italic = font.lfItalic != 0;
    m.underline = font.lfUnderline != 0;
    m.strikeOut = font.lfStrikeOut != 0;
    return m;
}

int TextWidth(const FontMetrics &metrics, int count) { return count > 0 ? count * metrics.advance : 0; }

void DrawGlyphs(Canvas &canvas, const FontMetrics &m, int left, int top, const char *text, int count,
                const INT *advances, uint32_t color)
{
    int x = left;
    int s = m.scale;
    for (int i = 0; i < count; ++i) {
        const uint8_t *rows = GlyphRows(static_cast<unsigned char>(text[i]));
        for (int row = 0; row < kGlyphHeight; ++row) {
            uint8_t bits = rows[row];
            // Italic leans the glyph: rows above the baseline move right, one pixel per four rows.
            int lean = m.italic ? ((kGlyphAscent - 1 - row) / 4) * s : 0;
            if (m.bold)
                bits |= static_cast<uint8_t>(bits >> 1); // the glyph again one pixel to the right
            for (int col = 0; col < 8 && bits; ++col) {
                if (!(bits & (0x80 >> col)))
                    continue;
                // Runs of set bits become one span each.
                int run = col;
                while (run + 1 < 8 && (bits & (0x80 >> (run + 1))))
                    ++run;
                FillCells(canvas, x + lean + col * s, top + row * s, (run - col + 1) * s, s, color);
                col = run;
            }
        }
        x += advances ? advances[i] : m.advance;
    }
    int width = x - left;
    if (m.underline)
        DrawUnderline(canvas, m, left, top, width, color);
    if (m.strikeOut)
        FillCells(canvas, left, top + kStrikeOutRow * s, width, s, color);
}

void DrawUnderline(Canvas &canvas, const FontMetrics &m, int left, int top, int width, uint32_t color)
{
    FillCells(canvas, left, top + kUnderlineRow * m.scale, width, m.scale, color);
}

} // namespace win32::gdi
