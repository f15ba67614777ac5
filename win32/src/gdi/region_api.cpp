// Rectangle regions: CreateRectRgn, CreateRectRgnIndirect, GetRgnBox.
#include "gdi/dc.h"

#include <algorithm>

using namespace win32::gdi;

HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2)
{
    // Win32 normalises the corners.
    RECT r{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    return CreateObjectHandle<RegionObject, HRGN>(Region(r));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT *lprect)
{
    if (!lprect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc)
{
    auto region = Lookup<RegionObject>(hrgn);
    if (!region || !lprc)
        return ERROR;
    *lprc = region->Get().Bounds();
    return region->Get().Complexity();
}
