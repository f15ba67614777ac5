// Pictures of windows for tests and hosts: a window (PrintWindow) or a bitmap saved as a PNG.
#pragma once
#include <windows.h>

// Paints the window with PrintWindow into a 32-bit DIB section and writes it as an RGB PNG.
bool SaveWindowPng(HWND hwnd, const char *path);
// Writes any bitmap as an RGB PNG (read back with GetDIBits as 32-bit top-down rows).
bool SaveBitmapPng(HBITMAP bitmap, const char *path);
