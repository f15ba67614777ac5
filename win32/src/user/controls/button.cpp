// The "Button" system class: push and default push buttons, check boxes (two and three states,
// manual and automatic), radio buttons (manual and automatic, groups bounded by WS_GROUP), group
// boxes and owner-drawn buttons, in the classic 3-D look.
// Not handled yet: BS_ICON/BS_BITMAP images (BM_SETIMAGE/BM_GETIMAGE), BS_FLAT, BS_USERBUTTON and
// BS_PUSHBOX (drawn as push buttons), the '+'/'-'/'=' keys of check boxes, WM_UPDATEUISTATE
// (mnemonic underlines are always shown), WM_PRINTCLIENT.
#include "user/controls/control_base.h"
#include "user/controls/control_paint.h"
#include "user/system_classes.h"

namespace win32::user::controls {
namespace {

enum class ButtonKind { Push, DefaultPush, CheckBox, Radio, GroupBox, OwnerDraw };

ButtonKind KindOfType(DWORD type) {
    switch (type) {
    case BS_DEFPUSHBUTTON:
        return ButtonKind::DefaultPush;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return ButtonKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return ButtonKind::Radio;
    case BS_GROUPBOX:
        return ButtonKind::GroupBox;
    case BS_OWNERDRAW:
        return ButtonKind::OwnerDraw;
    default:
        return ButtonKind::Push;
    }
}

// The highest check state a button type can hold; BM_SETCHECK clamps to it.
UINT MaxCheckState(DWORD type) {
    switch (type) {
    case BS_3STATE:
    case BS_AUTO3STATE:
        return BST_INDETERMINATE;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return BST_CHECKED;
    default:
        return BST_UNCHECKED;
    }
}

// The check state an automatic button moves to when clicked.
UINT CheckAfterClick(DWORD type, UINT check) {
    switch (type) {
    case BS_AUTOCHECKBOX:
        return check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    case BS_AUTO3STATE:
        return check == BST_UNCHECKED ? BST_CHECKED : check == BST_CHECKED ? BST_INDETERMINATE : BST_UNCHECKED;
    case BS_AUTORADIOBUTTON:
        return BST_CHECKED;
    default:
        return check;
    }
}

constexpr int kGlyphSize = 13; // check box and radio button glyphs
constexpr int kGlyphGap = 4;   // between the glyph and the text

bool IsAutoRadioButton(HWND hwnd) {
    // The style alone is not enough: a static's SS_WHITEFRAME has the same type bits.
    return (SendMessageA(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) &&
           (WindowStyle(hwnd) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// Unchecks the other automatic radio buttons of `hwnd`'s group: the siblings from the nearest
// WS_GROUP at or above it down to (not including) the next WS_GROUP.
void UncheckGroupSiblings(HWND hwnd) {
    HWND first = hwnd;
    while (!(WindowStyle(first) & WS_GROUP)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (!previous) {
            break;
        }
        first = previous;
    }
    for (HWND sibling = first; sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (WindowStyle(sibling) & WS_GROUP)) {
            break;
        }
        if (sibling != hwnd && IsAutoRadioButton(sibling)) {
            SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

// DrawTextA flags for the button's text alignment styles; `horizontal` applies when none is set.
UINT TextFormat(DWORD style, UINT horizontal) {
    UINT format = DT_NOCLIP;
    switch (style & BS_CENTER) {
    case BS_LEFT:
        format |= DT_LEFT;
        break;
    case BS_RIGHT:
        format |= DT_RIGHT;
        break;
    case BS_CENTER:
        format |= DT_CENTER;
        break;
    default:
        format |= horizontal;
        break;
    }
    if (style & BS_MULTILINE) {
        format |= DT_WORDBREAK;
    } else {
        format |= DT_SINGLELINE;
        switch (style & BS_VCENTER) {
        case BS_TOP:
            format |= DT_TOP;
            break;
        case BS_BOTTOM:
            format |= DT_BOTTOM;
            break;
        default:
            format |= DT_VCENTER;
            break;
        }
    }
    return format;
}

// Where the text goes inside `area`: multi-line text is centred vertically here, since DrawTextA
// only centres single lines.
RECT TextRect(HDC hdc, const std::string &text, const RECT &area, UINT format) {
    if (format & DT_SINGLELINE) {
        return area;
    }
    const RECT bounds = ControlTextBounds(hdc, text, area, format);
    RECT rect = area;
    rect.top += ((area.bottom - area.top) - (bounds.bottom - bounds.top)) / 2;
    return rect;
}

void DrawCheckMark(HDC hdc, const RECT &box, int colorIndex) {
    // Seven columns three pixels tall: down two steps, then up four.
    static constexpr int kColumnTops[] = {5, 6, 7, 6, 5, 4, 3};
    for (int column = 0; column < 7; ++column) {
        FillSysColor(hdc, box.left + 3 + column, box.top + kColumnTops[column], 1, 3, colorIndex);
    }
}

void DrawCheckGlyph(HDC hdc, RECT box, UINT check, bool pushed, bool enabled) {
    DrawEdge(hdc, &box, EDGE_SUNKEN, BF_RECT);
    const bool indeterminate = check == BST_INDETERMINATE;
    const RECT inner{box.left + 2, box.top + 2, box.right - 2, box.bottom - 2};
    FillSysColor(hdc, inner, (pushed || !enabled || indeterminate) ? COLOR_BTNFACE : COLOR_WINDOW);
    if (check != BST_UNCHECKED) {
        DrawCheckMark(hdc, box, (!enabled || indeterminate) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    }
}

void DrawEllipse(HDC hdc, int left, int top, int right, int bottom, int penColor, int fillColor) {
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(penColor));
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetSysColorBrush(fillColor));
    Ellipse(hdc, left, top, right, bottom);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawRadioGlyph(HDC hdc, const RECT &box, UINT check, bool pushed, bool enabled) {
    const int fill = (pushed || !enabled) ? COLOR_BTNFACE : COLOR_WINDOW;
    DrawEllipse(hdc, box.left, box.top, box.left + 12, box.top + 12, COLOR_BTNSHADOW, fill);
    DrawEllipse(hdc, box.left + 1, box.top + 1, box.left + 11, box.top + 11, COLOR_3DDKSHADOW, fill);
    if (check != BST_UNCHECKED) {
        const int dot = enabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW;
        DrawEllipse(hdc, box.left + 4, box.top + 4, box.left + 8, box.top + 8, dot, dot);
    }
}

struct Button {
    HWND m_hwnd = nullptr;
    HFONT m_font = nullptr;
    UINT m_check = BST_UNCHECKED;
    bool m_pushed = false;   // highlighted: BM_SETSTATE, or a press in progress
    bool m_focused = false;
    bool m_tracking = false; // a mouse or space-bar press waits for its release

    DWORD Style() const { return WindowStyle(m_hwnd); }
    DWORD Type() const { return Style() & BS_TYPEMASK; }
    ButtonKind Kind() const { return KindOfType(Type()); }
    bool Enabled() const { return IsWindowEnabled(m_hwnd) != FALSE; }
    bool Notifies() const { return (Style() & BS_NOTIFY) != 0; }
    bool PushLike() const {
        return (Style() & BS_PUSHLIKE) && (Kind() == ButtonKind::CheckBox || Kind() == ButtonKind::Radio);
    }
    void Redraw() const { InvalidateRect(m_hwnd, nullptr, FALSE); }

    // Message handlers.
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint();
    LRESULT OnEraseBkgnd() { return 1; }
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode();
    LRESULT OnGetCheck() const;
    LRESULT OnSetCheck(WPARAM wParam);
    LRESULT OnGetState() const;
    LRESULT OnSetState(WPARAM wParam);
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    LRESULT OnClick();
    LRESULT OnLButtonDown();
    LRESULT OnLButtonDblClk();
    LRESULT OnLButtonUp(LPARAM lParam);
    LRESULT OnMouseMove(LPARAM lParam);
    LRESULT OnCaptureChanged(LPARAM lParam);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyUp(WPARAM wParam);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();
    LRESULT OnEnable();
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont() const { return reinterpret_cast<LRESULT>(m_font); }

    // Behaviour shared by the handlers.
    bool HandlesInput() const { return Enabled() && Kind() != ButtonKind::GroupBox; }
    bool Inside(LPARAM lParam) const;
    void Press();
    void Release(bool click);
    void CancelPress();
    void Clicked();
    void SetHighlight(bool on);
    UINT OwnerDrawState() const;
    void DrawOwner(HDC hdc, const RECT &rect, UINT action);
    void DrawOwnerNow(UINT action);

    // Painting by kind.
    void PaintPush(HDC hdc, RECT rect, bool sunken);
    void PaintCheckOrRadio(HDC hdc, const RECT &client);
    void PaintGroupBox(HDC hdc, const RECT &client);
    void DrawCaption(HDC hdc, const RECT &area, UINT format) const;
};

LRESULT Button::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    HWND hwnd = m_hwnd;
    DetachControlState<Button>(hwnd); // `this` is gone from here on
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT Button::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
    // A group box lets clicks through to the controls it frames.
    if (Kind() == ButtonKind::GroupBox) {
        return HTTRANSPARENT;
    }
    return DefWindowProcA(m_hwnd, WM_NCHITTEST, wParam, lParam);
}

LRESULT Button::OnGetDlgCode() {
    switch (Kind()) {
    case ButtonKind::Push:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case ButtonKind::DefaultPush:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case ButtonKind::Radio:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case ButtonKind::GroupBox:
        return DLGC_STATIC;
    case ButtonKind::CheckBox:
    case ButtonKind::OwnerDraw:
        return DLGC_BUTTON;
    }
    return DLGC_BUTTON;
}

LRESULT Button::OnGetCheck() const {
    return MaxCheckState(Type()) == BST_UNCHECKED ? BST_UNCHECKED : m_check;
}

LRESULT Button::OnSetCheck(WPARAM wParam) {
    const DWORD type = Type();
    const UINT maximum = MaxCheckState(type);
    if (maximum == BST_UNCHECKED) {
        return 0; // push buttons, group boxes and owner-drawn buttons hold no check
    }
    const UINT check = static_cast<UINT>(wParam) > maximum ? maximum : static_cast<UINT>(wParam);
    if (Kind() == ButtonKind::Radio) {
        // The checked radio button is the one Tab stops at in its group.
        const DWORD style = Style();
        const DWORD wanted = check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (wanted != style) {
            SetWindowLongA(m_hwnd, GWL_STYLE, static_cast<LONG>(wanted));
        }
    }
    if (check != m_check) {
        m_check = check;
        Redraw();
    }
    return 0;
}

LRESULT Button::OnGetState() const {
    return static_cast<LRESULT>(OnGetCheck()) | (m_pushed ? BST_PUSHED : 0) | (m_focused ? BST_FOCUS : 0);
}

LRESULT Button::OnSetState(WPARAM wParam) {
    SetHighlight(wParam != 0);
    return 0;
}

LRESULT Button::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    const DWORD style = Style();
    const DWORD wanted = (style & ~static_cast<DWORD>(BS_TYPEMASK)) | (static_cast<DWORD>(wParam) & BS_TYPEMASK);
    if (wanted != style) {
        SetWindowLongA(m_hwnd, GWL_STYLE, static_cast<LONG>(wanted));
    }
    if (lParam) {
        Redraw();
    }
    return 0;
}

LRESULT Button::OnClick() {
    if (!HandlesInput()) {
        return 0;
    }
    // A click is a press and a release, sent as messages so that a subclass sees them too.
    SendMessageA(m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(m_hwnd, WM_LBUTTONUP, 0, 0);
    return 0;
}

LRESULT Button::OnLButtonDown() {
    if (!HandlesInput()) {
        return 0;
    }
    if (GetFocus() != m_hwnd) {
        SetFocus(m_hwnd);
    }
    // Giving the focus may have run code that disabled or destroyed us: press only if still usable.
    if (IsWindow(m_hwnd) && Enabled()) {
        Press();
    }
    return 0;
}

LRESULT Button::OnLButtonDblClk() {
    if (!HandlesInput()) {
        return 0;
    }
    const DWORD type = Type();
    if (Notifies() || type == BS_RADIOBUTTON || type == BS_OWNERDRAW) {
        NotifyParentCommand(m_hwnd, BN_DOUBLECLICKED);
        return 0;
    }
    // Other buttons take the second click of a double click as an ordinary press.
    return OnLButtonDown();
}

bool Button::Inside(LPARAM lParam) const {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, point) != FALSE;
}

LRESULT Button::OnLButtonUp(LPARAM lParam) {
    if (m_tracking) {
        Release(Inside(lParam));
    }
    return 0;
}

LRESULT Button::OnMouseMove(LPARAM lParam) {
    // While the button is held, the highlight follows the pointer in and out of the button.
    if (m_tracking && GetCapture() == m_hwnd) {
        SetHighlight(Inside(lParam));
    }
    return 0;
}

LRESULT Button::OnCaptureChanged(LPARAM lParam) {
    if (m_tracking && reinterpret_cast<HWND>(lParam) != m_hwnd) {
        CancelPress();
    }
    return 0;
}

LRESULT Button::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    const bool repeated = (lParam & (1L << 30)) != 0;
    if (wParam == VK_SPACE && !repeated && !m_tracking && HandlesInput()) {
        Press();
    }
    return 0;
}

LRESULT Button::OnKeyUp(WPARAM wParam) {
    if (wParam == VK_SPACE && m_tracking) {
        Release(Enabled());
    }
    return 0;
}

LRESULT Button::OnSetFocus() {
    m_focused = true;
    if (Kind() == ButtonKind::OwnerDraw) {
        DrawOwnerNow(ODA_FOCUS);
    } else {
        Redraw();
    }
    if (Notifies()) {
        NotifyParentCommand(m_hwnd, BN_SETFOCUS);
    }
    return 0;
}

LRESULT Button::OnKillFocus() {
    m_focused = false;
    if (m_tracking) {
        CancelPress();
    }
    if (Kind() == ButtonKind::OwnerDraw) {
        DrawOwnerNow(ODA_FOCUS);
    } else {
        Redraw();
    }
    if (Notifies()) {
        NotifyParentCommand(m_hwnd, BN_KILLFOCUS);
    }
    return 0;
}

LRESULT Button::OnEnable() {
    if (!Enabled() && m_tracking) {
        CancelPress();
    }
    Redraw();
    return 0;
}

LRESULT Button::OnSetText(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcA(m_hwnd, WM_SETTEXT, wParam, lParam);
    if (Kind() == ButtonKind::GroupBox) {
        // A group box leaves its inside to the parent; a shorter caption uncovers parent pixels
        // (and the frame line), so the parent repaints that area with everything above it.
        HWND parent = GetParent(m_hwnd);
        RECT rect{};
        GetWindowRect(m_hwnd, &rect);
        if (parent) {
            MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT *>(&rect), 2);
            RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
    }
    Redraw();
    return result;
}

LRESULT Button::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_font = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam)) {
        Redraw();
    }
    return 0;
}

void Button::Press() {
    m_tracking = true;
    SetCapture(m_hwnd);
    SetHighlight(true);
}

void Button::Release(bool click) {
    m_tracking = false; // first, so that losing the capture below is not taken for a cancel
    SetHighlight(false);
    if (GetCapture() == m_hwnd) {
        ReleaseCapture();
    }
    if (click) {
        Clicked();
    }
}

void Button::CancelPress() {
    m_tracking = false;
    if (GetCapture() == m_hwnd) {
        ReleaseCapture();
    }
    SetHighlight(false);
}

void Button::Clicked() {
    const DWORD type = Type();
    const UINT check = CheckAfterClick(type, m_check);
    if (check != m_check) {
        SendMessageA(m_hwnd, BM_SETCHECK, check, 0);
    }
    if (type == BS_AUTORADIOBUTTON) {
        UncheckGroupSiblings(m_hwnd);
    }
    NotifyParentCommand(m_hwnd, BN_CLICKED);
}

void Button::SetHighlight(bool on) {
    if (on == m_pushed) {
        return;
    }
    m_pushed = on;
    if (Kind() == ButtonKind::OwnerDraw) {
        DrawOwnerNow(ODA_SELECT);
    } else {
        Redraw();
    }
}

UINT Button::OwnerDrawState() const {
    return (m_pushed ? ODS_SELECTED : 0) | (m_focused ? ODS_FOCUS : 0) | (Enabled() ? 0 : ODS_DISABLED);
}

void Button::DrawOwner(HDC hdc, const RECT &rect, UINT action) {
    HWND parent = GetParent(m_hwnd);
    if (!parent) {
        return;
    }
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
    item.itemID = 0;
    item.itemAction = action;
    item.itemState = OwnerDrawState();
    item.hwndItem = m_hwnd;
    item.hDC = hdc;
    item.rcItem = rect;
    SendMessageA(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

void Button::DrawOwnerNow(UINT action) {
    // Selection and focus changes reach the owner at once, outside WM_PAINT.
    ControlDc dc(m_hwnd, m_font, DcSource::Window);
    if (dc) {
        DrawOwner(dc.Dc(), dc.Client(), action);
    }
}

void Button::DrawCaption(HDC hdc, const RECT &area, UINT format) const {
    const std::string text = WindowText(m_hwnd);
    if (!text.empty()) {
        DrawControlText(hdc, text, TextRect(hdc, text, area, format), format, Enabled());
    }
}

void Button::PaintPush(HDC hdc, RECT rect, bool sunken) {
    // Push buttons ask the parent (which may set colours) but keep the system face, as documented
    // for WM_CTLCOLORBTN.
    ParentControlBrush(m_hwnd, hdc, WM_CTLCOLORBTN);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    FillSysColor(hdc, rect, COLOR_BTNFACE);
    if (Kind() == ButtonKind::DefaultPush) {
        FrameRect(hdc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&rect, -1, -1);
    }
    RECT face = rect;
    DrawEdge(hdc, &face, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT);
    RECT textArea = rect;
    InflateRect(&textArea, -3, -3);
    if (sunken) {
        OffsetRect(&textArea, 1, 1);
    }
    DrawCaption(hdc, textArea, TextFormat(Style(), DT_CENTER));
    if (m_focused) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(hdc, &focus);
    }
}

void Button::PaintCheckOrRadio(HDC hdc, const RECT &client) {
    HBRUSH brush = ParentControlBrush(m_hwnd, hdc, WM_CTLCOLORSTATIC);
    FillRect(hdc, &client, brush);
    const DWORD style = Style();
    RECT glyph{};
    RECT textArea = client;
    glyph.top = client.top + ((client.bottom - client.top) - kGlyphSize) / 2;
    if (style & BS_LEFTTEXT) {
        glyph.left = client.right - kGlyphSize;
        textArea.right = glyph.left - kGlyphGap;
    } else {
        glyph.left = client.left;
        textArea.left = client.left + kGlyphSize + kGlyphGap;
    }
    glyph.right = glyph.left + kGlyphSize;
    glyph.bottom = glyph.top + kGlyphSize;
    if (Kind() == ButtonKind::Radio) {
        DrawRadioGlyph(hdc, glyph, m_check, m_pushed, Enabled());
    } else {
        DrawCheckGlyph(hdc, glyph, m_check, m_pushed, Enabled());
    }
    const UINT format = TextFormat(style, DT_LEFT);
    DrawCaption(hdc, textArea, format);
    const std::string text = WindowText(m_hwnd);
    if (m_focused && !text.empty()) {
        RECT focus = ControlTextBounds(hdc, text, TextRect(hdc, text, textArea, format), format);
        InflateRect(&focus, 1, 1);
        IntersectRect(&focus, &focus, &client);
        DrawFocusRect(hdc, &focus);
    }
}

void Button::PaintGroupBox(HDC hdc, const RECT &client) {
    HBRUSH brush = ParentControlBrush(m_hwnd, hdc, WM_CTLCOLORSTATIC);
    TEXTMETRICA metrics{};
    GetTextMetricsA(hdc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
    const std::string text = WindowText(m_hwnd);
    if (text.empty()) {
        return;
    }
    // The caption cuts the top line: its own background covers the line behind it.
    const RECT captionArea{client.left + 8, client.top, client.right - 8, client.top + metrics.tmHeight};
    const UINT format = DT_LEFT | DT_SINGLELINE | DT_TOP;
    RECT caption = ControlTextBounds(hdc, text, captionArea, format);
    caption.left -= 2;
    caption.right += 2;
    FillRect(hdc, &caption, brush);
    DrawControlText(hdc, text, captionArea, format, Enabled());
}

LRESULT Button::OnPaint() {
    ControlDc dc(m_hwnd, m_font, DcSource::Paint);
    if (!dc) {
        return 0;
    }
    HDC hdc = dc.Dc();
    switch (Kind()) {
    case ButtonKind::Push:
    case ButtonKind::DefaultPush:
        PaintPush(hdc, dc.Client(), m_pushed);
        break;
    case ButtonKind::CheckBox:
    case ButtonKind::Radio:
        if (PushLike()) {
            PaintPush(hdc, dc.Client(), m_pushed || m_check != BST_UNCHECKED);
        } else {
            PaintCheckOrRadio(hdc, dc.Client());
        }
        break;
    case ButtonKind::GroupBox:
        PaintGroupBox(hdc, dc.Client());
        break;
    case ButtonKind::OwnerDraw:
        FillRect(hdc, &dc.Client(), ParentControlBrush(m_hwnd, hdc, WM_CTLCOLORBTN));
        DrawOwner(hdc, dc.Client(), ODA_DRAWENTIRE);
        break;
    }
    return 0;
}

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    Button *button = AttachControlState<Button>(hwnd);
    if (!button) {
        return FALSE;
    }
    button->m_hwnd = hwnd;
    const LRESULT created = DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
    if (!created) {
        DetachControlState<Button>(hwnd);
    }
    return created;
}

LRESULT CALLBACK ButtonWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        return OnNcCreate(hwnd, wParam, lParam);
    }
    Button *button = GetControlState<Button>(hwnd);
    if (!button) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_NCDESTROY:
        return button->OnNcDestroy(wParam, lParam);
    case WM_PAINT:
        return button->OnPaint();
    case WM_ERASEBKGND:
        return button->OnEraseBkgnd();
    case WM_NCHITTEST:
        return button->OnNcHitTest(wParam, lParam);
    case WM_GETDLGCODE:
        return button->OnGetDlgCode();
    case BM_GETCHECK:
        return button->OnGetCheck();
    case BM_SETCHECK:
        return button->OnSetCheck(wParam);
    case BM_GETSTATE:
        return button->OnGetState();
    case BM_SETSTATE:
        return button->OnSetState(wParam);
    case BM_SETSTYLE:
        return button->OnSetStyle(wParam, lParam);
    case BM_CLICK:
        return button->OnClick();
    case WM_LBUTTONDOWN:
        return button->OnLButtonDown();
    case WM_LBUTTONDBLCLK:
        return button->OnLButtonDblClk();
    case WM_LBUTTONUP:
        return button->OnLButtonUp(lParam);
    case WM_MOUSEMOVE:
        return button->OnMouseMove(lParam);
    case WM_CAPTURECHANGED:
        return button->OnCaptureChanged(lParam);
    case WM_KEYDOWN:
        return button->OnKeyDown(wParam, lParam);
    case WM_KEYUP:
        return button->OnKeyUp(wParam);
    case WM_SETFOCUS:
        return button->OnSetFocus();
    case WM_KILLFOCUS:
        return button->OnKillFocus();
    case WM_ENABLE:
        return button->OnEnable();
    case WM_SETTEXT:
        return button->OnSetText(wParam, lParam);
    case WM_SETFONT:
        return button->OnSetFont(wParam, lParam);
    case WM_GETFONT:
        return button->OnGetFont();
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

WNDCLASSA ButtonClass() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ButtonWndProc;
    wc.cbWndExtra = sizeof(void *);
    wc.lpszClassName = "Button";
    return wc;
}

const SystemClassRegistrar g_buttonClass(ButtonClass());

} // namespace
} // namespace win32::user::controls
