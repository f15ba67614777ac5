// Bitmaps, DIB sections, GetDIBits/SetDIBits and blits: orientation, row padding, raster
// operations and the monochrome/colour conversions of Win32.
#include "gdi_test_surface.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

BITMAPINFO Info(int width, int height, int bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A memory DC holding a bitmap for the lifetime of the object.
class MemoryDc {
public:
    explicit MemoryDc(HBITMAP bitmap) : m_dc(CreateCompatibleDC(nullptr)), m_bitmap(bitmap)
    {
        m_old = SelectObject(m_dc, bitmap);
    }
    ~MemoryDc()
    {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    HDC Dc() const { return m_dc; }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

TEST(GdiBitmaps, CompatibleBitmapsFollowTheDcsDepth)
{
    HDC fresh = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(fresh, 5, 5);
    BITMAP bm{};
    GetObjectA(mono, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1) << "a fresh memory DC holds a monochrome bitmap";
    TestSurface colour(2, 2);
    HBITMAP deep = CreateCompatibleBitmap(colour.Dc(), 5, 5);
    GetObjectA(deep, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidthBytes, 20);
    EXPECT_EQ(GetDeviceCaps(fresh, BITSPIXEL), 32) << "a memory DC reports the screen's depth";
    DeleteObject(mono);
    DeleteObject(deep);
    DeleteDC(fresh);
}

TEST(GdiBitmaps, CreateBitmapReadsWordAlignedRows)
{
    const BYTE monoBits[] = {0xA0, 0x00, 0x50, 0x00}; // 3x2: 1 0 1 / 0 1 0
    MemoryDc mono(CreateBitmap(3, 2, 1, 1, monoBits));
    EXPECT_EQ(GetPixel(mono.Dc(), 0, 0), kWhite);
    EXPECT_EQ(GetPixel(mono.Dc(), 1, 0), kBlack);
    EXPECT_EQ(GetPixel(mono.Dc(), 1, 1), kWhite);

    const uint32_t colourBits[] = {0x00FF0000, 0x000000FF};
    MemoryDc colour(CreateBitmap(2, 1, 1, 32, colourBits));
    EXPECT_EQ(GetPixel(colour.Dc(), 0, 0), kRed);
    EXPECT_EQ(GetPixel(colour.Dc(), 1, 0), kBlue);
}

TEST(GdiDibSections, ThirtyTwoBitOrientationFollowsTheHeightsSign)
{
    void *bits = nullptr;
    BITMAPINFO up = Info(3, 2, 32);
    HBITMAP bottomUp = CreateDIBSection(nullptr, &up, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bottomUp, nullptr);
    ASSERT_NE(bits, nullptr);
    uint32_t *pixels = static_cast<uint32_t *>(bits);
    MemoryDc dc(bottomUp);
    SetPixel(dc.Dc(), 0, 0, kRed);
    EXPECT_EQ(pixels[3], 0x00FF0000u) << "row 0 is the last row in memory";
    pixels[0] = 0x000000FF; // memory row 0 is the bottom row
    EXPECT_EQ(GetPixel(dc.Dc(), 0, 1), kBlue);

    BITMAPINFO down = Info(3, -2, 32);
    HBITMAP topDown = CreateDIBSection(nullptr, &down, DIB_RGB_COLORS, &bits, nullptr, 0);
    MemoryDc dc2(topDown);
    SetPixel(dc2.Dc(), 1, 0, kRed);
    EXPECT_EQ(static_cast<uint32_t *>(bits)[1], 0x00FF0000u);

    BITMAP bm{};
    GetObjectA(topDown, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmBits, bits);
    EXPECT_EQ(bm.bmWidthBytes, 12);
    EXPECT_EQ(bm.bmHeight, 2) << "the height is reported positive";
}

TEST(GdiDibSections, TwentyFourBitRowsArePaddedAndSeeDirectWrites)
{
    void *bits = nullptr;
    BITMAPINFO info = Info(3, -2, 24);
    MemoryDc dc(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_NE(bits, nullptr);
    BYTE *bytes = static_cast<BYTE *>(bits);
    SetPixel(dc.Dc(), 0, 1, RGB(1, 2, 3));
    // Rows are 12 bytes (9 used); pixels are B, G, R.
    EXPECT_EQ(bytes[12], 3);
    EXPECT_EQ(bytes[13], 2);
    EXPECT_EQ(bytes[14], 1);
    bytes[3] = 0xFF; // pixel (1,0) blue
    EXPECT_EQ(GetPixel(dc.Dc(), 1, 0), kBlue);
    RECT r{0, 0, 3, 2};
    HBRUSH red = CreateSolidBrush(kRed);
    FillRect(dc.Dc(), &r, red);
    DeleteObject(red);
    EXPECT_EQ(bytes[2], 0xFF);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[9], 0) << "padding stays untouched";
}

TEST(GdiDibSections, EightBitSectionsUseTheirColourTable)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[4];
    } info{};
    info.header = Info(4, -1, 8).bmiHeader;
    info.header.biClrUsed = 4;
    info.colors[0] = {0, 0, 0, 0};
    info.colors[1] = {0, 0, 255, 0};   // red
    info.colors[2] = {255, 0, 0, 0};   // blue
    info.colors[3] = {255, 255, 255, 0};
    void *bits = nullptr;
    MemoryDc dc(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO *>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_NE(bits, nullptr);
    BYTE *index = static_cast<BYTE *>(bits);
    index[0] = 1;
    index[1] = 2;
    EXPECT_EQ(GetPixel(dc.Dc(), 0, 0), kRed);
    EXPECT_EQ(GetPixel(dc.Dc(), 1, 0), kBlue);
    SetPixel(dc.Dc(), 2, 0, RGB(250, 250, 250));
    EXPECT_EQ(index[2], 3) << "the nearest table entry";
}

TEST(GdiDibSections, UnsupportedFormatsFail)
{
    void *bits = reinterpret_cast<void *>(1);
    BITMAPINFO info = Info(4, 4, 16);
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    info = Info(0, 4, 32);
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
}

TEST(GdiDibits, NullBitsDescribeTheBitmap)
{
    TestSurface s(7, 5);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    EXPECT_NE(GetDIBits(s.Dc(), s.Bitmap(), 0, 0, nullptr, &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(info.bmiHeader.biWidth, 7);
    EXPECT_EQ(info.bmiHeader.biHeight, 5);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    EXPECT_EQ(info.bmiHeader.biPlanes, 1);
    EXPECT_EQ(info.bmiHeader.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(info.bmiHeader.biSizeImage, 7u * 5 * 4);
    EXPECT_EQ(GetDIBits(s.Dc(), (HBITMAP)0x999, 0, 0, nullptr, &info, DIB_RGB_COLORS), 0);
}

TEST(GdiDibits, RowsComeOutInTheRequestedOrientationAndDepth)
{
    TestSurface s(3, 3);
    SetPixel(s.Dc(), 0, 0, kRed);  // top-left
    SetPixel(s.Dc(), 2, 2, kBlue); // bottom-right

    BITMAPINFO up = Info(3, 3, 32);
    std::vector<uint32_t> rows(9);
    EXPECT_EQ(GetDIBits(s.Dc(), s.Bitmap(), 0, 3, rows.data(), &up, DIB_RGB_COLORS), 3);
    EXPECT_EQ(rows[0 * 3 + 2], 0x000000FFu) << "bottom-up: the first row is the bottom one";
    EXPECT_EQ(rows[2 * 3 + 0], 0x00FF0000u);

    BITMAPINFO down = Info(3, -3, 32);
    EXPECT_EQ(GetDIBits(s.Dc(), s.Bitmap(), 0, 3, rows.data(), &down, DIB_RGB_COLORS), 3);
    EXPECT_EQ(rows[0], 0x00FF0000u);
    EXPECT_EQ(rows[8], 0x000000FFu);

    // 24 bits: 9 bytes of pixels, padded to 12.
    BITMAPINFO rgb = Info(3, -3, 24);
    std::vector<BYTE> bytes(36, 0xEE);
    EXPECT_EQ(GetDIBits(s.Dc(), s.Bitmap(), 0, 3, bytes.data(), &rgb, DIB_RGB_COLORS), 3);
    EXPECT_EQ(bytes[0], 0x00);
    EXPECT_EQ(bytes[2], 0xFF);
    EXPECT_EQ(bytes[3], 0xFF) << "pixel (1,0) is white";
    EXPECT_EQ(bytes[24 + 6], 0xFF) << "pixel (2,2) blue byte";
    EXPECT_EQ(bytes[24 + 8], 0x00);

    // A band of scan lines: for a bottom-up DIB, line 0 is the bottom row.
    std::vector<uint32_t> one(3);
    EXPECT_EQ(GetDIBits(s.Dc(), s.Bitmap(), 2, 1, one.data(), &up, DIB_RGB_COLORS), 1);
    EXPECT_EQ(one[0], 0x00FF0000u) << "line 2 of a bottom-up 3-line DIB is the top row";
    EXPECT_EQ(GetDIBits(s.Dc(), s.Bitmap(), 5, 1, one.data(), &up, DIB_RGB_COLORS), 0);
}

TEST(GdiDibits, MonochromeBitmapsReadAsBlackAndWhite)
{
    const BYTE monoBits[] = {0x80, 0x00}; // 2x1: white, black
    HBITMAP mono = CreateBitmap(2, 1, 1, 1, monoBits);
    BITMAPINFO info = Info(2, 1, 32);
    uint32_t px[2] = {};
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDIBits(dc, mono, 0, 1, px, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(px[0], 0x00FFFFFFu);
    EXPECT_EQ(px[1], 0u);
    DeleteDC(dc);
    DeleteObject(mono);
}

TEST(GdiDibits, SetDibitsWritesRowsInEitherOrientation)
{
    TestSurface s(2, 2);
    const uint32_t rows[] = {0x00FF0000, 0x00FF0000, 0x000000FF, 0x000000FF};
    BITMAPINFO up = Info(2, 2, 32);
    EXPECT_EQ(SetDIBits(s.Dc(), s.Bitmap(), 0, 2, rows, &up, DIB_RGB_COLORS), 2);
    EXPECT_EQ(s.At(0, 1), kRed) << "first bottom-up row is the bottom";
    EXPECT_EQ(s.At(0, 0), kBlue);
    BITMAPINFO down = Info(2, -2, 32);
    SetDIBits(s.Dc(), s.Bitmap(), 0, 2, rows, &down, DIB_RGB_COLORS);
    EXPECT_EQ(s.At(0, 0), kRed);
    EXPECT_EQ(SetDIBits(s.Dc(), s.Bitmap(), 0, 2, nullptr, &down, DIB_RGB_COLORS), 0);
}

struct RopCase {
    DWORD rop;
    uint32_t expected;
};

TEST(GdiBlit, BitBltRasterOperations)
{
    const uint32_t source = 0x00F00F33;
    const uint32_t dest = 0x00AA55CC;
    const uint32_t pattern = 0x000FF0F0;
    const RopCase cases[] = {
        {SRCCOPY, source},
        {SRCAND, source & dest},
        {SRCPAINT, source | dest},
        {SRCINVERT, source ^ dest},
        {NOTSRCCOPY, ~source & 0xFFFFFF},
        {PATCOPY, pattern},
        {PATINVERT, pattern ^ dest},
        {DSTINVERT, ~dest & 0xFFFFFF},
        {BLACKNESS, 0},
        {WHITENESS, 0xFFFFFF},
    };
    auto colour = [](uint32_t p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); };
    TestSurface src(4, 4, colour(source));
    for (const RopCase &c : cases) {
        TestSurface dst(4, 4, colour(dest));
        HBRUSH brush = CreateSolidBrush(colour(pattern));
        HGDIOBJ old = SelectObject(dst.Dc(), brush);
        EXPECT_TRUE(BitBlt(dst.Dc(), 1, 1, 2, 2, src.Dc(), 0, 0, c.rop));
        EXPECT_EQ(dst.At(1, 1), colour(c.expected)) << std::hex << c.rop;
        EXPECT_EQ(dst.At(2, 2), colour(c.expected)) << std::hex << c.rop;
        EXPECT_EQ(dst.At(3, 3), colour(dest)) << "outside the blit " << std::hex << c.rop;
        EXPECT_EQ(dst.At(0, 0), colour(dest));
        SelectObject(dst.Dc(), old);
        DeleteObject(brush);
    }
}

TEST(GdiBlit, MonochromeSourcesTakeTheTextAndBackgroundColours)
{
    const BYTE bits[] = {0x80, 0x00}; // white, black
    MemoryDc mono(CreateBitmap(2, 1, 1, 1, bits));
    TestSurface dst(2, 1);
    SetTextColor(dst.Dc(), kRed);
    SetBkColor(dst.Dc(), kBlue);
    BitBlt(dst.Dc(), 0, 0, 2, 1, mono.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), kBlue) << "1 bits take the background colour";
    EXPECT_EQ(dst.At(1, 0), kRed) << "0 bits take the text colour";
}

TEST(GdiBlit, ColourToMonochromeMatchesTheSourceBackground)
{
    TestSurface src(3, 1, kRed);
    SetPixel(src.Dc(), 1, 0, RGB(1, 2, 3));
    SetBkColor(src.Dc(), RGB(1, 2, 3));
    HDC monoDc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(monoDc, 3, 1);
    HGDIOBJ old = SelectObject(monoDc, mono);
    BitBlt(monoDc, 0, 0, 3, 1, src.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(monoDc, 0, 0), kBlack);
    EXPECT_EQ(GetPixel(monoDc, 1, 0), kWhite);
    EXPECT_EQ(GetPixel(monoDc, 2, 0), kBlack);
    SelectObject(monoDc, old);
    DeleteObject(mono);
    DeleteDC(monoDc);
}

TEST(GdiBlit, OverlappingBlitsWithinOneBitmapCopyTheOriginal)
{
    TestSurface s(6, 1);
    for (int x = 0; x < 6; ++x)
        SetPixel(s.Dc(), x, 0, RGB(x * 10, 0, 0));
    BitBlt(s.Dc(), 1, 0, 5, 1, s.Dc(), 0, 0, SRCCOPY);
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(s.At(x, 0), RGB((x - 1) * 10, 0, 0)) << x;
}

TEST(GdiBlit, BlitsRespectTheDestinationClipButNotTheSourceClip)
{
    TestSurface src(4, 4, kRed);
    IntersectClipRect(src.Dc(), 0, 0, 1, 1);
    TestSurface dst(4, 4);
    IntersectClipRect(dst.Dc(), 0, 0, 2, 4);
    BitBlt(dst.Dc(), 0, 0, 4, 4, src.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(dst.Count(kRed), 8);
    EXPECT_EQ(dst.At(2, 0), kWhite);
}

TEST(GdiBlit, StretchBltScalesByNearestNeighbourAndMirrors)
{
    TestSurface src(2, 1);
    SetPixel(src.Dc(), 0, 0, kRed);
    SetPixel(src.Dc(), 1, 0, kBlue);
    TestSurface dst(4, 2);
    EXPECT_TRUE(StretchBlt(dst.Dc(), 0, 0, 4, 2, src.Dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dst.At(0, 0), kRed);
    EXPECT_EQ(dst.At(1, 1), kRed);
    EXPECT_EQ(dst.At(2, 0), kBlue);
    EXPECT_EQ(dst.At(3, 1), kBlue);
    StretchBlt(dst.Dc(), 3, 0, -4, 1, src.Dc(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), kBlue) << "a negative width mirrors";
    EXPECT_EQ(dst.At(3, 0), kRed);
}

TEST(GdiBlit, InvalidSourceDcFails)
{
    TestSurface dst(2, 2);
    EXPECT_FALSE(BitBlt(dst.Dc(), 0, 0, 2, 2, (HDC)0x5151, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dst.Dc(), 0, 0, 2, 2, nullptr, 0, 0, BLACKNESS)) << "no source needed";
    EXPECT_EQ(dst.At(1, 1), kBlack);
}

} // namespace
