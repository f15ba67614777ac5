#include "png_writer.h"

#include "png_file.h"

#include <vector>

bool SaveBitmapPng(HBITMAP bitmap, const char *path)
{
    BITMAP bm{};
    if (!bitmap || GetObjectA(bitmap, sizeof(bm), &bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> bgrx(static_cast<size_t>(bm.bmWidth) * bm.bmHeight * 4);
    HDC dc = CreateCompatibleDC(nullptr);
    int lines = GetDIBits(dc, bitmap, 0, bm.bmHeight, bgrx.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (lines != bm.bmHeight)
        return false;
    std::vector<uint8_t> rgb(static_cast<size_t>(bm.bmWidth) * bm.bmHeight * 3);
    for (size_t i = 0, n = static_cast<size_t>(bm.bmWidth) * bm.bmHeight; i < n; ++i) {
        rgb[i * 3] = bgrx[i * 4 + 2];
        rgb[i * 3 + 1] = bgrx[i * 4 + 1];
        rgb[i * 3 + 2] = bgrx[i * 4];
    }
    return WriteRgbPng(path, bm.bmWidth, bm.bmHeight, rgb);
}

bool SaveWindowPng(HWND hwnd, const char *path)
{
    RECT rect{};
    if (!GetWindowRect(hwnd, &rect))
        return false;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib) {
        DeleteDC(dc);
        return false;
    }
    HGDIOBJ old = SelectObject(dc, dib);
    bool ok = PrintWindow(hwnd, dc, 0) != FALSE;
    SelectObject(dc, old);
    DeleteDC(dc);
    ok = ok && SaveBitmapPng(dib, path);
    DeleteObject(dib);
    return ok;
}
