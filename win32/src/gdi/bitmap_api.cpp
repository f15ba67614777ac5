// CreateBitmap, CreateCompatibleBitmap, CreateDIBSection, GetDIBits and SetDIBits.
#include "gdi/dc.h"

#include <algorithm>
#include <cstring>

using namespace win32::gdi;

namespace {

bool IsTopDown(const BITMAPINFOHEADER &header) { return header.biHeight < 0; }
int AbsHeight(const BITMAPINFOHEADER &header) { return header.biHeight < 0 ? -header.biHeight : header.biHeight; }

bool IsUsableHeader(const BITMAPINFO *info)
{
    if (!info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER))
        return false;
    const BITMAPINFOHEADER &h = info->bmiHeader;
    if (!IsSupportedDibDepth(h.biBitCount))
        return false;
    // BI_BITFIELDS is accepted for 32 bits with the standard masks only (the common case).
    if (h.biCompression == BI_BITFIELDS) {
        if (h.biBitCount != 32)
            return false;
        const DWORD *masks = reinterpret_cast<const DWORD *>(reinterpret_cast<const uint8_t *>(info) + h.biSize);
        return masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
    }
    return h.biCompression == BI_RGB && IsReasonableBitmapSize(h.biWidth, AbsHeight(h));
}

DibFormat MonochromeFormat()
{
    DibFormat format;
    format.bitCount = 1;
    format.colors = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
    return format;
}

// Bitmap row for a DIB scan line: `line` counts from the bottom for bottom-up DIBs.
int BitmapRowForLine(const Bitmap &bitmap, bool topDown, int line)
{
    return topDown ? line : bitmap.Height() - 1 - line;
}

// The format GetDIBits writes: the caller's depth and, at 8 bits or less, a colour table that
// GetDIBits fills in (the bitmap's own for a DIB section, black/white or the default palette).
DibFormat OutputFormat(const Bitmap &bitmap, BITMAPINFO *info)
{
    DibFormat format;
    format.bitCount = info->bmiHeader.biBitCount;
    if (format.bitCount > 8)
        return format;
    int count = 1 << format.bitCount;
    if (bitmap.IsDibSection() && bitmap.GetDibFormat().bitCount == format.bitCount)
        format.colors = bitmap.GetDibFormat().colors;
    else if (format.bitCount == 1)
        format.colors = MonochromeFormat().colors;
    else
        for (int i = 0; i < count; ++i) {
            // A grey ramp keeps the nearest-colour mapping meaningful without a real palette.
            BYTE v = static_cast<BYTE>(i * 255 / (count - 1));
            format.colors.push_back(RGBQUAD{v, v, v, 0});
        }
    format.colors.resize(count);
    std::memcpy(reinterpret_cast<uint8_t *>(info) + info->bmiHeader.biSize, format.colors.data(),
                count * sizeof(RGBQUAD));
    return format;
}

} // namespace

HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void *lpBits)
{
    if (nWidth == 0 || nHeight == 0) {
        // Win32 hands out the default 1x1 monochrome bitmap for an empty size.
        return static_cast<HBITMAP>(DefaultBitmap()->Handle());
    }
    if (nPlanes != 1 || (nBitCount != 1 && nBitCount != 32) || !IsReasonableBitmapSize(nWidth, nHeight)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    bool monochrome = nBitCount == 1;
    auto bitmap = std::make_shared<Bitmap>(nWidth, nHeight, monochrome);
    if (lpBits) {
        // Device-dependent rows are padded to a multiple of two bytes; set bits are white.
        const uint8_t *src = static_cast<const uint8_t *>(lpBits);
        DibFormat format = monochrome ? MonochromeFormat() : DibFormat{};
        size_t stride = ((static_cast<size_t>(nWidth) * nBitCount + 15) / 16) * 2;
        for (int y = 0; y < nHeight; ++y)
            ReadDibRow(src + y * stride, format, nWidth, bitmap->Row(y));
    }
    return static_cast<HBITMAP>(AddObject(bitmap));
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    if (cx == 0 || cy == 0)
        return static_cast<HBITMAP>(DefaultBitmap()->Handle());
    bool monochrome = false;
    if (hdc) {
        auto dc = LookupDc(hdc);
        if (!dc)
            return nullptr;
        // Compatible with a memory DC means the depth of the bitmap it holds: a fresh memory DC
        // gives a monochrome bitmap.
        Bitmap *target = dc->Target();
        monochrome = dc->IsMemory() && target && target->IsMonochrome();
    }
    if (!IsReasonableBitmapSize(cx, cy)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HBITMAP>(AddObject(std::make_shared<Bitmap>(cx, cy, monochrome)));
}

HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO *pbmi, UINT usage, void **ppvBits, HANDLE hSection,
                                DWORD offset)
{
    if (ppvBits)
        *ppvBits = nullptr;
    if (!IsUsableHeader(pbmi) || usage != DIB_RGB_COLORS || hSection) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const BITMAPINFOHEADER &h = pbmi->bmiHeader;
    DibFormat format = h.biBitCount <= 8 ? DibFormatFromInfo(pbmi) : DibFormat{};
    format.bitCount = h.biBitCount;
    auto bitmap = std::make_shared<Bitmap>(h.biWidth, AbsHeight(h), IsTopDown(h), std::move(format));
    if (!bitmap->DibBits()) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    HBITMAP handle = static_cast<HBITMAP>(AddObject(bitmap));
    if (handle && ppvBits)
        *ppvBits = bitmap->DibBits();
    return handle;
}

int WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi, UINT usage)
{
    auto bitmap = Lookup<Bitmap>(hbm);
    if (!bitmap || !lpbmi || lpbmi->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || usage != DIB_RGB_COLORS) {
        if (bitmap)
            SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    BITMAPINFOHEADER &h = lpbmi->bmiHeader;
    if (!lpvBits) {
        // Describe the bitmap: with biBitCount 0 the whole header, otherwise just the image size.
        if (h.biBitCount == 0) {
            h.biWidth = bitmap->Width();
            h.biHeight = bitmap->Height();
            h.biPlanes = 1;
            h.biBitCount = static_cast<WORD>(bitmap->BitsPixel());
            h.biCompression = BI_RGB;
            h.biClrUsed = 0;
            h.biClrImportant = 0;
            h.biXPelsPerMeter = 3780; // 96 dpi
            h.biYPelsPerMeter = 3780;
        }
        if (!IsSupportedDibDepth(h.biBitCount))
            return 0;
        h.biSizeImage = static_cast<DWORD>(DibStride(h.biWidth, h.biBitCount) * AbsHeight(h));
        return bitmap->Height();
    }
    if (!IsSupportedDibDepth(h.biBitCount) || (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS) ||
        h.biWidth != bitmap->Width()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    bool topDown = IsTopDown(h);
    int height = bitmap->Height();
    if (start >= static_cast<UINT>(height))
        return 0;
    int lines = static_cast<int>(std::min<UINT>(cLines, height - start));
    DibFormat format = OutputFormat(*bitmap, lpbmi);
    BitmapAccess access(bitmap.get(), false);
    size_t stride = DibStride(bitmap->Width(), h.biBitCount);
    uint8_t *out = static_cast<uint8_t *>(lpvBits);
    for (int i = 0; i < lines; ++i) {
        int row = BitmapRowForLine(*bitmap, topDown, static_cast<int>(start) + i);
        WriteDibRow(bitmap->Row(row), bitmap->Width(), format, out + i * stride);
    }
    h.biSizeImage = static_cast<DWORD>(stride * AbsHeight(h));
    return lines;
}

int WINAPI SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void *lpBits, const BITMAPINFO *lpbmi,
                     UINT ColorUse)
{
    auto bitmap = Lookup<Bitmap>(hbm);
    if (!bitmap)
        return 0;
    if (!lpBits || !lpbmi || lpbmi->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) ||
        !IsSupportedDibDepth(lpbmi->bmiHeader.biBitCount) || ColorUse != DIB_RGB_COLORS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const BITMAPINFOHEADER &h = lpbmi->bmiHeader;
    bool topDown = IsTopDown(h);
    int height = bitmap->Height();
    if (start >= static_cast<UINT>(height))
        return 0;
    int lines = static_cast<int>(std::min<UINT>(cLines, height - start));
    DibFormat format = DibFormatFromInfo(lpbmi);
    size_t stride = DibStride(h.biWidth, h.biBitCount);
    int width = std::min<int>(h.biWidth, bitmap->Width());
    std::vector<uint32_t> row(h.biWidth > 0 ? h.biWidth : 0);
    BitmapAccess access(bitmap.get(), true);
    const uint8_t *in = static_cast<const uint8_t *>(lpBits);
    for (int i = 0; i < lines && width > 0; ++i) {
        ReadDibRow(in + i * stride, format, h.biWidth, row.data());
        uint32_t *dst = bitmap->Row(BitmapRowForLine(*bitmap, topDown, static_cast<int>(start) + i));
        for (int x = 0; x < width; ++x)
            dst[x] = bitmap->IsMonochrome() ? MonochromePixel(row[x]) : row[x];
    }
    return lines;
}
