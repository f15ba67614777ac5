// PatBlt, BitBlt and StretchBlt under any ROP3 code. The source rectangle is read into a buffer
// first (converted to the destination's colour domain), so overlapping blits within one bitmap
// copy correctly; SRCCOPY rows are copied with memcpy.
#include "gdi/canvas.h"

#include <algorithm>
#include <cstring>

using namespace win32::gdi;

namespace {

// Source pixels for a blit, already mapped to the destination: monochrome to colour maps 0 to
// the destination's text colour and 1 to its background colour; colour to monochrome gives
// white where the pixel equals the source DC's background colour.
struct SourceImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    std::vector<uint8_t> present; // false where the source rectangle left its bitmap
};

SourceImage ReadSource(DeviceContext &src, int x, int y, int width, int height, const Canvas &dst)
{
    SourceImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, 0);
    image.present.assign(static_cast<size_t>(width) * height, 0);
    Canvas canvas(src, false);
    if (!canvas.Valid())
        return image;
    Bitmap &bitmap = canvas.Target();
    // Only the source bitmap's bounds limit a blit, not the source DC's clip region.
    RECT bounds{0, 0, bitmap.Width(), bitmap.Height()};
    int sx0 = x + canvas.OffsetX();
    int sy0 = y + canvas.OffsetY();
    bool monoToColor = bitmap.IsMonochrome() && !dst.Monochrome();
    bool colorToMono = !bitmap.IsMonochrome() && dst.Monochrome();
    uint32_t zero = dst.Pixel(dst.State().textColor);
    uint32_t one = dst.Pixel(dst.State().bkColor);
    uint32_t srcBk = PixelFromColorRef(src.State().bkColor & 0xFFFFFF);
    for (int j = 0; j < height; ++j) {
        int sy = sy0 + j;
        if (sy < bounds.top || sy >= bounds.bottom)
            continue;
        int from = std::max<int>(0, bounds.left - sx0);
        int to = std::min<int>(width, bounds.right - sx0);
        if (from >= to)
            continue;
        const uint32_t *row = bitmap.Row(sy);
        uint32_t *out = image.pixels.data() + static_cast<size_t>(j) * width;
        std::memcpy(out + from, row + (sx0 + from), (to - from) * sizeof(uint32_t));
        std::fill(image.present.begin() + j * width + from, image.present.begin() + j * width + to, 1);
        if (monoToColor)
            for (int i = from; i < to; ++i)
                out[i] = out[i] ? one : zero;
        else if (colorToMono)
            for (int i = from; i < to; ++i)
                out[i] = out[i] == srcBk ? kWhitePixel : 0;
    }
    return image;
}

// Nearest-neighbour resampling; a negative extent mirrors that axis.
SourceImage Resample(const SourceImage &in, int width, int height, bool mirrorX, bool mirrorY)
{
    SourceImage out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<size_t>(width) * height);
    out.present.resize(static_cast<size_t>(width) * height);
    for (int j = 0; j < height; ++j) {
        int sj = static_cast<int>(static_cast<int64_t>(j) * in.height / height);
        if (mirrorY)
            sj = in.height - 1 - sj;
        for (int i = 0; i < width; ++i) {
            int si = static_cast<int>(static_cast<int64_t>(i) * in.width / width);
            if (mirrorX)
                si = in.width - 1 - si;
            size_t from = static_cast<size_t>(sj) * in.width + si;
            out.pixels[static_cast<size_t>(j) * width + i] = in.pixels[from];
            out.present[static_cast<size_t>(j) * width + i] = in.present[from];
        }
    }
    return out;
}

// Applies the source to the destination rectangle whose top-left is (dx, dy) in surface coordinates.
void Compose(Canvas &dst, int dx, int dy, const SourceImage &src, uint8_t rop)
{
    Paint pattern = RopUsesPattern(rop) ? dst.CurrentBrushPaint() : Paint{};
    if (pattern.empty)
        pattern = Paint{}; // a null brush acts as black in a pattern ROP
    Bitmap &bitmap = dst.Target();
    for (const RECT &clip : dst.Clip().Rects()) {
        RECT area = RectIntersection(clip, RECT{dx, dy, dx + src.width, dy + src.height});
        for (int y = area.top; y < area.bottom; ++y) {
            uint32_t *row = bitmap.Row(y);
            // The source row from the pixel under the area's first destination column.
            size_t first = static_cast<size_t>(y - dy) * src.width + (area.left - dx);
            const uint32_t *in = src.pixels.data() + first;
            const uint8_t *present = src.present.data() + first;
            int count = area.right - area.left;
            if (rop == 0xCC && std::all_of(present, present + count, [](uint8_t p) { return p; })) {
                std::memcpy(row + area.left, in, count * sizeof(uint32_t));
                continue;
            }
            for (int i = 0; i < count; ++i)
                if (present[i])
                    row[area.left + i] = ApplyRop3(rop, pattern.At(area.left + i, y), in[i], row[area.left + i]);
        }
    }
}

bool PatternBlit(DeviceContext &dc, int x, int y, int w, int h, uint8_t rop)
{
    Canvas canvas(dc, true);
    if (!canvas.Valid())
        return true;
    RECT r{std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
    r = RECT{r.left + canvas.OffsetX(), r.top + canvas.OffsetY(), r.right + canvas.OffsetX(),
             r.bottom + canvas.OffsetY()};
    Paint paint = RopUsesPattern(rop) ? canvas.CurrentBrushPaint() : Paint{};
    if (paint.empty)
        paint = Paint{};
    canvas.FillRect(r, paint, rop);
    return true;
}

} // namespace

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    uint8_t code = Rop3Code(rop);
    if (RopUsesSource(code)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return PatternBlit(*dc, x, y, w, h, code) ? TRUE : FALSE;
}

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                       int wSrc, int hSrc, DWORD rop)
{
    auto dst = LookupDc(hdcDest);
    if (!dst)
        return FALSE;
    uint8_t code = Rop3Code(rop);
    if (!RopUsesSource(code))
        return PatternBlit(*dst, xDest, yDest, wDest, hDest, code) ? TRUE : FALSE;
    auto src = LookupDc(hdcSrc);
    if (!src)
        return FALSE;
    if (wDest == 0 || hDest == 0 || wSrc == 0 || hSrc == 0)
        return TRUE;
    // Normalise both rectangles; opposite signs between source and destination mirror.
    bool mirrorX = (wDest < 0) != (wSrc < 0);
    bool mirrorY = (hDest < 0) != (hSrc < 0);
    if (wDest < 0) {
        xDest += wDest + 1;
        wDest = -wDest;
    }
    if (hDest < 0) {
        yDest += hDest + 1;
        hDest = -hDest;
    }
    if (wSrc < 0) {
        xSrc += wSrc + 1;
        wSrc = -wSrc;
    }
    if (hSrc < 0) {
        ySrc += hSrc + 1;
        hSrc = -hSrc;
    }
    if (!IsReasonableBitmapSize(wDest, hDest) || !IsReasonableBitmapSize(wSrc, hSrc)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Canvas canvas(*dst, true);
    if (!canvas.Valid())
        return TRUE;
    SourceImage image = ReadSource(*src, xSrc, ySrc, wSrc, hSrc, canvas);
    if (wSrc != wDest || hSrc != hDest || mirrorX || mirrorY)
        image = Resample(image, wDest, hDest, mirrorX, mirrorY);
    Compose(canvas, xDest + canvas.OffsetX(), yDest + canvas.OffsetY(), image, code);
    return TRUE;
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop)
{
    return StretchBlt(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}
