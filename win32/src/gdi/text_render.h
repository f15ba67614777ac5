// Text with the built-in bitmap font: metrics derived from a LOGFONT (bold, underline,
// strike-out, a sheared italic, an integer scale for large heights) and glyph drawing onto a canvas. Shared by
// TextOutA/ExtTextOutA and DrawTextA.
#pragma once
#include "gdi/canvas.h"

namespace win32::gdi {

struct FontMetrics {
    int scale = 1;
    int advance = 6;  // every character has the same advance
    int height = 13;
    int ascent = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

FontMetrics MetricsOf(const LOGFONTA &font);
int TextWidth(const FontMetrics &metrics, int count);
// Draws `count` characters with their cells' top-left at (left, top) in surface coordinates;
// `advances` (optional) gives each character's advance instead of the font's.
void DrawGlyphs(Canvas &canvas, const FontMetrics &metrics, int left, int top, const char *text, int count,
                const INT *advances, uint32_t color);
// A horizontal line of the underline's thickness below a run of `width` pixels.
void DrawUnderline(Canvas &canvas, const FontMetrics &metrics, int left, int top, int width, uint32_t color);

} // namespace win32::gdi
