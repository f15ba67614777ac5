// DeleteObject and GetObjectA for every GDI object kind.
#include "gdi/dc.h"

#include <cstring>

using namespace win32::gdi;

namespace {

template <class T> int CopyOut(const T &value, int size, LPVOID buffer)
{
    if (!buffer)
        return sizeof(T);
    if (size <= 0)
        return 0;
    int n = size < static_cast<int>(sizeof(T)) ? size : static_cast<int>(sizeof(T));
    std::memcpy(buffer, &value, n);
    return n;
}

} // namespace

BOOL WINAPI DeleteObject(HGDIOBJ ho)
{
    ObjectPtr object = LookupObject(ho);
    if (!object)
        return FALSE;
    if (object->IsPermanent())
        return TRUE;
    switch (object->Kind()) {
    case ObjectKind::Dc:
    case ObjectKind::MemoryDc:
    case ObjectKind::Icon:
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    case ObjectKind::Bitmap:
        // A bitmap still selected into a DC cannot be deleted.
        if (std::static_pointer_cast<Bitmap>(object)->SelectedIn())
            return FALSE;
        break;
    default:
        // Pens, brushes and fonts still selected stay alive for that DC (it holds a reference);
        // the handle itself is gone at once.
        break;
    }
    RemoveObject(ho);
    return TRUE;
}

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv)
{
    ObjectPtr object = LookupObject(h);
    if (!object)
        return 0;
    switch (object->Kind()) {
    case ObjectKind::Pen:
        return CopyOut(std::static_pointer_cast<Pen>(object)->Log(), c, pv);
    case ObjectKind::Brush:
        return CopyOut(std::static_pointer_cast<Brush>(object)->Log(), c, pv);
    case ObjectKind::Font:
        return CopyOut(std::static_pointer_cast<Font>(object)->Log(), c, pv);
    case ObjectKind::Bitmap:
        return CopyOut(std::static_pointer_cast<Bitmap>(object)->Describe(), c, pv);
    case ObjectKind::Palette: {
        WORD count = static_cast<WORD>(std::static_pointer_cast<Palette>(object)->Entries().size());
        return CopyOut(count, c, pv);
    }
    default:
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
}
