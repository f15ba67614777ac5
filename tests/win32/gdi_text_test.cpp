// Fonts and text: LOGFONTs kept as given, metrics consistent with the built-in 6x13 glyphs,
// TextOutA/ExtTextOutA placement, background and clipping, and DrawTextA's layout.
#include "gdi_test_surface.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

LOGFONTA Font(LONG height, LONG weight = FW_NORMAL)
{
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = ANSI_CHARSET;
    std::strcpy(lf.lfFaceName, "MS Sans Serif");
    return lf;
}

// The bounding box of the pixels of one colour; empty when there are none.
RECT Bounds(const TestSurface &s, COLORREF color)
{
    RECT r{s.Width(), s.Height(), 0, 0};
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.At(x, y) == color) {
                r.left = std::min<LONG>(r.left, x);
                r.top = std::min<LONG>(r.top, y);
                r.right = std::max<LONG>(r.right, x + 1);
                r.bottom = std::max<LONG>(r.bottom, y + 1);
            }
    if (r.right == 0)
        r = RECT{0, 0, 0, 0};
    return r;
}

class TextDc : public TestSurface {
public:
    TextDc(int w, int h, const LOGFONTA &lf = Font(-11)) : TestSurface(w, h)
    {
        m_font = CreateFontIndirectA(&lf);
        m_old = SelectObject(Dc(), m_font);
        SetTextColor(Dc(), kBlack);
        SetBkColor(Dc(), kWhite);
    }
    ~TextDc()
    {
        SelectObject(Dc(), m_old);
        DeleteObject(m_font);
    }

private:
    HFONT m_font;
    HGDIOBJ m_old;
};

TEST(GdiFonts, TheLogFontComesBackExactly)
{
    LOGFONTA lf = Font(-13, FW_BOLD);
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    lf.lfQuality = 3;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA is 60 bytes");
    HFONT font = CreateFontIndirectA(&lf);
    LOGFONTA out;
    std::memset(&out, 0xCD, sizeof(out));
    EXPECT_EQ(GetObjectA(font, sizeof(out), &out), 60);
    EXPECT_EQ(std::memcmp(&lf, &out, sizeof(lf)), 0);
    EXPECT_EQ(GetObjectA(font, 0, nullptr), 60);
    DeleteObject(font);

    HFONT made = CreateFontA(20, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Face");
    GetObjectA(made, sizeof(out), &out);
    EXPECT_EQ(out.lfHeight, 20);
    EXPECT_EQ(out.lfUnderline, 1);
    EXPECT_STREQ(out.lfFaceName, "Face");
    DeleteObject(made);

    LOGFONTA gui{};
    EXPECT_EQ(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(gui), &gui), 60);
    EXPECT_NE(gui.lfFaceName[0], '\0');
}

TEST(GdiFonts, MetricsMatchTheGlyphs)
{
    TextDc dc(10, 10);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(dc.Dc(), &tm));
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmAveCharWidth, 6);
    EXPECT_EQ(tm.tmMaxCharWidth, 6);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32A(dc.Dc(), "Hello", 5, &size));
    EXPECT_EQ(size.cx, 30);
    EXPECT_EQ(size.cy, 13);
    EXPECT_TRUE(GetTextExtentPoint32A(dc.Dc(), "", 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_FALSE(GetTextExtentPoint32A(dc.Dc(), "x", -1, &size));

    char face[LF_FACESIZE] = {};
    EXPECT_EQ(GetTextFaceA(dc.Dc(), sizeof(face), face), (int)std::strlen("MS Sans Serif"));
    EXPECT_STREQ(face, "MS Sans Serif");
    char small[3] = {};
    GetTextFaceA(dc.Dc(), sizeof(small), small);
    EXPECT_STREQ(small, "MS");
}

TEST(GdiFonts, LargeHeightsScaleByAWholeFactorAndBoldIsReported)
{
    TextDc big(10, 10, Font(-39, FW_BOLD));
    TEXTMETRICA tm{};
    GetTextMetricsA(big.Dc(), &tm);
    EXPECT_EQ(tm.tmHeight, 39);
    EXPECT_EQ(tm.tmAveCharWidth, 18);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    SIZE size{};
    GetTextExtentPoint32A(big.Dc(), "ab", 2, &size);
    EXPECT_EQ(size.cx, 36);
}

TEST(GdiText, TextOutDrawsInsideItsCellWithAnOpaqueBackground)
{
    TextDc dc(60, 30);
    SetBkColor(dc.Dc(), kBlue);
    EXPECT_TRUE(TextOutA(dc.Dc(), 5, 4, "Hi!", 3));
    EXPECT_EQ(Bounds(dc, kBlue).left, 5);
    RECT ink = Bounds(dc, kBlack);
    EXPECT_GE(ink.left, 5);
    EXPECT_LE(ink.right, 5 + 18);
    EXPECT_GE(ink.top, 4);
    EXPECT_LE(ink.bottom, 4 + 13);
    EXPECT_GT(dc.Count(kBlack), 10);
    EXPECT_EQ(dc.Count(kBlue) + dc.Count(kBlack), 18 * 13) << "the whole cell is painted";

    dc.Fill(kWhite);
    SetBkMode(dc.Dc(), TRANSPARENT);
    TextOutA(dc.Dc(), 5, 4, "Hi!", 3);
    EXPECT_EQ(dc.Count(kBlue), 0);
    EXPECT_GT(dc.Count(kBlack), 10);
}

TEST(GdiText, AlignmentFlagsMoveTheReferencePoint)
{
    TextDc dc(80, 40);
    SetBkColor(dc.Dc(), kBlue);
    SetTextAlign(dc.Dc(), TA_RIGHT | TA_BOTTOM);
    TextOutA(dc.Dc(), 40, 30, "abcd", 4);
    RECT cell = Bounds(dc, kBlue);
    EXPECT_EQ(cell.right, 40);
    EXPECT_EQ(cell.bottom, 30);
    EXPECT_EQ(cell.left, 16);

    dc.Fill(kWhite);
    SetTextAlign(dc.Dc(), TA_CENTER | TA_BASELINE);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.Dc(), &tm);
    TextOutA(dc.Dc(), 40, 20, "abcd", 4);
    cell = Bounds(dc, kBlue);
    EXPECT_EQ(cell.left, 28);
    EXPECT_EQ(cell.top, 20 - tm.tmAscent);
}

TEST(GdiText, UpdateCpAdvancesTheCurrentPosition)
{
    TextDc dc(80, 20);
    SetTextAlign(dc.Dc(), TA_UPDATECP);
    MoveToEx(dc.Dc(), 3, 2, nullptr);
    TextOutA(dc.Dc(), 50, 50, "ab", 2); // the coordinates are ignored
    TextOutA(dc.Dc(), 50, 50, "c", 1);
    POINT cp{};
    MoveToEx(dc.Dc(), 0, 0, &cp);
    EXPECT_EQ(cp.x, 3 + 18);
    EXPECT_EQ(cp.y, 2);
    EXPECT_GT(dc.Count(kBlack, 3, 2, 21, 15), 0);
}

TEST(GdiText, ExtTextOutOpaqueRectangleAndClipping)
{
    TextDc dc(60, 20);
    SetBkMode(dc.Dc(), TRANSPARENT);
    SetBkColor(dc.Dc(), kBlue);
    RECT r{2, 2, 12, 10};
    EXPECT_TRUE(ExtTextOutA(dc.Dc(), 0, 0, ETO_OPAQUE | ETO_CLIPPED, &r, "WWWWW", 5, nullptr));
    EXPECT_EQ(dc.At(11, 9), kBlue) << "ETO_OPAQUE paints the rectangle whatever the mode";
    EXPECT_EQ(dc.At(12, 2), kWhite);
    RECT ink = Bounds(dc, kBlack);
    EXPECT_GE(ink.left, 2);
    EXPECT_LE(ink.right, 12);
    EXPECT_LE(ink.bottom, 10);
    // Without a string it only fills.
    dc.Fill(kWhite);
    ExtTextOutA(dc.Dc(), 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    EXPECT_EQ(dc.Count(kBlue), 80);
    // Explicit advances spread the characters.
    dc.Fill(kWhite);
    INT dx[] = {20, 20};
    ExtTextOutA(dc.Dc(), 0, 0, 0, nullptr, "II", 2, dx);
    EXPECT_GT(dc.Count(kBlack, 20, 0, 40, 13), 0);
    EXPECT_EQ(dc.Count(kBlack, 6, 0, 20, 13), 0);
}

TEST(GdiText, UnderlineStrikeOutBoldAndItalic)
{
    TextDc plain(40, 15);
    SetBkMode(plain.Dc(), TRANSPARENT);
    TextOutA(plain.Dc(), 0, 0, "ace", 3);
    int base = plain.Count(kBlack);

    LOGFONTA lf = Font(-11);
    lf.lfUnderline = 1;
    TextDc underlined(40, 15, lf);
    SetBkMode(underlined.Dc(), TRANSPARENT);
    TextOutA(underlined.Dc(), 0, 0, "ace", 3);
    int fullRow = -1;
    for (int y = 0; y < 13; ++y)
        if (underlined.Count(kBlack, 0, y, 18, y + 1) == 18)
            fullRow = y;
    EXPECT_GT(fullRow, 9) << "a solid line below the baseline";

    TextDc bold(40, 15, Font(-11, FW_BOLD));
    SetBkMode(bold.Dc(), TRANSPARENT);
    TextOutA(bold.Dc(), 0, 0, "ace", 3);
    EXPECT_GT(bold.Count(kBlack), base);

    lf = Font(-11);
    lf.lfItalic = 1;
    TextDc italic(40, 15, lf);
    SetBkMode(italic.Dc(), TRANSPARENT);
    TextOutA(italic.Dc(), 0, 0, "ace", 3);
    EXPECT_EQ(italic.Count(kBlack), base) << "italic leans the same pixels";
    bool differs = false;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 40; ++x)
            differs = differs || italic.At(x, y) != plain.At(x, y);
    EXPECT_TRUE(differs);

    lf = Font(-11);
    lf.lfStrikeOut = 1;
    TextDc struck(40, 15, lf);
    SetBkMode(struck.Dc(), TRANSPARENT);
    TextOutA(struck.Dc(), 0, 0, "   ", 3);
    EXPECT_EQ(struck.Count(kBlack), 18) << "one line through the spaces";
}

TEST(GdiDrawText, CalcRectMeasuresLinesAndPrefixes)
{
    TextDc dc(10, 10);
    auto measure = [&](const char *text, UINT format, int width = 1000) {
        RECT r{10, 20, 10 + width, 20};
        int height = DrawTextA(dc.Dc(), text, -1, &r, format | DT_CALCRECT);
        EXPECT_EQ(r.bottom - r.top, height) << text;
        EXPECT_EQ(dc.Count(kWhite), 100) << "DT_CALCRECT draws nothing";
        return SIZE{r.right - r.left, height};
    };
    SIZE s = measure("Hello", DT_SINGLELINE);
    EXPECT_EQ(s.cx, 30);
    EXPECT_EQ(s.cy, 13);
    s = measure("a\nbbb\r\ncc", 0);
    EXPECT_EQ(s.cx, 18);
    EXPECT_EQ(s.cy, 39);
    EXPECT_EQ(measure("&File", DT_SINGLELINE).cx, 24);
    EXPECT_EQ(measure("a&&b", DT_SINGLELINE).cx, 18);
    EXPECT_EQ(measure("&File", DT_SINGLELINE | DT_NOPREFIX).cx, 30);
    EXPECT_EQ(measure("a\tb", DT_SINGLELINE | DT_EXPANDTABS).cx, 9 * 6);
    // Word breaking at 7 characters per line.
    s = measure("aaa bbb ccc", DT_WORDBREAK, 42);
    EXPECT_EQ(s.cy, 26);
    EXPECT_EQ(s.cx, 42);
    s = measure("aaaaaaaaaa b", DT_WORDBREAK, 42);
    EXPECT_EQ(s.cy, 26) << "a long word stays whole on its own line";
    EXPECT_EQ(s.cx, 60);
    EXPECT_EQ(measure("a\nb", DT_SINGLELINE).cy, 13) << "DT_SINGLELINE ignores line breaks";
}

TEST(GdiDrawText, AlignmentAndVerticalCentring)
{
    TextDc dc(100, 40);
    SetBkColor(dc.Dc(), kBlue);
    RECT r{0, 0, 100, 40};
    int result = DrawTextA(dc.Dc(), "abcd", -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    RECT cell = Bounds(dc, kBlue);
    EXPECT_EQ(cell.left, 38);
    EXPECT_EQ(cell.right, 62);
    EXPECT_EQ(cell.top, 13);
    EXPECT_EQ(cell.bottom, 26);
    EXPECT_EQ(result, 26) << "offset from the top to the text's bottom";

    dc.Fill(kWhite);
    DrawTextA(dc.Dc(), "abcd", -1, &r, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    cell = Bounds(dc, kBlue);
    EXPECT_EQ(cell.right, 100);
    EXPECT_EQ(cell.bottom, 40);
}

TEST(GdiDrawText, ClipsToTheRectangleUnlessNoClip)
{
    TextDc dc(100, 20);
    SetBkColor(dc.Dc(), kBlue);
    RECT r{0, 0, 10, 20};
    DrawTextA(dc.Dc(), "abcdef", -1, &r, DT_SINGLELINE);
    EXPECT_EQ(Bounds(dc, kBlue).right, 10);
    dc.Fill(kWhite);
    DrawTextA(dc.Dc(), "abcdef", -1, &r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(Bounds(dc, kBlue).right, 36);
}

TEST(GdiDrawText, EndEllipsisReplacesTheTail)
{
    TextDc withEllipsis(60, 15);
    RECT r{0, 0, 36, 15};
    DrawTextA(withEllipsis.Dc(), "abcdefghij", -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS);
    TextDc expected(60, 15);
    TextOutA(expected.Dc(), 0, 0, "abc...", 6);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(withEllipsis.At(x, y), expected.At(x, y)) << x << "," << y;
}

TEST(GdiDrawText, MnemonicsAreUnderlinedUnlessHidden)
{
    TextDc shown(40, 15);
    RECT r{0, 0, 40, 15};
    DrawTextA(shown.Dc(), "&ab", -1, &r, DT_SINGLELINE);
    TextDc hidden(40, 15);
    DrawTextA(hidden.Dc(), "&ab", -1, &r, DT_SINGLELINE | DT_HIDEPREFIX);
    TextDc plain(40, 15);
    DrawTextA(plain.Dc(), "ab", -1, &r, DT_SINGLELINE);
    EXPECT_EQ(hidden.Count(kBlack), plain.Count(kBlack));
    EXPECT_GT(shown.Count(kBlack), plain.Count(kBlack));
    EXPECT_EQ(shown.Count(kBlack, 6, 0, 40, 15), plain.Count(kBlack, 6, 0, 40, 15))
        << "only the first character is underlined";
}

TEST(GdiDrawText, InvalidArguments)
{
    TextDc dc(10, 10);
    EXPECT_EQ(DrawTextA(dc.Dc(), "a", -1, nullptr, 0), 0);
    RECT r{0, 0, 10, 10};
    EXPECT_EQ(DrawTextA((HDC)0x3131, "a", -1, &r, 0), 0);
}

} // namespace
