// DC lifetime, SaveDC/RestoreDC, SelectObject, GetCurrentObject, GetDeviceCaps, and USER's
// window DCs over a surface (gdi_internal.h).
#include "gdi/dc.h"
#include "gdi/gdi_internal.h"

namespace win32::gdi {

namespace {

template <class T> std::shared_ptr<T> Stock(int index) { return std::static_pointer_cast<T>(StockObject(index)); }

void InitDefaults(DcState &state)
{
    state.pen = Stock<Pen>(BLACK_PEN);
    state.brush = Stock<Brush>(WHITE_BRUSH);
    state.font = Stock<Font>(SYSTEM_FONT);
    state.palette = Stock<Palette>(DEFAULT_PALETTE);
}

} // namespace

DeviceContext::DeviceContext() : GdiObject(ObjectKind::MemoryDc)
{
    InitDefaults(m_state);
    m_state.bitmap = DefaultBitmap();
}

DeviceContext::DeviceContext(std::shared_ptr<Bitmap> surface, POINT origin, const RECT &clip)
    : GdiObject(ObjectKind::Dc), m_surface(std::move(surface)), m_origin(origin), m_surfaceClip(clip)
{
    InitDefaults(m_state);
}

DeviceContext::~DeviceContext() { ReleaseBitmap(); }

void DeviceContext::ReleaseBitmap()
{
    if (m_state.bitmap && m_state.bitmap->SelectedIn() == Handle())
        m_state.bitmap->SetSelectedIn(nullptr);
}

RECT DeviceContext::DeviceBounds() const
{
    RECT bounds{0, 0, 0, 0};
    if (Bitmap *target = Target())
        bounds = RECT{0, 0, target->Width(), target->Height()};
    if (!IsMemory())
        bounds = RectIntersection(bounds, m_surfaceClip);
    return RECT{bounds.left - m_origin.x, bounds.top - m_origin.y, bounds.right - m_origin.x,
                bounds.bottom - m_origin.y};
}

Region DeviceContext::EffectiveClip() const
{
    Region region = m_state.hasClip ? m_state.clip : Region::Infinite();
    region.IntersectRect(DeviceBounds());
    region.Offset(m_origin.x, m_origin.y);
    return region;
}

Region &DeviceContext::ClipForUpdate()
{
    if (!m_state.hasClip) {
        m_state.hasClip = true;
        m_state.clip = Region::Infinite();
    }
    return m_state.clip;
}

int DeviceContext::Save()
{
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

bool DeviceContext::Restore(int level)
{
    // A negative level counts back from the current state; a positive one names a SaveDC result.
    int count = static_cast<int>(m_saved.size());
    int index = level < 0 ? count + level : level - 1;
    if (index < 0 || index >= count)
        return false;
    DcState restored = m_saved[index];
    if (IsMemory() && restored.bitmap != m_state.bitmap) {
        HGDIOBJ ignored;
        if (!SelectBitmap(restored.bitmap, &ignored))
            restored.bitmap = m_state.bitmap;
    }
    m_state = std::move(restored);
    m_saved.resize(index);
    return true;
}

bool DeviceContext::SelectBitmap(const std::shared_ptr<Bitmap> &bitmap, HGDIOBJ *previous)
{
    if (!IsMemory())
        return false;
    bool shared = bitmap->IsPermanent();
    if (!shared && bitmap->SelectedIn() && bitmap->SelectedIn() != Handle())
        return false;
    *previous = m_state.bitmap ? m_state.bitmap->Handle() : nullptr;
    ReleaseBitmap();
    m_state.bitmap = bitmap;
    if (!shared)
        bitmap->SetSelectedIn(static_cast<HDC>(Handle()));
    return true;
}

std::shared_ptr<DeviceContext> LookupDc(HDC hdc) { return Lookup<DeviceContext>(hdc); }

COLORREF TextColorOf(const DeviceContext &dc) { return dc.State().textColor; }

HDC CreateSurfaceDC(HBITMAP surface, int originX, int originY, const RECT &clip)
{
    auto bitmap = Lookup<Bitmap>(surface);
    if (!bitmap)
        return nullptr;
    return static_cast<HDC>(AddObject(std::make_shared<DeviceContext>(bitmap, POINT{originX, originY}, clip)));
}

void DeleteSurfaceDC(HDC hdc)
{
    auto dc = LookupDc(hdc);
    if (dc && !dc->IsMemory())
        RemoveObject(hdc);
}

uint32_t *BitmapPixels(HBITMAP handle, int *width, int *height)
{
    auto bitmap = Lookup<Bitmap>(handle);
    if (!bitmap || bitmap->Stride() != bitmap->Width())
        return nullptr; // only top-down 32-bit storage is handed out raw
    if (width)
        *width = bitmap->Width();
    if (height)
        *height = bitmap->Height();
    return bitmap->Origin();
}

} // namespace win32::gdi

using namespace win32::gdi;

HDC WINAPI CreateCompatibleDC(HDC hdc)
{
    if (hdc && !LookupDc(hdc))
        return nullptr;
    return static_cast<HDC>(AddObject(std::make_shared<DeviceContext>()));
}

BOOL WINAPI DeleteDC(HDC hdc)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    // A window DC belongs to USER and goes back through ReleaseDC/EndPaint.
    if (!dc->IsMemory())
        return FALSE;
    RemoveObject(hdc);
    return TRUE;
}

int WINAPI SaveDC(HDC hdc)
{
    auto dc = LookupDc(hdc);
    return dc ? dc->Save() : 0;
}

BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC)
{
    auto dc = LookupDc(hdc);
    return dc && dc->Restore(nSavedDC) ? TRUE : FALSE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return nullptr;
    ObjectPtr object = LookupObject(h);
    if (!object)
        return nullptr;
    DcState &state = dc->State();
    HGDIOBJ previous = nullptr;
    switch (object->Kind()) {
    case ObjectKind::Pen:
        previous = state.pen->Handle();
        state.pen = std::static_pointer_cast<Pen>(object);
        return previous;
    case ObjectKind::Brush:
        previous = state.brush->Handle();
        state.brush = std::static_pointer_cast<Brush>(object);
        return previous;
    case ObjectKind::Font:
        previous = state.font->Handle();
        state.font = std::static_pointer_cast<Font>(object);
        return previous;
    case ObjectKind::Bitmap:
        if (!dc->SelectBitmap(std::static_pointer_cast<Bitmap>(object), &previous))
            return nullptr;
        return previous;
    case ObjectKind::Region: {
        // Selecting a region sets the clip region and returns its complexity.
        int result = SelectClipRgn(hdc, static_cast<HRGN>(h));
        return reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(result));
    }
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return nullptr;
    const DcState &state = dc->State();
    switch (type) {
    case OBJ_PEN:
        return state.pen->Handle();
    case OBJ_BRUSH:
        return state.brush->Handle();
    case OBJ_FONT:
        return state.font->Handle();
    case OBJ_PAL:
        return state.palette->Handle();
    case OBJ_BITMAP: {
        Bitmap *target = dc->Target();
        return target ? target->Handle() : nullptr;
    }
    default:
        return nullptr;
    }
}

int WINAPI GetDeviceCaps(HDC hdc, int index)
{
    auto dc = LookupDc(hdc);
    if (!dc)
        return 0;
    // A memory DC reports the screen it is compatible with, whatever bitmap it holds.
    switch (index) {
    case HORZRES:
        return 1024;
    case VERTRES:
        return 768;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case SIZEPALETTE:
        return 0;
    case RASTERCAPS:
        return 0x7E99; // bitblt, bitmaps, DIBs, stretching; no palette (RC_PALETTE clear)
    default:
        return 0;
    }
}

BOOL WINAPI GdiFlush(void) { return TRUE; }

DWORD WINAPI GetObjectType(HGDIOBJ h)
{
    ObjectPtr object = LookupObject(h);
    if (!object || object->Kind() == ObjectKind::Icon) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return static_cast<DWORD>(object->Kind());
}
