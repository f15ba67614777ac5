// Standard icons and cursors. LoadIconA(NULL, IDI_*) gives 32x32 icons drawn procedurally in
// the classic manner; cursors are handles only (nothing draws a pointer on this device).
// Not handled yet: icons, cursors and bitmaps from a module's resources (LoadIconA and
// LoadCursorA with a module, LoadImageA, LoadBitmapA fail with ERROR_RESOURCE_NAME_NOT_FOUND).
#include "gdi/canvas.h"
#include "gdi/pixel_art.h"

#include <array>
#include <cmath>
#include <vector>

using namespace win32::gdi;

namespace {

constexpr int kIconSize = 32;

class Icon : public GdiObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::Icon;
    explicit Icon(bool cursor) : GdiObject(kKind), m_cursor(cursor) {}

    bool IsCursor() const { return m_cursor; }
    void Set(int x, int y, COLORREF color)
    {
        if (x < 0 || y < 0 || x >= kIconSize || y >= kIconSize)
            return;
        m_pixels[y * kIconSize + x] = PixelFromColorRef(color);
        m_opaque[y * kIconSize + x] = 1;
    }
    bool Opaque(int x, int y) const { return m_opaque[y * kIconSize + x] != 0; }
    uint32_t At(int x, int y) const { return m_pixels[y * kIconSize + x]; }

private:
    bool m_cursor;
    std::array<uint32_t, kIconSize * kIconSize> m_pixels{};
    std::array<uint8_t, kIconSize * kIconSize> m_opaque{};
};

// ---- procedural pictures ----

void Disc(Icon &icon, double cx, double cy, double radius, COLORREF fill, COLORREF outline)
{
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= radius)
                icon.Set(x, y, d > radius - 1.2 ? outline : fill);
        }
}

void Mask(Icon &icon, std::initializer_list<std::string_view> rows, int left, int top, COLORREF color)
{
    ForEachMaskPixel(rows, left, top, [&](int x, int y) { icon.Set(x, y, color); });
}

void DrawHand(Icon &icon)
{
    Disc(icon, 16, 16, 15, RGB(255, 0, 0), RGB(128, 0, 0));
    for (int i = 0; i < 12; ++i)
        for (int t = -1; t <= 1; ++t) {
            icon.Set(10 + i + t, 10 + i, RGB(255, 255, 255));
            icon.Set(21 - i + t, 10 + i, RGB(255, 255, 255));
        }
}

void DrawExclamation(Icon &icon)
{
    // A yellow warning triangle with a black outline, apex at the top centre.
    for (int y = 2; y < 30; ++y) {
        double half = (y - 2) * 15.0 / 27.0;
        int from = static_cast<int>(std::floor(16 - half));
        int to = static_cast<int>(std::ceil(16 + half));
        for (int x = from; x < to; ++x) {
            bool edge = x == from || x == to - 1 || y == 29;
            icon.Set(x, y, edge ? RGB(0, 0, 0) : RGB(255, 255, 0));
        }
    }
    Mask(icon, {"###", "###", "###", "###", "###", "###", "###", "###", ".#.", "...", "###", "###"}, 15, 11,
         RGB(0, 0, 0));
}

void Bubble(Icon &icon)
{
    // A white speech bubble: a disc with a tail at the lower left.
    Disc(icon, 16, 14, 13, RGB(255, 255, 255), RGB(0, 0, 0));
    Mask(icon, {"..#", ".##", "##.", "#.."}, 6, 26, RGB(0, 0, 0));
    icon.Set(8, 26, RGB(255, 255, 255));
}

void DrawQuestion(Icon &icon)
{
    Bubble(icon);
    Mask(icon,
         {"..######..", ".########.", "###....###", "###....###", ".......###", "......###.", ".....###..",
          "....###...", "....###...", "..........", "....###...", "....###..."},
         11, 7, RGB(0, 0, 255));
}

void DrawAsterisk(Icon &icon)
{
    Bubble(icon);
    Mask(icon,
         {"..###..", "..###..", ".......", ".####..", "..###..", "..###..", "..###..", "..###..", "..###..",
          ".#####."},
         13, 8, RGB(0, 0, 255));
}

void DrawApplication(Icon &icon)
{
    // A small window: black frame, navy caption bar, white client area.
    for (int y = 4; y < 28; ++y)
        for (int x = 2; x < 30; ++x) {
            bool frame = x == 2 || x == 29 || y == 4 || y == 27;
            bool caption = y >= 5 && y < 10;
            icon.Set(x, y, frame ? RGB(0, 0, 0) : caption ? RGB(0, 0, 128) : RGB(255, 255, 255));
        }
}

struct SystemIcons {
    std::vector<std::pair<WORD, HICON>> icons;
    std::vector<std::pair<WORD, HCURSOR>> cursors;
    SystemIcons()
    {
        struct Entry {
            LPCSTR id;
            void (*draw)(Icon &);
        };
        const Entry entries[] = {{IDI_APPLICATION, DrawApplication}, {IDI_HAND, DrawHand},
                                 {IDI_QUESTION, DrawQuestion},       {IDI_EXCLAMATION, DrawExclamation},
                                 {IDI_ASTERISK, DrawAsterisk},       {IDI_WINLOGO, DrawApplication}};
        for (const Entry &e : entries) {
            auto icon = std::make_shared<Icon>(false);
            e.draw(*icon);
            icon->MakePermanent();
            icons.emplace_back(LOWORD(e.id), static_cast<HICON>(AddObject(icon)));
        }
        for (LPCSTR id : {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_SIZEALL, IDC_NO}) {
            auto cursor = std::make_shared<Icon>(true);
            cursor->MakePermanent();
            cursors.emplace_back(LOWORD(id), static_cast<HCURSOR>(AddObject(cursor)));
        }
    }
};

SystemIcons &System()
{
    static SystemIcons *set = new SystemIcons;
    return *set;
}

template <class H> H FindId(const std::vector<std::pair<WORD, H>> &list, LPCSTR name)
{
    if (!IS_INTRESOURCE(name))
        return nullptr;
    for (const auto &[id, handle] : list)
        if (id == LOWORD(name))
            return handle;
    return nullptr;
}

HCURSOR g_cursor = nullptr;

} // namespace

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName)
{
    HICON icon = hInstance ? nullptr : FindId(System().icons, lpIconName);
    if (!icon)
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return icon;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName)
{
    HCURSOR cursor = hInstance ? nullptr : FindId(System().cursors, lpCursorName);
    if (!cursor)
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return cursor;
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor)
{
    HCURSOR previous = g_cursor;
    g_cursor = hCursor;
    return previous;
}

BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon)
{
    auto dc = LookupDc(hDC);
    auto icon = dc ? Lookup<Icon>(hIcon) : nullptr;
    if (!dc || !icon)
        return FALSE;
    Canvas canvas(*dc, true);
    if (!canvas.Valid() || icon->IsCursor())
        return TRUE;
    int left = X + canvas.OffsetX();
    int top = Y + canvas.OffsetY();
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x)
            if (icon->Opaque(x, y)) {
                uint32_t p = icon->At(x, y);
                canvas.PlotPixel(left + x, top + y, canvas.Monochrome() ? MonochromePixel(p) : p, 0xF0);
            }
    return TRUE;
}

BOOL WINAPI DestroyIcon(HICON hIcon)
{
    auto icon = Lookup<Icon>(hIcon);
    if (!icon)
        return FALSE;
    if (!icon->IsPermanent()) // shared system icons stay
        RemoveObject(hIcon);
    return TRUE;
}

HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad)
{
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HBITMAP WINAPI LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName)
{
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}
