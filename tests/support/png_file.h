// Writing RGB pixels as a PNG file: libpng on Linux, a small encoder of our own on Windows (no libpng there).
#pragma once
#include <cstdint>
#include <vector>

// rgb holds height rows of width pixels, three bytes each, top row first.
bool WriteRgbPng(const char *path, int width, int height, const std::vector<uint8_t> &rgb);
