// GetStockObject: the stock pens, brushes, fonts, palette and the default 1x1 monochrome bitmap
// every fresh memory DC holds. They are created once, marked permanent and never deleted.
#include "gdi/dc.h"

#include <array>
#include <cstring>
#include <mutex>

namespace win32::gdi {

namespace {

LOGFONTA MakeLogFont(LONG height, LONG weight, BYTE pitchAndFamily, const char *face)
{
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfPitchAndFamily = pitchAndFamily;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

ObjectPtr MakeBrush(UINT style, COLORREF color, bool followsDc = false)
{
    return std::make_shared<Brush>(LOGBRUSH{style, color, 0}, followsDc);
}

ObjectPtr MakePen(UINT style, COLORREF color, bool followsDc = false)
{
    return std::make_shared<Pen>(LOGPEN{style, POINT{1, 0}, color}, followsDc);
}

ObjectPtr MakeFont(const LOGFONTA &lf) { return std::make_shared<Font>(lf); }

constexpr int kStockCount = DC_PEN + 1;

struct StockSet {
    std::array<ObjectPtr, kStockCount> objects;
    std::shared_ptr<Bitmap> defaultBitmap;
};

StockSet &Stock()
{
    static StockSet *set = [] {
        auto *s = new StockSet;
        auto &o = s->objects;
        o[WHITE_BRUSH] = MakeBrush(BS_SOLID, RGB(255, 255, 255));
        o[LTGRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(192, 192, 192));
        o[GRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(128, 128, 128));
        o[DKGRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(64, 64, 64));
        o[BLACK_BRUSH] = MakeBrush(BS_SOLID, RGB(0, 0, 0));
        o[NULL_BRUSH] = MakeBrush(BS_NULL, 0);
        o[WHITE_PEN] = MakePen(PS_SOLID, RGB(255, 255, 255));
        o[BLACK_PEN] = MakePen(PS_SOLID, RGB(0, 0, 0));
        o[NULL_PEN] = MakePen(PS_NULL, 0);
        o[OEM_FIXED_FONT] = MakeFont(MakeLogFont(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Terminal"));
        o[ANSI_FIXED_FONT] = MakeFont(MakeLogFont(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier"));
        o[ANSI_VAR_FONT] = MakeFont(MakeLogFont(12, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"));
        o[SYSTEM_FONT] = MakeFont(MakeLogFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System"));
        o[DEVICE_DEFAULT_FONT] = MakeFont(MakeLogFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System"));
        o[SYSTEM_FIXED_FONT] = MakeFont(MakeLogFont(16, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Fixedsys"));
        o[DEFAULT_GUI_FONT] = MakeFont(MakeLogFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg"));
        std::vector<PALETTEENTRY> entries;
        for (int i = 0; i < 20; ++i) {
            // The twenty static colours: black, dark primaries, greys, bright primaries, white.
            static const uint8_t kStatic[20][3] = {
                {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
                {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
                {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
                {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
            entries.push_back(PALETTEENTRY{kStatic[i][0], kStatic[i][1], kStatic[i][2], 0});
        }
        o[DEFAULT_PALETTE] = std::make_shared<Palette>(std::move(entries));
        o[DC_BRUSH] = MakeBrush(BS_SOLID, RGB(255, 255, 255), true);
        o[DC_PEN] = MakePen(PS_SOLID, RGB(0, 0, 0), true);
        for (ObjectPtr &object : o)
            if (object) {
                object->MakePermanent();
                AddObject(object);
            }
        s->defaultBitmap = std::make_shared<Bitmap>(1, 1, true);
        s->defaultBitmap->MakePermanent();
        AddObject(s->defaultBitmap);
        return s;
    }();
    return *set;
}

} // namespace

ObjectPtr StockObject(int index)
{
    if (index < 0 || index >= kStockCount)
        return nullptr;
    return Stock().objects[index];
}

std::shared_ptr<Bitmap> DefaultBitmap() { return Stock().defaultBitmap; }

} // namespace win32::gdi

using namespace win32::gdi;

HGDIOBJ WINAPI GetStockObject(int i)
{
    ObjectPtr object = StockObject(i);
    return object ? object->Handle() : nullptr;
}
