// DrawTextA (line breaking, alignment, '&' mnemonics, tab expansion, end ellipsis, DT_CALCRECT)
// and a minimal GrayStringA. Text is laid out in characters of the built-in fixed-pitch font.
// An empty string still counts as one (empty) line for its height.
#include "gdi/text_render.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace win32::gdi;

namespace {

struct Glyph {
    char c;
    bool underline;
};
using Line = std::vector<Glyph>;

constexpr int kDefaultTabChars = 8;

// Removes mnemonic prefixes: "&x" underlines x (unless DT_HIDEPREFIX), "&&" is a plain '&'.
Line ApplyPrefixes(const char *text, int count, UINT format)
{
    Line out;
    out.reserve(count);
    bool prefixes = !(format & DT_NOPREFIX);
    bool show = !(format & DT_HIDEPREFIX);
    for (int i = 0; i < count; ++i) {
        char c = text[i];
        if (prefixes && c == '&') {
            if (i + 1 >= count)
                break;
            ++i;
            out.push_back(Glyph{text[i], text[i] != '&' && show});
            continue;
        }
        out.push_back(Glyph{c, false});
    }
    return out;
}

std::vector<Line> SplitParagraphs(const Line &text, bool singleLine)
{
    std::vector<Line> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i].c;
        if (!singleLine && (c == '\r' || c == '\n')) {
            if (c == '\r' && i + 1 < text.size() && text[i + 1].c == '\n')
                ++i;
            lines.emplace_back();
            continue;
        }
        lines.back().push_back(text[i]);
    }
    return lines;
}

Line ExpandTabs(const Line &line, int tabChars)
{
    Line out;
    for (const Glyph &g : line) {
        if (g.c != '\t') {
            out.push_back(g);
            continue;
        }
        do
            out.push_back(Glyph{' ', false});
        while (out.size() % tabChars != 0);
    }
    return out;
}

// Breaks a paragraph at spaces so that each line fits `maxChars`; a word longer than a line is
// kept whole (and clipped), as DrawText does without DT_EDITCONTROL.
void WrapInto(const Line &paragraph, size_t maxChars, std::vector<Line> &lines)
{
    size_t start = 0;
    size_t n = paragraph.size();
    if (n == 0) {
        lines.emplace_back();
        return;
    }
    while (start < n) {
        if (n - start <= maxChars) {
            lines.emplace_back(paragraph.begin() + start, paragraph.end());
            return;
        }
        size_t end = start + maxChars;
        size_t brk = end;
        while (brk > start && paragraph[brk].c != ' ')
            --brk;
        if (brk == start) {
            // No space in reach: the whole word goes on this line.
            brk = end;
            while (brk < n && paragraph[brk].c != ' ')
                ++brk;
        }
        size_t lineEnd = brk;
        while (lineEnd > start && paragraph[lineEnd - 1].c == ' ')
            --lineEnd;
        lines.emplace_back(paragraph.begin() + start, paragraph.begin() + lineEnd);
        start = brk;
        while (start < n && paragraph[start].c == ' ')
            ++start;
    }
}

void AddEllipsis(Line &line, size_t maxChars)
{
    if (line.size() <= maxChars)
        return;
    // As much text as fits with the three dots; a tiny rectangle clips the dots themselves.
    line.resize(maxChars >= 3 ? maxChars - 3 : 0);
    line.insert(line.end(), 3, Glyph{'.', false});
}

std::vector<Line> Layout(const char *text, int count, const RECT &rect, UINT format, const FontMetrics &m)
{
    bool singleLine = (format & DT_SINGLELINE) != 0;
    Line glyphs = ApplyPrefixes(text, count, format);
    int tabChars = (format & DT_TABSTOP) ? std::max(1, static_cast<int>((format >> 8) & 0xFF)) : kDefaultTabChars;
    int width = rect.right - rect.left;
    size_t maxChars = width > 0 ? static_cast<size_t>(width / m.advance) : 0;
    std::vector<Line> lines;
    for (Line &paragraph : SplitParagraphs(glyphs, singleLine)) {
        if (format & DT_EXPANDTABS)
            paragraph = ExpandTabs(paragraph, tabChars);
        if ((format & DT_WORDBREAK) && !singleLine)
            WrapInto(paragraph, std::max<size_t>(maxChars, 1), lines);
        else
            lines.push_back(std::move(paragraph));
    }
    if (format & DT_END_ELLIPSIS)
        for (Line &line : lines)
            AddEllipsis(line, maxChars);
    return lines;
}

void DrawLine(Canvas &canvas, const FontMetrics &m, const Line &line, int left, int top)
{
    const DcState &state = canvas.State();
    int width = TextWidth(m, static_cast<int>(line.size()));
    if (state.bkMode == OPAQUE) {
        Paint bk;
        bk.color = canvas.Pixel(state.bkColor);
        canvas.FillRect(RECT{left, top, left + width, top + m.height}, bk, 0xF0);
    }
    std::string chars;
    for (const Glyph &g : line)
        chars.push_back(g.c);
    uint32_t color = canvas.Pixel(state.textColor);
    DrawGlyphs(canvas, m, left, top, chars.data(), static_cast<int>(chars.size()), nullptr, color);
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i].underline)
            DrawUnderline(canvas, m, left + static_cast<int>(i) * m.advance, top, m.advance, color);
}

} // namespace

int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return 0;
    if (!lprc || (!lpchText && cchText != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (cchText < 0)
        cchText = static_cast<int>(std::strlen(lpchText));
    FontMetrics m = MetricsOf(dc->State().font->Log());
    std::vector<Line> lines = Layout(lpchText, cchText, *lprc, format, m);
    int height = static_cast<int>(lines.size()) * m.height;
    int maxWidth = 0;
    for (const Line &line : lines)
        maxWidth = std::max(maxWidth, TextWidth(m, static_cast<int>(line.size())));

    if (format & DT_CALCRECT) {
        lprc->right = lprc->left + maxWidth;
        lprc->bottom = lprc->top + height;
        return height;
    }
    int top = lprc->top;
    bool singleLine = (format & DT_SINGLELINE) != 0;
    if (singleLine && (format & DT_VCENTER))
        top = lprc->top + (lprc->bottom - lprc->top - height) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        top = lprc->bottom - height;

    Canvas canvas(*dc, true);
    if (canvas.Valid()) {
        int ox = canvas.OffsetX();
        int oy = canvas.OffsetY();
        if (!(format & DT_NOCLIP))
            canvas.IntersectClip(RECT{lprc->left + ox, lprc->top + oy, lprc->right + ox, lprc->bottom + oy});
        int y = top;
        for (const Line &line : lines) {
            int width = TextWidth(m, static_cast<int>(line.size()));
            int x = lprc->left;
            if (format & DT_CENTER)
                x = lprc->left + (lprc->right - lprc->left - width) / 2;
            else if (format & DT_RIGHT)
                x = lprc->right - width;
            DrawLine(canvas, m, line, x + ox, y + oy);
            y += m.height;
        }
    }
    // With DT_VCENTER or DT_BOTTOM the result is the offset from the top to the text's bottom.
    if (singleLine && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - lprc->top + height;
    return height;
}

BOOL WINAPI GrayStringA(HDC hDC, HBRUSH hBrush, void *lpOutputFunc, LPARAM lpData, int nCount, int X, int Y,
                        int nWidth, int nHeight)
{
    auto dc = LookupDc(hDC);
    if (!dc)
        return FALSE;
    if (lpOutputFunc) {
        // The application draws itself; this device shows it ungreyed.
        using OutputProc = BOOL(CALLBACK *)(HDC, LPARAM, int);
        return reinterpret_cast<OutputProc>(lpOutputFunc)(hDC, lpData, nCount);
    }
    const char *text = reinterpret_cast<const char *>(lpData);
    if (!text)
        return FALSE;
    if (nCount <= 0)
        nCount = static_cast<int>(std::strlen(text));
    COLORREF oldColor = SetTextColor(hDC, GetSysColor(COLOR_GRAYTEXT));
    int oldMode = SetBkMode(hDC, TRANSPARENT);
    BOOL result = TextOutA(hDC, X, Y, text, nCount);
    SetBkMode(hDC, oldMode);
    SetTextColor(hDC, oldColor);
    return result;
}
