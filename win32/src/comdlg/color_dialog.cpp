#include "comdlg/color_dialog.h"

#include "comdlg/color_dialog_template.h"
#include "comdlg/fill_solid.h"

#include <algorithm>

namespace win32::comdlg {

namespace {

constexpr char kDialogProperty[] = "Win32StandIn.ColorDialog";
constexpr int kValueDigits = 3;
constexpr UINT kRgbLimit = 255;

constexpr int kValueIds[] = {COLOR_HUE, COLOR_SAT, COLOR_LUM, COLOR_RED, COLOR_GREEN, COLOR_BLUE};

bool IsRgbId(int id) {
    return id == COLOR_RED || id == COLOR_GREEN || id == COLOR_BLUE;
}

UINT LimitOf(int id) {
    if (IsRgbId(id))
        return kRgbLimit;
    return id == COLOR_HUE ? kHueLimit : kHlsMax;
}

COLORREF WithComponent(COLORREF color, int id, BYTE value) {
    BYTE r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    (id == COLOR_RED ? r : id == COLOR_GREEN ? g : b) = value;
    return RGB(r, g, b);
}

Hls WithComponent(Hls hls, int id, int value) {
    (id == COLOR_HUE ? hls.hue : id == COLOR_SAT ? hls.sat : hls.lum) = value;
    return hls;
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

int WidthOf(const RECT &r) {
    return r.right - r.left;
}

} // namespace

ColorDialog::ColorDialog(CHOOSECOLORA &cc)
    : m_cc(cc), m_custom(cc.lpCustColors ? cc.lpCustColors : m_ownCustom),
      m_colorOkMessage(RegisterWindowMessageA(COLOROKSTRINGA)),
      m_setRgbMessage(RegisterWindowMessageA(SETRGBSTRINGA)), m_helpMessage(RegisterWindowMessageA(HELPMSGSTRINGA)) {
    std::fill(std::begin(m_ownCustom), std::end(m_ownCustom), RGB(255, 255, 255));
}

INT_PTR CALLBACK ColorDialog::Proc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto *dialog = reinterpret_cast<ColorDialog *>(lParam);
        dialog->m_hwnd = hDlg;
        SetPropA(hDlg, kDialogProperty, dialog);
        return dialog->OnInitDialog(wParam);
    }
    auto *dialog = static_cast<ColorDialog *>(GetPropA(hDlg, kDialogProperty));
    if (!dialog)
        return FALSE; // messages before WM_INITDIALOG (WM_SETFONT) and after WM_DESTROY
    if (msg == WM_DESTROY)
        RemovePropA(hDlg, kDialogProperty);
    return dialog->OnMessage(msg, wParam, lParam);
}

bool ColorDialog::HasHook() const {
    return (m_cc.Flags & CC_ENABLEHOOK) && m_cc.lpfnHook;
}

UINT_PTR ColorDialog::CallHook(UINT msg, WPARAM wParam, LPARAM lParam) {
    return HasHook() ? m_cc.lpfnHook(m_hwnd, msg, wParam, lParam) : 0;
}

INT_PTR ColorDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The hook sees every message first; a non-zero answer means it handled the message itself.
    if (CallHook(msg, wParam, lParam))
        return TRUE;
    if (msg == m_setRgbMessage && msg != 0) {
        SetRgb(static_cast<COLORREF>(lParam), Source::Program);
        return TRUE;
    }
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_LBUTTONDOWN:
        OnMouse(PointOf(lParam), true);
        return TRUE;
    case WM_MOUSEMOVE:
        if (m_drag != Drag::None && (wParam & MK_LBUTTON))
            OnMouse(PointOf(lParam), false);
        return TRUE;
    case WM_LBUTTONUP:
        if (m_drag != Drag::None && GetCapture() == m_hwnd)
            ReleaseCapture();
        m_drag = Drag::None;
        return TRUE;
    case WM_CAPTURECHANGED:
        m_drag = Drag::None;
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR ColorDialog::OnInitDialog(WPARAM focus) {
    const COLORREF initial = (m_cc.Flags & CC_RGBINIT) ? (m_cc.rgbResult & 0x00FFFFFF) : RGB(0, 0, 0);
    m_basicSelected = FindBasicColor(initial);
    if (m_basicSelected < 0) {
        const COLORREF *end = m_custom + NUM_CUSTOM_COLORS;
        const COLORREF *found = std::find(static_cast<const COLORREF *>(m_custom), end, initial);
        m_customSelected = found != end ? static_cast<int>(found - m_custom) : -1;
    }
    for (int id : {COLOR_BOX1, COLOR_CUSTOM1, COLOR_CURRENT, COLOR_RAINBOW, COLOR_LUMSCROLL})
        EnsureOwnerDrawn(id);
    for (int id : kValueIds)
        SendDlgItemMessageA(m_hwnd, id, EM_LIMITTEXT, kValueDigits, 0);
    SetRgb(initial, Source::Program);

    RECT window{};
    GetWindowRect(m_hwnd, &window);
    m_fullWidth = WidthOf(window);
    RECT left{0, 0, kLeftPartWidth, 0};
    MapDialogRect(m_hwnd, &left);
    m_leftWidth = left.right;
    if (HWND help = GetDlgItem(m_hwnd, kHelpButtonId); help && !(m_cc.Flags & CC_SHOWHELP))
        ShowWindow(help, SW_HIDE);
    SetCustomPartOpen((m_cc.Flags & CC_FULLOPEN) != 0);
    if (m_cc.Flags & CC_PREVENTFULLOPEN)
        EnableWindow(GetDlgItem(m_hwnd, COLOR_MIX), FALSE);

    if (HWND ok = GetDlgItem(m_hwnd, IDOK))
        SendMessageA(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ok), TRUE);
    // The hook learns of the dialog with the caller's structure, and decides about the focus.
    return HasHook() ? static_cast<INT_PTR>(CallHook(WM_INITDIALOG, focus, reinterpret_cast<LPARAM>(&m_cc)))
                     : FALSE;
}

// A custom template may give the pictures as plain statics: they are drawn here all the same.
void ColorDialog::EnsureOwnerDrawn(int id) {
    HWND control = GetDlgItem(m_hwnd, id);
    char className[16] = {};
    if (!control || !GetClassNameA(control, className, sizeof className) || lstrcmpiA(className, "Static") != 0)
        return;
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if ((style & SS_TYPEMASK) != SS_OWNERDRAW)
        SetWindowLongA(control, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_OWNERDRAW);
}

void ColorDialog::OnCommand(WORD id, WORD code) {
    if (code == EN_CHANGE) {
        OnValueEdited(id);
        return;
    }
    if (code != BN_CLICKED)
        return;
    switch (id) {
    case IDOK:
        OnOk();
        break;
    case IDCANCEL:
        EndDialog(m_hwnd, IDCANCEL);
        break;
    case COLOR_MIX:
        SetCustomPartOpen(true);
        break;
    case COLOR_ADD:
        AddToCustomColors();
        break;
    case kHelpButtonId:
        OnHelp();
        break;
    default:
        break;
    }
}

// The hook may refuse the colour (a non-zero answer to the OK message): the dialog then stays open.
void ColorDialog::OnOk() {
    m_cc.rgbResult = m_color;
    if (HasHook() && m_colorOkMessage && CallHook(m_colorOkMessage, 0, reinterpret_cast<LPARAM>(&m_cc)))
        return;
    EndDialog(m_hwnd, IDOK);
}

void ColorDialog::OnHelp() {
    if (m_cc.hwndOwner && IsWindow(m_cc.hwndOwner) && m_helpMessage)
        SendMessageA(m_cc.hwndOwner, m_helpMessage, reinterpret_cast<WPARAM>(m_hwnd), reinterpret_cast<LPARAM>(&m_cc));
}

// The caller's array is written at once: custom colours outlive the dialog even when it is cancelled.
void ColorDialog::AddToCustomColors() {
    m_custom[m_customSlot] = m_color;
    m_customSlot = (m_customSlot + 1) % NUM_CUSTOM_COLORS;
    Repaint(COLOR_CUSTOM1);
}

// Closed, the dialog is only as wide as its left part, and the custom part's controls are hidden and
// disabled so that neither the Tab key nor a mnemonic reaches them.
void ColorDialog::SetCustomPartOpen(bool open) {
    RECT window{}, client{};
    GetWindowRect(m_hwnd, &window);
    GetClientRect(m_hwnd, &client);
    const int frame = WidthOf(window) - WidthOf(client);
    const int width = open ? m_fullWidth : std::min(m_fullWidth, m_leftWidth + frame);
    SetWindowPos(m_hwnd, nullptr, 0, 0, width, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND child = GetWindow(m_hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT *>(&r), 2);
        if (r.left < m_leftWidth)
            continue;
        ShowWindow(child, open ? SW_SHOWNA : SW_HIDE);
        EnableWindow(child, open);
    }
    m_open = open;
    if (!open)
        return;
    HWND mix = GetDlgItem(m_hwnd, COLOR_MIX);
    if (mix && GetFocus() == mix)
        if (HWND red = GetDlgItem(m_hwnd, COLOR_RED))
            SendMessageA(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(red), TRUE);
    EnableWindow(mix, FALSE);
}

void ColorDialog::SetRgb(COLORREF color, Source from) {
    m_color = color & 0x00FFFFFF;
    m_hls = RgbToHls(m_color);
    ShowValues(from);
}

void ColorDialog::SetHls(const Hls &hls, Source from) {
    m_hls = hls;
    m_color = HlsToRgb(hls);
    ShowValues(from);
}

void ColorDialog::ShowValues(Source from) {
    m_updating = true;
    if (from != Source::RgbEdits) {
        SetDlgItemInt(m_hwnd, COLOR_RED, GetRValue(m_color), FALSE);
        SetDlgItemInt(m_hwnd, COLOR_GREEN, GetGValue(m_color), FALSE);
        SetDlgItemInt(m_hwnd, COLOR_BLUE, GetBValue(m_color), FALSE);
    }
    if (from != Source::HlsEdits) {
        SetDlgItemInt(m_hwnd, COLOR_HUE, static_cast<UINT>(m_hls.hue), FALSE);
        SetDlgItemInt(m_hwnd, COLOR_SAT, static_cast<UINT>(m_hls.sat), FALSE);
        SetDlgItemInt(m_hwnd, COLOR_LUM, static_cast<UINT>(m_hls.lum), FALSE);
    }
    m_updating = false;
    for (int id : {COLOR_CURRENT, COLOR_RAINBOW, COLOR_LUMSCROLL})
        Repaint(id);
}

// A value typed beyond its range is replaced by the range's end; an empty edit counts as 0.
void ColorDialog::OnValueEdited(int id) {
    if (m_updating || std::find(std::begin(kValueIds), std::end(kValueIds), id) == std::end(kValueIds))
        return;
    BOOL translated = FALSE;
    UINT value = GetDlgItemInt(m_hwnd, id, &translated, FALSE);
    if (!translated)
        value = 0;
    if (value > LimitOf(id)) {
        value = LimitOf(id);
        m_updating = true;
        SetDlgItemInt(m_hwnd, id, value, FALSE);
        SendDlgItemMessageA(m_hwnd, id, EM_SETSEL, kValueDigits, kValueDigits);
        m_updating = false;
    }
    if (IsRgbId(id))
        SetRgb(WithComponent(m_color, id, static_cast<BYTE>(value)), Source::RgbEdits);
    else
        SetHls(WithComponent(m_hls, id, static_cast<int>(value)), Source::HlsEdits);
}

void ColorDialog::OnDrawItem(const DRAWITEMSTRUCT &item) {
    switch (item.CtlID) {
    case COLOR_BOX1:
        m_basicGrid.Paint(item.hDC, item.rcItem, BasicColors(), m_basicSelected);
        break;
    case COLOR_CUSTOM1:
        m_customGrid.Paint(item.hDC, item.rcItem, m_custom, m_customSelected);
        break;
    case COLOR_RAINBOW:
        m_spectrum.PaintRainbow(item.hDC, item.rcItem, m_hls);
        break;
    case COLOR_LUMSCROLL:
        ColorSpectrum::PaintLumBar(item.hDC, item.rcItem, m_hls);
        break;
    case COLOR_CURRENT:
        FillSolid(item.hDC, item.rcItem, m_color);
        break;
    default:
        break;
    }
}

bool ColorDialog::HitControl(int id, POINT point, RECT *box, POINT *local) const {
    HWND control = GetDlgItem(m_hwnd, id);
    if (!control || !IsWindowVisible(control))
        return false;
    GetClientRect(control, box);
    *local = point;
    MapWindowPoints(m_hwnd, control, local, 1);
    return PtInRect(box, *local) != FALSE;
}

// A press picks a cell or starts following the mouse in the spectrum; moves continue what it started.
void ColorDialog::OnMouse(POINT point, bool press) {
    RECT box{};
    POINT local{};
    if (press) {
        m_drag = Drag::None;
        if (HitControl(COLOR_BOX1, point, &box, &local)) {
            const int cell = m_basicGrid.CellAt(box, local);
            if (cell < 0)
                return;
            m_basicSelected = cell;
            m_customSelected = -1;
            SetRgb(BasicColors()[cell], Source::Program);
        } else if (HitControl(COLOR_CUSTOM1, point, &box, &local)) {
            const int cell = m_customGrid.CellAt(box, local);
            if (cell < 0)
                return;
            m_customSelected = m_customSlot = cell;
            m_basicSelected = -1;
            SetRgb(m_custom[cell], Source::Program);
        } else if (HitControl(COLOR_RAINBOW, point, &box, &local)) {
            m_drag = Drag::Rainbow;
        } else if (HitControl(COLOR_LUMSCROLL, point, &box, &local)) {
            m_drag = Drag::Lum;
        }
        Repaint(COLOR_BOX1);
        Repaint(COLOR_CUSTOM1);
        if (m_drag != Drag::None)
            SetCapture(m_hwnd);
    }
    const int id = m_drag == Drag::Rainbow ? COLOR_RAINBOW : COLOR_LUMSCROLL;
    if (m_drag == Drag::None || !GetDlgItem(m_hwnd, id))
        return;
    GetClientRect(GetDlgItem(m_hwnd, id), &box);
    local = point;
    MapWindowPoints(m_hwnd, GetDlgItem(m_hwnd, id), &local, 1);
    if (m_drag == Drag::Rainbow)
        SetHls(ColorSpectrum::HueSatAt(box, local, m_hls.lum), Source::Program);
    else
        SetHls(Hls{m_hls.hue, ColorSpectrum::LumAt(box, local), m_hls.sat}, Source::Program);
}

void ColorDialog::Repaint(int id) {
    if (HWND control = GetDlgItem(m_hwnd, id))
        InvalidateRect(control, nullptr, FALSE);
}

} // namespace win32::comdlg
