// What USER needs from GDI beyond the public calls: device contexts over a window's surface.
#pragma once
#include <windows.h>

namespace win32::gdi {

// A window surface is a 32-bit top-down DIB section (pixels 0x00RRGGBB) owned by a top-level window.
// A window DC draws into it with its origin at `originX, originY` (surface coordinates of the
// window's client or window area) and never outside `clip` (surface coordinates). Selecting a
// bitmap into such a DC fails, as it does for any DC that is not a memory DC.
HDC CreateSurfaceDC(HBITMAP surface, int originX, int originY, const RECT &clip);
void DeleteSurfaceDC(HDC hdc);

// Direct access to a bitmap's pixels for USER's own copies (PrintWindow); null for an invalid handle.
uint32_t *BitmapPixels(HBITMAP bitmap, int *width, int *height);

} // namespace win32::gdi
