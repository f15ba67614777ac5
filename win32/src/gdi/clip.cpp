// Clipping: the application's clip region is a set of disjoint rectangles in device
// coordinates, so IntersectClipRect, ExcludeClipRect and rectangle regions are exact.
#include "gdi/dc.h"

#include <algorithm>

using namespace win32::gdi;

namespace {

RECT LogicalToDevice(const DeviceContext &dc, int left, int top, int right, int bottom)
{
    RECT r{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    return RECT{dc.LogicalToDeviceX(r.left), dc.LogicalToDeviceY(r.top), dc.LogicalToDeviceX(r.right),
                dc.LogicalToDeviceY(r.bottom)};
}

// The complexity of what the DC can draw into now.
int ClipComplexity(const DeviceContext &dc) { return dc.EffectiveClip().Complexity(); }

} // namespace

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    dc->ClipForUpdate().IntersectRect(LogicalToDevice(*dc, left, top, right, bottom));
    return ClipComplexity(*dc);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    Region &clip = dc->ClipForUpdate();
    clip.IntersectRect(dc->DeviceBounds()); // keeps the rectangle list finite and small
    clip.SubtractRect(LogicalToDevice(*dc, left, top, right, bottom));
    return ClipComplexity(*dc);
}

int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    DcState &state = dc->State();
    if (!hrgn) {
        state.hasClip = false;
        state.clip = Region();
        return ClipComplexity(*dc);
    }
    auto region = Lookup<RegionObject>(hrgn);
    if (!region)
        return ERROR;
    // The region is copied, in device coordinates; the caller keeps (and deletes) its own.
    state.hasClip = true;
    state.clip = region->Get();
    return ClipComplexity(*dc);
}

int WINAPI GetClipBox(HDC hdc, LPRECT lprect)
{
    auto dc = LookupDc(hdc);
    if (!dc || !lprect)
        return ERROR;
    Region clip = dc->EffectiveClip();
    RECT box = clip.Bounds();
    // Back from surface to logical coordinates.
    int dx = dc->OffsetX();
    int dy = dc->OffsetY();
    if (clip.IsEmpty())
        *lprect = RECT{0, 0, 0, 0};
    else
        *lprect = RECT{box.left - dx, box.top - dy, box.right - dx, box.bottom - dy};
    return clip.Complexity();
}
