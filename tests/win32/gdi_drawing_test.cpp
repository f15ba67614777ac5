// Lines, shapes, pens, brushes, raster operations and pixels, checked pixel by pixel where
// Win32 defines the result (excluded right/bottom edges, the missing last pixel of a line).
#include "gdi_test_surface.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Selects an object for the lifetime of the guard and deletes it afterwards.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : m_dc(dc), m_object(object), m_old(SelectObject(dc, object)) {}
    ~Selected()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_object);
    }

private:
    HDC m_dc;
    HGDIOBJ m_object;
    HGDIOBJ m_old;
};

TEST(GdiLines, LineToLeavesOutTheLastPixelAndMovesThePosition)
{
    TestSurface s(10, 10);
    POINT previous{};
    MoveToEx(s.Dc(), 1, 1, &previous);
    EXPECT_EQ(previous.x, 0);
    EXPECT_TRUE(LineTo(s.Dc(), 6, 1));
    for (int x = 1; x <= 5; ++x)
        EXPECT_EQ(s.At(x, 1), kBlack) << x;
    EXPECT_EQ(s.At(6, 1), kWhite);
    EXPECT_EQ(s.At(0, 1), kWhite);
    EXPECT_EQ(s.Count(kBlack), 5);

    LineTo(s.Dc(), 6, 8); // continues from (6,1)
    EXPECT_EQ(s.At(6, 1), kBlack);
    EXPECT_EQ(s.At(6, 7), kBlack);
    EXPECT_EQ(s.At(6, 8), kWhite);
    MoveToEx(s.Dc(), 0, 0, &previous);
    EXPECT_EQ(previous.x, 6);
    EXPECT_EQ(previous.y, 8);
}

TEST(GdiLines, DiagonalLinesTouchEveryStep)
{
    TestSurface s(10, 10);
    MoveToEx(s.Dc(), 0, 0, nullptr);
    LineTo(s.Dc(), 5, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(s.At(i, i), kBlack);
    EXPECT_EQ(s.At(5, 5), kWhite);
    EXPECT_EQ(s.Count(kBlack), 5);
}

TEST(GdiLines, PolylineDrawsEverySegmentButNotTheFinalPoint)
{
    TestSurface s(10, 10);
    POINT pts[] = {{0, 0}, {4, 0}, {4, 4}};
    EXPECT_TRUE(Polyline(s.Dc(), pts, 3));
    EXPECT_EQ(s.At(0, 0), kBlack);
    EXPECT_EQ(s.At(4, 0), kBlack);
    EXPECT_EQ(s.At(4, 3), kBlack);
    EXPECT_EQ(s.At(4, 4), kWhite);
    EXPECT_EQ(s.Count(kBlack), 8);
    EXPECT_FALSE(Polyline(s.Dc(), pts, 1));
    POINT position{};
    MoveToEx(s.Dc(), 0, 0, &position);
    EXPECT_EQ(position.x, 0) << "Polyline does not use or move the current position";
}

TEST(GdiPens, WidePenDrawsASolidBand)
{
    TestSurface s(20, 12);
    Selected pen(s.Dc(), CreatePen(PS_SOLID, 3, kRed));
    MoveToEx(s.Dc(), 4, 5, nullptr);
    LineTo(s.Dc(), 12, 5);
    for (int y = 4; y <= 6; ++y)
        EXPECT_EQ(s.At(8, y), kRed) << y;
    EXPECT_EQ(s.At(8, 3), kWhite);
    EXPECT_EQ(s.At(8, 7), kWhite);
}

TEST(GdiPens, DotsAndDashesUseTheBackgroundInOpaqueMode)
{
    TestSurface s(30, 4);
    SetBkColor(s.Dc(), kBlue);
    {
        Selected pen(s.Dc(), CreatePen(PS_DOT, 1, kRed));
        MoveToEx(s.Dc(), 0, 1, nullptr);
        LineTo(s.Dc(), 30, 1);
    }
    int red = s.Count(kRed, 0, 1, 30, 2);
    int blue = s.Count(kBlue, 0, 1, 30, 2);
    EXPECT_GT(red, 0);
    EXPECT_GT(blue, 0);
    EXPECT_EQ(red + blue, 30);
    EXPECT_EQ(s.At(0, 1), kRed) << "a styled line starts with a dash";

    SetBkMode(s.Dc(), TRANSPARENT);
    {
        Selected pen(s.Dc(), CreatePen(PS_DASH, 1, kRed));
        MoveToEx(s.Dc(), 0, 2, nullptr);
        LineTo(s.Dc(), 30, 2);
    }
    EXPECT_GT(s.Count(kRed, 0, 2, 30, 3), 0);
    EXPECT_GT(s.Count(kWhite, 0, 2, 30, 3), 0) << "transparent gaps leave the background";
    EXPECT_EQ(s.Count(kBlue, 0, 2, 30, 3), 0);
}

TEST(GdiPens, NullPenDrawsNothing)
{
    TestSurface s(10, 10);
    SelectObject(s.Dc(), GetStockObject(NULL_PEN));
    MoveToEx(s.Dc(), 0, 0, nullptr);
    LineTo(s.Dc(), 9, 9);
    EXPECT_EQ(s.Count(kWhite), 100);
}

TEST(GdiPens, Rop2ModesCombineThePenWithTheDestination)
{
    TestSurface s(10, 3, RGB(0x12, 0x34, 0x56));
    Selected pen(s.Dc(), CreatePen(PS_SOLID, 1, RGB(0xFF, 0x00, 0x0F)));
    auto line = [&](int rop) {
        SetROP2(s.Dc(), rop);
        MoveToEx(s.Dc(), 0, 1, nullptr);
        LineTo(s.Dc(), 10, 1);
        return s.At(5, 1);
    };
    EXPECT_EQ(line(R2_XORPEN), RGB(0x12 ^ 0xFF, 0x34, 0x56 ^ 0x0F));
    EXPECT_EQ(line(R2_XORPEN), RGB(0x12, 0x34, 0x56)) << "XOR twice restores";
    EXPECT_EQ(line(R2_NOT), RGB(0xED, 0xCB, 0xA9));
    EXPECT_EQ(line(R2_BLACK), kBlack);
    EXPECT_EQ(line(R2_WHITE), kWhite);
    EXPECT_EQ(line(R2_COPYPEN), RGB(0xFF, 0x00, 0x0F));
    EXPECT_EQ(s.At(5, 0), RGB(0x12, 0x34, 0x56));
}

TEST(GdiShapes, RectangleExcludesRightAndBottomEdges)
{
    TestSurface s(12, 10);
    Selected brush(s.Dc(), CreateSolidBrush(kRed));
    EXPECT_TRUE(Rectangle(s.Dc(), 2, 2, 8, 6));
    for (int x = 2; x <= 7; ++x) {
        EXPECT_EQ(s.At(x, 2), kBlack) << x;
        EXPECT_EQ(s.At(x, 5), kBlack) << x;
    }
    EXPECT_EQ(s.At(2, 4), kBlack);
    EXPECT_EQ(s.At(7, 4), kBlack);
    EXPECT_EQ(s.Count(kRed), 4 * 2);
    EXPECT_EQ(s.At(3, 3), kRed);
    EXPECT_EQ(s.At(8, 3), kWhite);
    EXPECT_EQ(s.At(4, 6), kWhite);
}

TEST(GdiShapes, RectangleWithoutAPenIsOnePixelSmaller)
{
    TestSurface s(12, 10);
    Selected brush(s.Dc(), CreateSolidBrush(kRed));
    SelectObject(s.Dc(), GetStockObject(NULL_PEN));
    Rectangle(s.Dc(), 2, 2, 8, 6);
    EXPECT_EQ(s.Count(kRed), 5 * 3);
    EXPECT_EQ(s.At(2, 2), kRed);
    EXPECT_EQ(s.At(6, 4), kRed);
    EXPECT_EQ(s.At(7, 4), kWhite);
    EXPECT_EQ(s.At(6, 5), kWhite);
    SelectObject(s.Dc(), GetStockObject(BLACK_PEN));
}

TEST(GdiShapes, WideOutlinesAreCentredOrKeptInside)
{
    TestSurface s(14, 14);
    Selected brush(s.Dc(), CreateSolidBrush(kBlue));
    {
        Selected pen(s.Dc(), CreatePen(PS_INSIDEFRAME, 3, kRed));
        Rectangle(s.Dc(), 2, 2, 12, 12);
    }
    EXPECT_EQ(s.At(2, 2), kRed);
    EXPECT_EQ(s.At(4, 6), kRed);
    EXPECT_EQ(s.At(5, 6), kBlue);
    EXPECT_EQ(s.At(11, 11), kRed);
    EXPECT_EQ(s.At(12, 6), kWhite);
    EXPECT_EQ(s.At(1, 6), kWhite);
    EXPECT_EQ(s.Count(kBlue), 4 * 4);

    s.Fill(kWhite);
    {
        Selected pen(s.Dc(), CreatePen(PS_SOLID, 3, kRed));
        Rectangle(s.Dc(), 2, 2, 12, 12);
    }
    EXPECT_EQ(s.At(1, 6), kRed) << "a centred pen reaches outside the box";
    EXPECT_EQ(s.At(12, 6), kRed);
    EXPECT_EQ(s.At(13, 6), kWhite);
    EXPECT_EQ(s.At(4, 6), kBlue);
}

TEST(GdiShapes, HollowRectangleLeavesTheInside)
{
    TestSurface s(10, 10, kBlue);
    SelectObject(s.Dc(), GetStockObject(NULL_BRUSH));
    Rectangle(s.Dc(), 0, 0, 10, 10);
    EXPECT_EQ(s.At(5, 5), kBlue);
    EXPECT_EQ(s.At(9, 9), kBlack);
    EXPECT_EQ(s.Count(kBlack), 36);
}

TEST(GdiShapes, EllipseFitsItsBox)
{
    TestSurface s(12, 12);
    Selected brush(s.Dc(), CreateSolidBrush(kRed));
    EXPECT_TRUE(Ellipse(s.Dc(), 0, 0, 10, 10));
    EXPECT_EQ(s.At(5, 5), kRed);
    EXPECT_EQ(s.At(0, 0), kWhite);
    EXPECT_EQ(s.At(9, 9), kWhite);
    EXPECT_EQ(s.At(0, 5), kBlack);
    EXPECT_EQ(s.At(9, 5), kBlack);
    EXPECT_EQ(s.At(5, 0), kBlack);
    EXPECT_EQ(s.At(5, 9), kBlack);
    EXPECT_EQ(s.Count(kWhite, 10, 0, 12, 12) + s.Count(kWhite, 0, 10, 10, 12), 2 * 12 + 2 * 10);
    // Symmetric about both axes.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            EXPECT_EQ(s.At(x, y), s.At(9 - x, y)) << x << "," << y;
            EXPECT_EQ(s.At(x, y), s.At(x, 9 - y)) << x << "," << y;
        }
}

TEST(GdiShapes, PolygonFillsWithTheBrushAndClosesTheOutline)
{
    TestSurface s(12, 12);
    Selected brush(s.Dc(), CreateSolidBrush(kRed));
    POINT triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    EXPECT_TRUE(Polygon(s.Dc(), triangle, 3));
    EXPECT_EQ(s.At(2, 2), kRed);
    EXPECT_EQ(s.At(8, 8), kWhite);
    EXPECT_EQ(s.At(0, 5), kBlack) << "the closing edge is drawn";
    EXPECT_EQ(s.At(5, 0), kBlack);

    // ALTERNATE leaves the overlap of a self-crossing star's points empty in the middle.
    s.Fill(kWhite);
    SelectObject(s.Dc(), GetStockObject(NULL_PEN));
    POINT bow[] = {{0, 0}, {10, 10}, {10, 0}, {0, 10}};
    Polygon(s.Dc(), bow, 4);
    EXPECT_EQ(s.At(1, 5), kRed);
    EXPECT_EQ(s.At(5, 1), kWhite);
    SelectObject(s.Dc(), GetStockObject(BLACK_PEN));
}

TEST(GdiPixels, SetPixelReturnsTheColourSetAndGetPixelReadsIt)
{
    TestSurface s(4, 4);
    EXPECT_EQ(SetPixel(s.Dc(), 1, 2, RGB(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(s.Dc(), 1, 2), RGB(10, 20, 30));
    EXPECT_EQ(s.At(1, 2), RGB(10, 20, 30));
    EXPECT_EQ(SetPixel(s.Dc(), 4, 0, kRed), CLR_INVALID);
    EXPECT_EQ(GetPixel(s.Dc(), -1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(s.Dc(), 0, 4), CLR_INVALID);
}

TEST(GdiBrushes, PatBltRasterOperations)
{
    TestSurface s(8, 8, RGB(0x0F, 0xF0, 0x55));
    Selected brush(s.Dc(), CreateSolidBrush(RGB(0xFF, 0x00, 0x0F)));
    EXPECT_TRUE(PatBlt(s.Dc(), 0, 0, 2, 8, PATINVERT));
    EXPECT_EQ(s.At(0, 0), RGB(0xF0, 0xF0, 0x5A));
    EXPECT_TRUE(PatBlt(s.Dc(), 2, 0, 2, 8, DSTINVERT));
    EXPECT_EQ(s.At(2, 0), RGB(0xF0, 0x0F, 0xAA));
    EXPECT_TRUE(PatBlt(s.Dc(), 4, 0, 1, 8, BLACKNESS));
    EXPECT_EQ(s.At(4, 0), kBlack);
    EXPECT_TRUE(PatBlt(s.Dc(), 5, 0, 1, 8, WHITENESS));
    EXPECT_EQ(s.At(5, 0), kWhite);
    EXPECT_TRUE(PatBlt(s.Dc(), 7, 8, -1, -8, PATCOPY)) << "negative extents are normalised";
    EXPECT_EQ(s.At(6, 0), RGB(0xFF, 0x00, 0x0F));
    EXPECT_EQ(s.At(7, 0), RGB(0x0F, 0xF0, 0x55));
    EXPECT_FALSE(PatBlt(s.Dc(), 0, 0, 1, 1, SRCCOPY)) << "PatBlt has no source";
}

TEST(GdiBrushes, HatchedBrushesDrawTheirLinesAndHonourTheBackgroundMode)
{
    TestSurface s(8, 8, kBlue);
    Selected brush(s.Dc(), CreateHatchBrush(HS_HORIZONTAL, kRed));
    SetBkColor(s.Dc(), kWhite);
    PatBlt(s.Dc(), 0, 0, 8, 8, PATCOPY);
    EXPECT_EQ(s.Count(kRed), 8);
    EXPECT_EQ(s.Count(kWhite), 56);
    s.Fill(kBlue);
    SetBkMode(s.Dc(), TRANSPARENT);
    PatBlt(s.Dc(), 0, 0, 8, 8, PATCOPY);
    EXPECT_EQ(s.Count(kRed), 8);
    EXPECT_EQ(s.Count(kBlue), 56);
}

TEST(GdiBrushes, PatternBrushesTileTheirBitmap)
{
    // A 2x2 colour pattern: red, blue / blue, red.
    const uint32_t bits[] = {0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000};
    HBITMAP pattern = CreateBitmap(2, 2, 1, 32, bits);
    HBRUSH brush = CreatePatternBrush(pattern);
    DeleteObject(pattern); // the brush keeps its own copy
    TestSurface s(6, 6);
    SelectObject(s.Dc(), brush);
    PatBlt(s.Dc(), 0, 0, 6, 6, PATCOPY);
    EXPECT_EQ(s.At(0, 0), kRed);
    EXPECT_EQ(s.At(1, 0), kBlue);
    EXPECT_EQ(s.At(4, 4), kRed);
    EXPECT_EQ(s.At(5, 4), kBlue);
    LOGBRUSH lb{};
    GetObjectA(brush, sizeof(lb), &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_PATTERN));

    // A monochrome pattern takes the text colour for 0 and the background colour for 1.
    const BYTE monoBits[] = {0x40, 0, 0x80, 0}; // WORD-padded rows; row 0: 0 1, row 1: 1 0
    HBITMAP mono = CreateBitmap(2, 2, 1, 1, monoBits);
    HBRUSH monoBrush = CreatePatternBrush(mono);
    SelectObject(s.Dc(), monoBrush);
    SetTextColor(s.Dc(), kRed);
    SetBkColor(s.Dc(), kBlue);
    PatBlt(s.Dc(), 0, 0, 2, 2, PATCOPY);
    EXPECT_EQ(s.At(0, 0), kRed);
    EXPECT_EQ(s.At(1, 0), kBlue);
    EXPECT_EQ(s.At(0, 1), kBlue);
    EXPECT_EQ(s.At(1, 1), kRed);
    SelectObject(s.Dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
    DeleteObject(monoBrush);
    DeleteObject(mono);
}

TEST(GdiBrushes, DrawingIntoAMonochromeBitmapMapsColoursToBlackOrWhite)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ old = SelectObject(dc, mono);
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(250, 240, 230)), kWhite);
    EXPECT_EQ(SetPixel(dc, 1, 0, RGB(20, 30, 10)), kBlack);
    EXPECT_EQ(GetPixel(dc, 0, 0), kWhite);
    SelectObject(dc, old);
    DeleteObject(mono);
    DeleteDC(dc);
}

} // namespace
