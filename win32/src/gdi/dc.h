// Device contexts: memory DCs (drawing into the selected bitmap) and window DCs over a
// top-level window's surface. Everything SaveDC saves lives in DcState.
#pragma once
#include "gdi/bitmap.h"
#include "gdi/objects.h"
#include "gdi/region.h"

#include <memory>
#include <vector>

namespace win32::gdi {

struct DcState {
    std::shared_ptr<Pen> pen;
    std::shared_ptr<Brush> brush;
    std::shared_ptr<Font> font;
    std::shared_ptr<Bitmap> bitmap; // memory DCs only
    std::shared_ptr<Palette> palette;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    int mapMode = MM_TEXT;
    int polyFillMode = ALTERNATE;
    POINT viewportOrg{0, 0};
    POINT windowOrg{0, 0};
    POINT position{0, 0};
    COLORREF dcBrushColor = 0xFFFFFF;
    COLORREF dcPenColor = 0;
    // The application's clip region, in device coordinates (relative to the DC's origin).
    bool hasClip = false;
    Region clip;
};

class DeviceContext : public GdiObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::Dc;

    // A memory DC holding the default 1x1 monochrome bitmap.
    DeviceContext();
    // A window DC over a surface: device (0,0) is `origin` on the surface, drawing stays in `clip`.
    DeviceContext(std::shared_ptr<Bitmap> surface, POINT origin, const RECT &clip);
    ~DeviceContext() override;

    bool IsMemory() const { return Kind() == ObjectKind::MemoryDc; }
    DcState &State() { return m_state; }
    const DcState &State() const { return m_state; }

    // The bitmap drawn into: the selected bitmap of a memory DC or the window's surface.
    Bitmap *Target() const { return IsMemory() ? m_state.bitmap.get() : m_surface.get(); }
    std::shared_ptr<Bitmap> TargetPtr() const { return IsMemory() ? m_state.bitmap : m_surface; }

    // Logical to surface coordinates (MM_TEXT: a translation only).
    int OffsetX() const { return m_origin.x + m_state.viewportOrg.x - m_state.windowOrg.x; }
    int OffsetY() const { return m_origin.y + m_state.viewportOrg.y - m_state.windowOrg.y; }
    POINT DeviceOrigin() const { return m_origin; }
    // Logical to device coordinates (relative to the DC's origin, as clip regions are).
    int LogicalToDeviceX(int x) const { return x + m_state.viewportOrg.x - m_state.windowOrg.x; }
    int LogicalToDeviceY(int y) const { return y + m_state.viewportOrg.y - m_state.windowOrg.y; }

    // Where drawing may land, in surface coordinates: the application's clip region within the
    // DC's own bounds (the surface clip or the bitmap's size).
    Region EffectiveClip() const;
    // The DC's own bounds in device coordinates (what GetClipBox reports without a clip region).
    RECT DeviceBounds() const;
    // The application clip region, materialised as "everything" when none is set.
    Region &ClipForUpdate();

    int Save();
    bool Restore(int level);

    bool SelectBitmap(const std::shared_ptr<Bitmap> &bitmap, HGDIOBJ *previous);

private:
    void ReleaseBitmap();

    DcState m_state;
    std::vector<DcState> m_saved;
    std::shared_ptr<Bitmap> m_surface;
    POINT m_origin{0, 0};
    RECT m_surfaceClip{0, 0, 0, 0};
};

std::shared_ptr<DeviceContext> LookupDc(HDC hdc);

// Stock objects, created on first use and never deleted.
ObjectPtr StockObject(int index);
std::shared_ptr<Bitmap> DefaultBitmap();

COLORREF TextColorOf(const DeviceContext &dc);

} // namespace win32::gdi
