// The column list's drawing helper on a bitmap: each field starts at its column, stays inside it, and sits
// right or centred there as its alignment code says.
#include "core/column_list_draw.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {
constexpr int kWidth = 400, kHeight = 16;
constexpr uint32_t kWhite = 0x00FFFFFF;

// A white 32-bit top-down bitmap selected into a memory DC, black text.
class RowBitmap {
public:
    RowBitmap()
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = CreateCompatibleDC(nullptr);
        void *bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_pixels = static_cast<uint32_t *>(bits);
        m_old = SelectObject(m_dc, m_bitmap);
        const RECT all{0, 0, kWidth, kHeight};
        FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(m_dc, RGB(0, 0, 0));
    }
    ~RowBitmap()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    // The first and last column in [from, to) with any ink; -1 when there is none.
    int FirstInk(int from, int to) const
    {
        for (int x = from; x < to; ++x)
            if (Inked(x))
                return x;
        return -1;
    }
    int LastInk(int from, int to) const
    {
        for (int x = to - 1; x >= from; --x)
            if (Inked(x))
                return x;
        return -1;
    }

private:
    bool Inked(int x) const
    {
        GdiFlush();
        for (int y = 0; y < kHeight; ++y)
            if ((m_pixels[y * kWidth + x] & kWhite) != kWhite)
                return true;
        return false;
    }
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    uint32_t *m_pixels = nullptr;
};

void Draw(const RowBitmap &bitmap, const char *text, std::initializer_list<ColumnDescriptor> columns)
{
    ColumnLayout layout;
    layout.Set(columns.begin(), static_cast<int>(columns.size()));
    const RECT row{0, 0, kWidth, kHeight};
    DrawColumnText(bitmap.Dc(), row, text, layout);
}
} // namespace

TEST(DrawColumnText, EachFieldStartsAtItsColumnAndIsClippedToIt)
{
    RowBitmap bitmap;
    // The first field is far longer than its column.
    Draw(bitmap, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW|W", {{0, 0}, {50, 0}});
    ASSERT_NE(bitmap.FirstInk(0, 200), -1);
    EXPECT_LT(bitmap.LastInk(0, 200), 198) << "the first field runs into the second column";
    const int second = bitmap.FirstInk(200, kWidth);
    EXPECT_GE(second, 200);
    EXPECT_LT(second, 210);
    EXPECT_LT(bitmap.LastInk(200, kWidth), 215); // one glyph
}

TEST(DrawColumnText, RightAndCentredFieldsAndNoFieldsWithoutAColumn)
{
    RowBitmap bitmap;
    Draw(bitmap, "R|C|beyond", {{0, 1}, {50, 2}});
    // Right-aligned: the ink ends at the column's right edge, less the inset.
    const int rightEnd = bitmap.LastInk(0, 200);
    EXPECT_GE(rightEnd, 188);
    EXPECT_LT(rightEnd, 198);
    // Centred in 200..400: the glyph sits around 300.
    const int centre = bitmap.FirstInk(200, kWidth);
    EXPECT_GT(centre, 290);
    EXPECT_LT(bitmap.LastInk(200, kWidth), 310);
}

TEST(DrawColumnText, ColumnsWithoutRoomAndNoTextDrawNothing)
{
    RowBitmap bitmap;
    Draw(bitmap, "|x|y", {{0, 0}, {100, 0}, {100, 0}});
    EXPECT_EQ(bitmap.FirstInk(0, kWidth), -1);
    const RECT row{0, 0, kWidth, kHeight};
    DrawColumnText(bitmap.Dc(), row, nullptr, ColumnLayout{});
    EXPECT_EQ(bitmap.FirstInk(0, kWidth), -1);
}
