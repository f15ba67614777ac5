// Structure layouts that cross the boundary between a host and the libraries must match the platform's
// 32-bit layouts byte for byte.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <cstddef>

static_assert(sizeof(void *) == 4, "the libraries are 32-bit");
static_assert(sizeof(RECT) == 16 && sizeof(POINT) == 8 && sizeof(SIZE) == 8);
static_assert(sizeof(MSG) == 28 && offsetof(MSG, pt) == 20);
static_assert(sizeof(WNDCLASSA) == 40 && sizeof(WNDCLASSEXA) == 48);
static_assert(sizeof(CREATESTRUCTA) == 48 && offsetof(CREATESTRUCTA, dwExStyle) == 44);
static_assert(sizeof(PAINTSTRUCT) == 64);
static_assert(sizeof(WINDOWPOS) == 28);
static_assert(sizeof(ACCEL) == 6 && offsetof(ACCEL, key) == 2 && offsetof(ACCEL, cmd) == 4);
static_assert(sizeof(NMHDR) == 12);
static_assert(sizeof(DRAWITEMSTRUCT) == 48 && offsetof(DRAWITEMSTRUCT, rcItem) == 28);
static_assert(sizeof(MEASUREITEMSTRUCT) == 24);
static_assert(sizeof(DELETEITEMSTRUCT) == 20);
static_assert(sizeof(COMPAREITEMSTRUCT) == 32);
static_assert(sizeof(HELPINFO) == 28);
static_assert(sizeof(DLGTEMPLATE) == 18 && sizeof(DLGITEMTEMPLATE) == 18);
static_assert(sizeof(LOGFONTA) == 60 && offsetof(LOGFONTA, lfFaceName) == 28);
static_assert(sizeof(TEXTMETRICA) == 56);
static_assert(sizeof(LOGPEN) == 16 && sizeof(LOGBRUSH) == 12);
static_assert(sizeof(BITMAP) == 24);
static_assert(sizeof(BITMAPINFOHEADER) == 40 && sizeof(BITMAPINFO) == 44);
static_assert(sizeof(BITMAPFILEHEADER) == 14);
static_assert(sizeof(CHOOSECOLORA) == 36 && offsetof(CHOOSECOLORA, rgbResult) == 12);
static_assert(sizeof(CHOOSEFONTA) == 60 && offsetof(CHOOSEFONTA, nFontType) == 48);
static_assert(sizeof(OPENFILENAMEA) == 88 && offsetof(OPENFILENAMEA, pvReserved) == 76); // 76: the older layout
static_assert(sizeof(TCITEMA) == 28);

TEST(Layout, HandlesAndMessagesParametersAre32Bit)
{
    EXPECT_EQ(sizeof(HWND), 4u);
    EXPECT_EQ(sizeof(WPARAM), 4u);
    EXPECT_EQ(sizeof(LPARAM), 4u);
    EXPECT_EQ(MAKELONG(0x1234, 0xABCD), static_cast<LONG>(0xABCD1234u));
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
}
