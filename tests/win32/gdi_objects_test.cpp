// GDI objects and device contexts: handles and their types, stock objects, selection,
// SaveDC/RestoreDC, origins, clipping, device capabilities and DC attributes.
#include "gdi_test_surface.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);

TEST(GdiObjects, TypesOfEveryKindOfHandle)
{
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HBRUSH brush = CreateSolidBrush(kRed);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Test Face");
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HRGN region = CreateRectRgn(0, 0, 5, 5);
    LOGPALETTE pal{0x300, 1, {{1, 2, 3, 0}}};
    HPALETTE palette = CreatePalette(&pal);
    HDC memory = CreateCompatibleDC(nullptr);

    EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(GetObjectType(region), static_cast<DWORD>(OBJ_REGION));
    EXPECT_EQ(GetObjectType(palette), static_cast<DWORD>(OBJ_PAL));
    EXPECT_EQ(GetObjectType(memory), static_cast<DWORD>(OBJ_MEMDC));

    for (HGDIOBJ h : {(HGDIOBJ)pen, (HGDIOBJ)brush, (HGDIOBJ)font, (HGDIOBJ)bitmap, (HGDIOBJ)region, (HGDIOBJ)palette})
        EXPECT_TRUE(DeleteObject(h));
    EXPECT_TRUE(DeleteDC(memory));
}

TEST(GdiObjects, StaleAndForeignHandlesFailCleanly)
{
    HBRUSH brush = CreateSolidBrush(kRed);
    ASSERT_TRUE(DeleteObject(brush));
    SetLastError(0);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(DeleteObject(brush));
    LOGBRUSH lb{};
    EXPECT_EQ(GetObjectA(brush, sizeof(lb), &lb), 0);

    // A new object does not answer to the old handle, even if it reuses the slot.
    HBRUSH next = CreateSolidBrush(kBlack);
    EXPECT_NE(next, brush);
    EXPECT_EQ(GetObjectType(brush), 0u);

    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(dc, brush), nullptr);
    EXPECT_EQ(SelectObject(dc, (HGDIOBJ)0x12345678), nullptr);
    EXPECT_EQ(SetTextColor((HDC)next, kRed), CLR_INVALID) << "a brush is not a DC";
    EXPECT_EQ(GetPixel((HDC)0x7777, 0, 0), CLR_INVALID);
    EXPECT_FALSE(Rectangle(nullptr, 0, 0, 1, 1));
    EXPECT_EQ(GetObjectType(nullptr), 0u);
    EXPECT_FALSE(DeleteDC((HDC)next));
    EXPECT_TRUE(DeleteObject(next));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
}

TEST(GdiObjects, StockObjectsSurviveDeleteObject)
{
    const int stock[] = {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH,
                         WHITE_PEN,   BLACK_PEN,    NULL_PEN,   SYSTEM_FONT,  DEFAULT_GUI_FONT, ANSI_VAR_FONT,
                         DEFAULT_PALETTE, DC_BRUSH, DC_PEN};
    for (int index : stock) {
        HGDIOBJ h = GetStockObject(index);
        ASSERT_NE(h, nullptr) << index;
        EXPECT_EQ(GetStockObject(index), h) << "the same handle every time";
        EXPECT_TRUE(DeleteObject(h));
        EXPECT_NE(GetObjectType(h), 0u) << index << " must survive";
    }
    EXPECT_EQ(GetObjectType(GetStockObject(SYSTEM_FONT)), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(GetObjectType(GetStockObject(DC_PEN)), static_cast<DWORD>(OBJ_PEN));
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(GetStockObject(-1), nullptr);

    LOGBRUSH lb{};
    ASSERT_EQ(GetObjectA(GetStockObject(LTGRAY_BRUSH), sizeof(lb), &lb), (int)sizeof(lb));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
    ASSERT_EQ(GetObjectA(GetStockObject(NULL_BRUSH), sizeof(lb), &lb), (int)sizeof(lb));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));
}

TEST(GdiObjects, GetObjectReturnsTheLogicalDescriptions)
{
    HPEN pen = CreatePen(PS_DASH, 3, RGB(1, 2, 3));
    LOGPEN lp{};
    EXPECT_EQ(GetObjectA(pen, 0, nullptr), (int)sizeof(LOGPEN));
    ASSERT_EQ(GetObjectA(pen, sizeof(lp), &lp), (int)sizeof(LOGPEN));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));

    LOGBRUSH in{BS_HATCHED, RGB(4, 5, 6), HS_CROSS};
    HBRUSH hatch = CreateBrushIndirect(&in);
    LOGBRUSH out{};
    ASSERT_EQ(GetObjectA(hatch, sizeof(out), &out), (int)sizeof(LOGBRUSH));
    EXPECT_EQ(out.lbStyle, static_cast<UINT>(BS_HATCHED));
    EXPECT_EQ(out.lbColor, RGB(4, 5, 6));
    EXPECT_EQ(out.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));

    HBITMAP bitmap = CreateBitmap(17, 5, 1, 1, nullptr);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof(bm), &bm), (int)sizeof(BITMAP));
    EXPECT_EQ(bm.bmWidth, 17);
    EXPECT_EQ(bm.bmHeight, 5);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmPlanes, 1);
    EXPECT_EQ(bm.bmWidthBytes, 4) << "monochrome rows are padded to a WORD";
    EXPECT_EQ(bm.bmBits, nullptr);

    for (HGDIOBJ h : {(HGDIOBJ)pen, (HGDIOBJ)hatch, (HGDIOBJ)bitmap})
        DeleteObject(h);
}

TEST(GdiObjects, InvalidCreationArgumentsFail)
{
    EXPECT_EQ(CreatePenIndirect(nullptr), nullptr);
    EXPECT_EQ(CreateHatchBrush(99, kRed), nullptr);
    LOGBRUSH bad{77, 0, 0};
    EXPECT_EQ(CreateBrushIndirect(&bad), nullptr);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
    EXPECT_EQ(CreatePatternBrush((HBITMAP)0x4242), nullptr);
    EXPECT_EQ(CreateBitmap(10, 10, 1, 7, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreatePalette(nullptr), nullptr);
}

TEST(GdiDc, SelectObjectReturnsThePreviousObjectOfEachKind)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HBRUSH brush = CreateSolidBrush(kRed);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "A");

    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PAL), GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), pen);

    // The fresh memory DC's bitmap is a 1x1 monochrome one.
    HGDIOBJ defaultBitmap = GetCurrentObject(dc, OBJ_BITMAP);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(defaultBitmap, sizeof(bm), &bm), (int)sizeof(BITMAP));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);

    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteObject(font);
    DeleteDC(dc);
}

TEST(GdiDc, ABitmapIsSelectedIntoOneMemoryDcAtATime)
{
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, nullptr);
    HGDIOBJ original = SelectObject(first, bitmap);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap)) << "a selected bitmap cannot be deleted";
    EXPECT_EQ(SelectObject(first, bitmap), bitmap) << "reselecting into the same DC works";
    EXPECT_EQ(SelectObject(first, original), bitmap);
    EXPECT_NE(SelectObject(second, bitmap), nullptr) << "free again once deselected";
    DeleteDC(second); // deleting the DC releases the bitmap
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteDC(first);
}

TEST(GdiDc, ADeletedButSelectedBrushKeepsDrawingUntilDeselected)
{
    TestSurface s(4, 4);
    HBRUSH brush = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(s.Dc(), brush);
    EXPECT_TRUE(DeleteObject(brush));
    RECT r{0, 0, 4, 4};
    PatBlt(s.Dc(), 0, 0, 4, 4, PATCOPY);
    EXPECT_EQ(s.At(2, 2), kRed);
    SelectObject(s.Dc(), old);
    (void)r;
}

TEST(GdiDc, SaveAndRestoreBringBackAttributesObjectsAndClipping)
{
    TestSurface s(10, 10);
    HDC dc = s.Dc();
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    SetTextColor(dc, RGB(1, 1, 1));
    int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    SelectObject(dc, pen);
    SetTextColor(dc, RGB(2, 2, 2));
    SetBkMode(dc, TRANSPARENT);
    SetViewportOrgEx(dc, 3, 3, nullptr);
    IntersectClipRect(dc, 0, 0, 2, 2);
    EXPECT_EQ(SaveDC(dc), 2);
    SetTextColor(dc, RGB(3, 3, 3));

    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetTextColor(dc), RGB(2, 2, 2));
    EXPECT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    POINT org{};
    GetViewportOrgEx(dc, &org);
    EXPECT_EQ(org.x, 0);
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 10);
    EXPECT_FALSE(RestoreDC(dc, 1)) << "that state was consumed";
    EXPECT_FALSE(RestoreDC(dc, -1));
    EXPECT_EQ(SaveDC(nullptr), 0);
    DeleteObject(pen);
}

TEST(GdiDc, ViewportAndWindowOriginsShiftDrawing)
{
    TestSurface s(10, 10);
    POINT old{};
    EXPECT_TRUE(SetViewportOrgEx(s.Dc(), 4, 2, &old));
    EXPECT_EQ(old.x, 0);
    EXPECT_EQ(SetPixel(s.Dc(), 1, 1, kRed), kRed);
    EXPECT_EQ(s.At(5, 3), kRed);
    EXPECT_TRUE(OffsetViewportOrgEx(s.Dc(), 1, 1, &old));
    EXPECT_EQ(old.x, 4);
    EXPECT_TRUE(SetWindowOrgEx(s.Dc(), 5, 3, nullptr));
    // device = logical - window origin + viewport origin: logical (5,3) is device (5,3) again.
    EXPECT_EQ(GetPixel(s.Dc(), 5, 3), kRed);
    SetPixel(s.Dc(), 6, 3, kBlack);
    EXPECT_EQ(s.At(6, 3), kBlack);
    SetWindowOrgEx(s.Dc(), 0, 0, nullptr);
    EXPECT_EQ(GetPixel(s.Dc(), 0, 0), kRed) << "device (5,3) is logical (0,0) with only the viewport origin";
}

TEST(GdiDc, ClippingRectanglesLimitDrawingAndTheClipBox)
{
    TestSurface s(20, 20);
    HDC dc = s.Dc();
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 20);
    EXPECT_EQ(box.bottom, 20);

    EXPECT_EQ(IntersectClipRect(dc, 5, 5, 15, 15), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(dc, 8, 8, 10, 10), COMPLEXREGION);
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.top, 5);
    EXPECT_EQ(box.right, 15);
    EXPECT_EQ(box.bottom, 15);

    HBRUSH red = CreateSolidBrush(kRed);
    RECT all{0, 0, 20, 20};
    FillRect(dc, &all, red);
    EXPECT_EQ(s.Count(kRed), 100 - 4);
    EXPECT_EQ(s.At(4, 5), kWhite);
    EXPECT_EQ(s.At(5, 5), kRed);
    EXPECT_EQ(s.At(14, 14), kRed);
    EXPECT_EQ(s.At(15, 14), kWhite);
    EXPECT_EQ(s.At(8, 8), kWhite);
    EXPECT_EQ(SetPixel(dc, 9, 9, kBlack), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 9, 9), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 10, 10), kRed);

    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    s.Fill(kWhite);
    FillRect(dc, &all, red);
    EXPECT_EQ(s.Count(kRed), 400);

    // A region is copied in device coordinates; the caller may delete it at once.
    HRGN region = CreateRectRgn(2, 3, 6, 7);
    RECT rgnBox{};
    EXPECT_EQ(GetRgnBox(region, &rgnBox), SIMPLEREGION);
    EXPECT_EQ(rgnBox.right, 6);
    EXPECT_EQ(SelectClipRgn(dc, region), SIMPLEREGION);
    DeleteObject(region);
    s.Fill(kWhite);
    FillRect(dc, &all, red);
    EXPECT_EQ(s.Count(kRed), 16);
    EXPECT_EQ(s.At(2, 3), kRed);

    // Clipping to nothing.
    EXPECT_EQ(IntersectClipRect(dc, 50, 50, 60, 60), NULLREGION);
    EXPECT_EQ(GetClipBox(dc, &box), NULLREGION);
    EXPECT_TRUE(IsRectEmpty(&box));
    DeleteObject(red);
}

TEST(GdiDc, ClipRectanglesAreLogicalButRegionsAreDeviceCoordinates)
{
    TestSurface s(20, 20);
    HDC dc = s.Dc();
    SetViewportOrgEx(dc, 10, 10, nullptr);
    IntersectClipRect(dc, 0, 0, 2, 2); // device (10,10)-(12,12)
    RECT box{};
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 2);
    HRGN region = CreateRectRgn(0, 0, 2, 2); // device (0,0)-(2,2) = logical (-10,-10)
    SelectClipRgn(dc, region);
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, -10);
    EXPECT_EQ(box.right, -8);
    DeleteObject(region);
}

TEST(GdiDc, DeviceCapsDescribeTheScreen)
{
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 1024);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 768);
    EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
    EXPECT_EQ(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE, 0);
    TestSurface s(2, 2);
    EXPECT_EQ(GetDeviceCaps(s.Dc(), BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(nullptr, BITSPIXEL), 0);
    DeleteDC(dc);
}

TEST(GdiDc, AttributesReturnTheirPreviousValues)
{
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SetTextColor(dc, kRed), kBlack);
    EXPECT_EQ(GetTextColor(dc), kRed);
    EXPECT_EQ(SetBkColor(dc, kBlack), kWhite);
    EXPECT_EQ(GetBkColor(dc), kBlack);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(SetBkMode(dc, 99), 0);
    EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(SetROP2(dc, R2_NOT), R2_XORPEN);
    EXPECT_EQ(SetROP2(dc, 0), 0);
    EXPECT_EQ(SetTextAlign(dc, TA_RIGHT | TA_BOTTOM), static_cast<UINT>(TA_LEFT | TA_TOP));
    EXPECT_EQ(SetMapMode(dc, MM_TEXT), MM_TEXT);
    EXPECT_EQ(SetMapMode(dc, 2), 0) << "only MM_TEXT exists";
    EXPECT_EQ(SetDCBrushColor(dc, kRed), kWhite);
    EXPECT_EQ(SetDCPenColor(dc, kRed), kBlack);
    EXPECT_EQ(GetTextColor(nullptr), CLR_INVALID);
    EXPECT_TRUE(GdiFlush());
    DeleteDC(dc);
}

TEST(GdiDc, DcBrushAndPenDrawInTheDcColours)
{
    TestSurface s(10, 10);
    SelectObject(s.Dc(), GetStockObject(DC_BRUSH));
    SelectObject(s.Dc(), GetStockObject(DC_PEN));
    SetDCBrushColor(s.Dc(), RGB(0, 255, 0));
    SetDCPenColor(s.Dc(), RGB(0, 0, 255));
    Rectangle(s.Dc(), 0, 0, 10, 10);
    EXPECT_EQ(s.At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(s.At(5, 5), RGB(0, 255, 0));
    SetDCBrushColor(s.Dc(), kRed);
    Rectangle(s.Dc(), 0, 0, 10, 10);
    EXPECT_EQ(s.At(5, 5), kRed) << "the colour is read at drawing time";
    SelectObject(s.Dc(), GetStockObject(WHITE_BRUSH));
    SelectObject(s.Dc(), GetStockObject(BLACK_PEN));
}

TEST(GdiDc, PalettesAreStoredAndSelected)
{
    LOGPALETTE pal{0x300, 1, {{10, 20, 30, 0}}};
    HPALETTE palette = CreatePalette(&pal);
    WORD count = 0;
    EXPECT_EQ(GetObjectA(palette, sizeof(count), &count), (int)sizeof(WORD));
    EXPECT_EQ(count, 1);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectPalette(dc, palette, FALSE), GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(RealizePalette(dc), 0u);
    EXPECT_EQ(SelectPalette(dc, (HPALETTE)GetStockObject(DEFAULT_PALETTE), FALSE), palette);
    DeleteDC(dc);
    DeleteObject(palette);
}

} // namespace
