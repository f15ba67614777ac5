// The "Static" system class: text (left, centred, right, simple, no word wrap), icons, bitmaps,
// filled rectangles, frames, etched lines, sunken edges and owner-drawn statics.
// Not handled yet: SS_REALSIZEIMAGE, SS_PATHELLIPSIS/SS_WORDELLIPSIS, SS_USERITEM, enhanced
// metafiles (SS_ENHMETAFILE), WM_UPDATEUISTATE (mnemonic underlines are always shown), and
// WS_EX_STATICEDGE as a true non-client edge (SS_SUNKEN is drawn inside the client area).
#include "user/controls/control_base.h"
#include "user/controls/control_paint.h"
#include "user/system_classes.h"

#include <cstdlib>

namespace win32::user::controls {
namespace {

enum class StaticKind { Text, Icon, Bitmap, FilledRect, Frame, Etched, OwnerDraw, None };

StaticKind KindOfType(DWORD type) {
    switch (type) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        return StaticKind::Text;
    case SS_ICON:
        return StaticKind::Icon;
    case SS_BITMAP:
        return StaticKind::Bitmap;
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
        return StaticKind::FilledRect;
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME:
        return StaticKind::Frame;
    case SS_ETCHEDHORZ:
    case SS_ETCHEDVERT:
    case SS_ETCHEDFRAME:
        return StaticKind::Etched;
    case SS_OWNERDRAW:
        return StaticKind::OwnerDraw;
    default:
        return StaticKind::None;
    }
}

// The system colour of the black, grey and white rectangles and frames.
int ShapeColor(DWORD type) {
    switch (type) {
    case SS_BLACKRECT:
    case SS_BLACKFRAME:
        return COLOR_3DDKSHADOW;
    case SS_GRAYRECT:
    case SS_GRAYFRAME:
        return COLOR_3DSHADOW;
    default:
        return COLOR_3DHIGHLIGHT;
    }
}

UINT EtchedSides(DWORD type) {
    switch (type) {
    case SS_ETCHEDHORZ:
        return BF_TOP;
    case SS_ETCHEDVERT:
        return BF_LEFT;
    default:
        return BF_RECT;
    }
}

UINT TextFormat(DWORD style) {
    UINT format = DT_EXPANDTABS;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format |= DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format |= DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_SIMPLE:
        format = DT_LEFT | DT_SINGLELINE;
        break;
    case SS_LEFTNOWORDWRAP:
        format |= DT_LEFT;
        break;
    default:
        format |= DT_LEFT | DT_WORDBREAK;
        break;
    }
    if (style & SS_NOPREFIX) {
        format |= DT_NOPREFIX;
    }
    if (style & SS_CENTERIMAGE) {
        format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE | DT_VCENTER;
    }
    if (style & SS_ENDELLIPSIS) {
        format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_END_ELLIPSIS;
    }
    return format;
}

// An icon's resource name from the window text: "#123" is the ordinal 123, anything else a name.
HICON LoadIconByText(HWND hwnd, const std::string &text) {
    if (text.empty()) {
        return nullptr;
    }
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(static_cast<LONG_PTR>(GetWindowLongA(hwnd, GWL_HINSTANCE)));
    if (text[0] == '#') {
        const long ordinal = std::strtol(text.c_str() + 1, nullptr, 10);
        if (ordinal <= 0 || ordinal > 0xFFFF) {
            return nullptr;
        }
        return LoadIconA(instance, MAKEINTRESOURCEA(ordinal));
    }
    return LoadIconA(instance, text.c_str());
}

struct Static {
    HWND m_hwnd = nullptr;
    HFONT m_font = nullptr;
    HICON m_icon = nullptr;     // shared icons (LoadIconA): never destroyed here
    HBITMAP m_bitmap = nullptr; // owned by whoever set it

    DWORD Style() const { return WindowStyle(m_hwnd); }
    DWORD Type() const { return Style() & SS_TYPEMASK; }
    StaticKind Kind() const { return KindOfType(Type()); }
    bool Enabled() const { return IsWindowEnabled(m_hwnd) != FALSE; }
    bool Notifies() const { return (Style() & SS_NOTIFY) != 0; }
    void Redraw() const { InvalidateRect(m_hwnd, nullptr, FALSE); }

    // Message handlers.
    LRESULT OnCreate();
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint();
    LRESULT OnEraseBkgnd() { return 1; }
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode() { return DLGC_STATIC; }
    LRESULT OnSetIcon(WPARAM wParam);
    LRESULT OnGetIcon() const { return reinterpret_cast<LRESULT>(m_icon); }
    LRESULT OnSetImage(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetImage(WPARAM wParam) const;
    LRESULT OnLButtonDown();
    LRESULT OnLButtonDblClk();
    LRESULT OnEnable(WPARAM wParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont() const { return reinterpret_cast<LRESULT>(m_font); }

    HICON SetIcon(HICON icon);
    HBITMAP SetBitmap(HBITMAP bitmap);
    void FitTo(int width, int height);

    // Painting by kind, inside `area` (the client area less a sunken edge).
    void PaintText(HDC hdc, const RECT &client, const RECT &area);
    void PaintIcon(HDC hdc, const RECT &client, const RECT &area);
    void PaintBitmap(HDC hdc, const RECT &client, const RECT &area);
    void PaintOwnerDraw(HDC hdc, const RECT &client);
};

LRESULT Static::OnCreate() {
    if (Kind() == StaticKind::Icon) {
        SetIcon(LoadIconByText(m_hwnd, WindowText(m_hwnd)));
    } else if (Kind() == StaticKind::Bitmap) {
        const std::string name = WindowText(m_hwnd);
        if (!name.empty()) {
            HINSTANCE instance =
                reinterpret_cast<HINSTANCE>(static_cast<LONG_PTR>(GetWindowLongA(m_hwnd, GWL_HINSTANCE)));
            SetBitmap(LoadBitmapA(instance, name.c_str()));
        }
    }
    return 0;
}

LRESULT Static::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    HWND hwnd = m_hwnd;
    DetachControlState<Static>(hwnd); // `this` is gone from here on
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT Static::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
    // Only a notifying static takes clicks; the others let them through to what lies below.
    if (!Notifies()) {
        return HTTRANSPARENT;
    }
    return DefWindowProcA(m_hwnd, WM_NCHITTEST, wParam, lParam);
}

void Static::FitTo(int width, int height) {
    // An image static takes its image's size unless it centres the image in its own rectangle.
    if (!(Style() & SS_CENTERIMAGE) && width > 0 && height > 0) {
        SetWindowPos(m_hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HICON Static::SetIcon(HICON icon) {
    HICON previous = m_icon;
    m_icon = icon;
    if (icon) {
        FitTo(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    }
    Redraw();
    return previous;
}

HBITMAP Static::SetBitmap(HBITMAP bitmap) {
    HBITMAP previous = m_bitmap;
    m_bitmap = bitmap;
    BITMAP info{};
    if (bitmap && GetObjectA(bitmap, sizeof(info), &info)) {
        FitTo(info.bmWidth, info.bmHeight);
    }
    Redraw();
    return previous;
}

LRESULT Static::OnSetIcon(WPARAM wParam) {
    if (Kind() != StaticKind::Icon) {
        return 0;
    }
    return reinterpret_cast<LRESULT>(SetIcon(reinterpret_cast<HICON>(wParam)));
}

LRESULT Static::OnSetImage(WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
    case IMAGE_ICON:
    case IMAGE_CURSOR:
        return Kind() == StaticKind::Icon ? reinterpret_cast<LRESULT>(SetIcon(reinterpret_cast<HICON>(lParam))) : 0;
    case IMAGE_BITMAP:
        return Kind() == StaticKind::Bitmap ? reinterpret_cast<LRESULT>(SetBitmap(reinterpret_cast<HBITMAP>(lParam)))
                                            : 0;
    default:
        return 0;
    }
}

LRESULT Static::OnGetImage(WPARAM wParam) const {
    switch (wParam) {
    case IMAGE_ICON:
    case IMAGE_CURSOR:
        return Kind() == StaticKind::Icon ? reinterpret_cast<LRESULT>(m_icon) : 0;
    case IMAGE_BITMAP:
        return Kind() == StaticKind::Bitmap ? reinterpret_cast<LRESULT>(m_bitmap) : 0;
    default:
        return 0;
    }
}

LRESULT Static::OnLButtonDown() {
    if (Notifies() && Enabled()) {
        NotifyParentCommand(m_hwnd, STN_CLICKED);
    }
    return 0;
}

LRESULT Static::OnLButtonDblClk() {
    if (Notifies() && Enabled()) {
        NotifyParentCommand(m_hwnd, STN_DBLCLK);
    }
    return 0;
}

LRESULT Static::OnEnable(WPARAM wParam) {
    if (Notifies()) {
        NotifyParentCommand(m_hwnd, wParam ? STN_ENABLE : STN_DISABLE);
    }
    Redraw();
    return 0;
}

LRESULT Static::OnSetText(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcA(m_hwnd, WM_SETTEXT, wParam, lParam);
    if (Kind() == StaticKind::Icon) {
        // The text of an icon static names its icon.
        SetIcon(LoadIconByText(m_hwnd, WindowText(m_hwnd)));
    }
    Redraw();
    return result;
}

LRESULT Static::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_font = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam)) {
        Redraw();
    }
    return 0;
}

void Static::PaintText(HDC hdc, const RECT &client, const RECT &area) {
    FillRect(hdc, &client, ParentControlBrush(m_hwnd, hdc, WM_CTLCOLORSTATIC));
    const std::string text = WindowText(m_hwnd);
    if (!text.empty()) {
        DrawControlText(hdc, text, area, TextFormat(Style()), Enabled());
    }
}

void Static::PaintIcon(HDC hdc, const RECT &client, const RECT &area) {
    FillRect(hdc, &client, ParentControlBrush(m_hwnd, hdc, WM_CTLCOLORSTATIC));
    if (!m_icon) {
        return;
    }
    int x = area.left;
    int y = area.top;
    if (Style() & SS_CENTERIMAGE) {
        x += ((area.right - area.left) - GetSystemMetrics(SM_CXICON)) / 2;
        y += ((area.bottom - area.top) - GetSystemMetrics(SM_CYICON)) / 2;
    }
    DrawIcon(hdc, x, y, m_icon);
}

void Static::PaintBitmap(HDC hdc, const RECT &client, const RECT &area) {
    FillRect(hdc, &client, ParentControlBrush(m_hwnd, hdc, WM_CTLCOLORSTATIC));
    BITMAP info{};
    if (!m_bitmap || !GetObjectA(m_bitmap, sizeof(info), &info)) {
        return;
    }
    HDC memory = CreateCompatibleDC(hdc);
    if (!memory) {
        return;
    }
    HGDIOBJ old = SelectObject(memory, m_bitmap);
    int x = area.left;
    int y = area.top;
    if (Style() & SS_CENTERIMAGE) {
        x += ((area.right - area.left) - info.bmWidth) / 2;
        y += ((area.bottom - area.top) - info.bmHeight) / 2;
    }
    BitBlt(hdc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void Static::PaintOwnerDraw(HDC hdc, const RECT &client) {
    HWND parent = GetParent(m_hwnd);
    if (!parent) {
        return;
    }
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = Enabled() ? 0 : ODS_DISABLED;
    item.hwndItem = m_hwnd;
    item.hDC = hdc;
    item.rcItem = client;
    SendMessageA(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

LRESULT Static::OnPaint() {
    ControlDc dc(m_hwnd, m_font, DcSource::Paint);
    if (!dc) {
        return 0;
    }
    HDC hdc = dc.Dc();
    RECT client = dc.Client();
    const DWORD style = Style();
    const bool sunken = (style & SS_SUNKEN) != 0;
    RECT area = client;
    if (sunken) {
        InflateRect(&area, -1, -1);
    }
    switch (Kind()) {
    case StaticKind::Text:
        PaintText(hdc, client, area);
        break;
    case StaticKind::Icon:
        PaintIcon(hdc, client, area);
        break;
    case StaticKind::Bitmap:
        PaintBitmap(hdc, client, area);
        break;
    case StaticKind::FilledRect:
        FillSysColor(hdc, area, ShapeColor(Type()));
        break;
    case StaticKind::Frame:
        FrameRect(hdc, &area, GetSysColorBrush(ShapeColor(Type())));
        break;
    case StaticKind::Etched:
        DrawEdge(hdc, &area, EDGE_ETCHED, EtchedSides(Type()));
        break;
    case StaticKind::OwnerDraw:
        PaintOwnerDraw(hdc, client);
        break;
    case StaticKind::None:
        break;
    }
    if (sunken) {
        DrawEdge(hdc, &client, BDR_SUNKENOUTER, BF_RECT);
    }
    return 0;
}

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    Static *state = AttachControlState<Static>(hwnd);
    if (!state) {
        return FALSE;
    }
    state->m_hwnd = hwnd;
    // An icon or bitmap static may be created with an ordinal for its text; it is kept as "#id".
    CREATESTRUCTA create = *reinterpret_cast<const CREATESTRUCTA *>(lParam);
    std::string ordinalName;
    if (create.lpszName && IS_INTRESOURCE(create.lpszName)) {
        ordinalName = "#" + std::to_string(reinterpret_cast<ULONG_PTR>(create.lpszName));
        create.lpszName = ordinalName.c_str();
    }
    const LRESULT created = DefWindowProcA(hwnd, WM_NCCREATE, wParam, reinterpret_cast<LPARAM>(&create));
    if (!created) {
        DetachControlState<Static>(hwnd);
    }
    return created;
}

LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && lParam) {
        return OnNcCreate(hwnd, wParam, lParam);
    }
    Static *state = GetControlState<Static>(hwnd);
    if (!state) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        return state->OnCreate();
    case WM_NCDESTROY:
        return state->OnNcDestroy(wParam, lParam);
    case WM_PAINT:
        return state->OnPaint();
    case WM_ERASEBKGND:
        return state->OnEraseBkgnd();
    case WM_NCHITTEST:
        return state->OnNcHitTest(wParam, lParam);
    case WM_GETDLGCODE:
        return state->OnGetDlgCode();
    case STM_SETICON:
        return state->OnSetIcon(wParam);
    case STM_GETICON:
        return state->OnGetIcon();
    case STM_SETIMAGE:
        return state->OnSetImage(wParam, lParam);
    case STM_GETIMAGE:
        return state->OnGetImage(wParam);
    case WM_LBUTTONDOWN:
        return state->OnLButtonDown();
    case WM_LBUTTONDBLCLK:
        return state->OnLButtonDblClk();
    case WM_ENABLE:
        return state->OnEnable(wParam);
    case WM_SETTEXT:
        return state->OnSetText(wParam, lParam);
    case WM_SETFONT:
        return state->OnSetFont(wParam, lParam);
    case WM_GETFONT:
        return state->OnGetFont();
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

WNDCLASSA StaticClass() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = StaticWndProc;
    wc.cbWndExtra = sizeof(void *);
    wc.lpszClassName = "Static";
    return wc;
}

const SystemClassRegistrar g_staticClass(StaticClass());

} // namespace
} // namespace win32::user::controls
