// The drawing objects a DC selects: pens, brushes, fonts, palettes and regions.
#pragma once
#include "gdi/gdi_object.h"
#include "gdi/region.h"

#include <cstdint>
#include <vector>

namespace win32::gdi {

class Pen : public GdiObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::Pen;
    explicit Pen(const LOGPEN &log, bool followsDcColor = false)
        : GdiObject(kKind), m_log(log), m_followsDcColor(followsDcColor)
    {
    }
    const LOGPEN &Log() const { return m_log; }
    // The DC_PEN stock pen draws in the DC's SetDCPenColor colour.
    bool FollowsDcColor() const { return m_followsDcColor; }

private:
    LOGPEN m_log;
    bool m_followsDcColor;
};

// A brush pattern: pixels (0x00RRGGBB), or for a monochrome pattern 0 = text colour and
// white = background colour, as Win32 maps a monochrome pattern bitmap.
struct BrushPattern {
    int width = 0;
    int height = 0;
    bool monochrome = false;
    std::vector<uint32_t> pixels;
};

class Brush : public GdiObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::Brush;
    explicit Brush(const LOGBRUSH &log, bool followsDcColor = false)
        : GdiObject(kKind), m_log(log), m_followsDcColor(followsDcColor)
    {
    }
    Brush(const LOGBRUSH &log, BrushPattern pattern) : GdiObject(kKind), m_log(log), m_pattern(std::move(pattern)) {}
    const LOGBRUSH &Log() const { return m_log; }
    const BrushPattern &Pattern() const { return m_pattern; }
    bool FollowsDcColor() const { return m_followsDcColor; }

private:
    LOGBRUSH m_log;
    BrushPattern m_pattern;
    bool m_followsDcColor = false;
};

class Font : public GdiObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::Font;
    explicit Font(const LOGFONTA &log) : GdiObject(kKind), m_log(log) {}
    const LOGFONTA &Log() const { return m_log; }

private:
    LOGFONTA m_log;
};

class Palette : public GdiObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::Palette;
    explicit Palette(std::vector<PALETTEENTRY> entries) : GdiObject(kKind), m_entries(std::move(entries)) {}
    const std::vector<PALETTEENTRY> &Entries() const { return m_entries; }

private:
    std::vector<PALETTEENTRY> m_entries;
};

class RegionObject : public GdiObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::Region;
    explicit RegionObject(Region region) : GdiObject(kKind), m_region(std::move(region)) {}
    const Region &Get() const { return m_region; }

private:
    Region m_region;
};

} // namespace win32::gdi
