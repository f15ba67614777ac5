// Saving a bitmap or a window's picture as a PNG, read back through libpng. Linux only: the Windows build
// has no libpng to read with, and Wine's display driver draws nothing worth comparing.
#include "gdi_test_surface.h"
#include "png_writer.h"

#include <gtest/gtest.h>
#include <png.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Reads a PNG back as RGB rows.
bool ReadPng(const std::string &path, int *width, int *height, std::vector<unsigned char> *rgb)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGB;
    rgb->resize(PNG_IMAGE_SIZE(image));
    *width = static_cast<int>(image.width);
    *height = static_cast<int>(image.height);
    return png_image_finish_read(&image, nullptr, rgb->data(), 0, nullptr) != 0;
}

std::string TempPath(const char *name) { return std::string("/tmp/") + name + std::to_string(GetCurrentProcessId()) + ".png"; }

TEST(PngWriter, SavesABitmapPixelExact)
{
    TestSurface s(5, 3);
    SetPixel(s.Dc(), 0, 0, RGB(255, 0, 0));
    SetPixel(s.Dc(), 4, 2, RGB(1, 2, 3));
    std::string path = TempPath("gdi_png_bitmap");
    ASSERT_TRUE(SaveBitmapPng(s.Bitmap(), path.c_str()));
    int w = 0;
    int h = 0;
    std::vector<unsigned char> rgb;
    ASSERT_TRUE(ReadPng(path, &w, &h, &rgb));
    std::remove(path.c_str());
    EXPECT_EQ(w, 5);
    EXPECT_EQ(h, 3);
    EXPECT_EQ(rgb[0], 255);
    EXPECT_EQ(rgb[1], 0);
    size_t last = (2 * 5 + 4) * 3;
    EXPECT_EQ(rgb[last], 1);
    EXPECT_EQ(rgb[last + 1], 2);
    EXPECT_EQ(rgb[last + 2], 3);
    EXPECT_EQ(rgb[3], 255) << "pixel (1,0) white";
    EXPECT_FALSE(SaveBitmapPng((HBITMAP)0x5678, path.c_str()));
    EXPECT_FALSE(SaveBitmapPng(s.Bitmap(), "/nonexistent-dir/x.png"));
}

LRESULT CALLBACK RedWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, &r, red);
        DeleteObject(red);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(PngWriter, SavesAWindowThroughPrintWindow)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = RedWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GdiPngTestWindow";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "GdiPngTestWindow", "png", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    std::string path = TempPath("gdi_png_window");
    ASSERT_TRUE(SaveWindowPng(hwnd, path.c_str()));
    int w = 0;
    int h = 0;
    std::vector<unsigned char> rgb;
    ASSERT_TRUE(ReadPng(path, &w, &h, &rgb));
    std::remove(path.c_str());
    EXPECT_EQ(w, 40);
    EXPECT_EQ(h, 30);
    size_t centre = (15 * 40 + 20) * 3;
    EXPECT_EQ(rgb[centre], 255);
    EXPECT_EQ(rgb[centre + 1], 0);
    EXPECT_EQ(rgb[centre + 2], 0);
    DestroyWindow(hwnd);
    UnregisterClassA("GdiPngTestWindow", GetModuleHandleA(nullptr));
    EXPECT_FALSE(SaveWindowPng(hwnd, path.c_str())) << "a destroyed window";
}

} // namespace
