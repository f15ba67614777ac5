// The combo box ("ComboBox"): a selection field over a list ("ComboLBox") that holds the items. The
// field is an "Edit" child (control id 1001) for CBS_SIMPLE and CBS_DROPDOWN, and is painted by the
// combo itself for CBS_DROPDOWNLIST. The list is a popup shown below the field, or a child always
// shown under it for CBS_SIMPLE.
// Not handled yet: CBS_OWNERDRAWVARIABLE (items are measured once, as fixed), CBS_OEMCONVERT,
// CB_DIR (CB_ERR), CBS_DISABLENOSCROLL, selecting the list item that matches text typed into the
// edit, hover tracking in the dropped list, a click outside the dropped list other than through
// the focus leaving the combo.

#include "user/controls/combo_list_link.h"
#include "user/controls/control_base.h"
#include "user/controls/control_paint.h"
#include "user/controls/font_height.h"
#include "user/system_classes.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace win32::user::controls {
namespace {

enum class ComboKind { Simple, DropDown, DropDownList };
enum class CloseReason { Chosen, Cancelled, Programmatic };

constexpr int kEditId = 1001;
constexpr int kListId = 1000;
constexpr int kDefaultItemHeight = 16;
constexpr int kMaxItemHeight = 255;
constexpr int kFieldPadding = 2; // between the sunken edge and the item area, top and bottom together

LRESULT CALLBACK ComboEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

struct ComboBox {
    HWND m_hwnd = nullptr;
    HWND m_edit = nullptr;
    HWND m_list = nullptr;
    WNDPROC m_editProc = nullptr; // the edit's own procedure, behind ComboEditProc
    DWORD m_style = 0;
    ComboKind m_kind = ComboKind::DropDown;
    HFONT m_font = nullptr;
    int m_fieldItemHeight = kDefaultItemHeight;
    int m_droppedHeight = 0; // the list's height when dropped (CBS_SIMPLE: below the field)
    int m_droppedWidth = 0;
    int m_silentEdit = 0; // >0 while the combo itself sets the edit's text
    bool m_dropped = false;
    bool m_focused = false;
    bool m_extendedUI = false;

    bool OwnerDraw() const { return (m_style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }
    bool HasStrings() const { return !OwnerDraw() || (m_style & CBS_HASSTRINGS); }
    LRESULT List(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(m_list, message, wParam, lParam);
    }
    void Notify(WORD code) const { NotifyParentCommand(m_hwnd, code); }
    bool StillAlive(HWND hwnd) const;

    // ---- geometry ----
    int EdgeWidth() const { return GetSystemMetrics(SM_CXEDGE); }
    int FieldHeight() const { return m_fieldItemHeight + 2 * GetSystemMetrics(SM_CYEDGE) + 2 * kFieldPadding; }
    int ButtonWidth() const { return m_kind == ComboKind::Simple ? 0 : GetSystemMetrics(SM_CXVSCROLL); }
    RECT FieldInner() const;
    RECT ButtonRect() const;
    int DroppedWidth() const;
    int DroppedListHeight() const;
    void FitFieldHeight();
    void Layout();

    // ---- the selection field ----
    std::string SelectedText() const;
    void SetEditTextSilently(const std::string &text);
    void ShowSelectionInField();
    std::string CaseConverted(LPCSTR text) const;
    void PaintSelectionField(HDC hdc, const RECT &area, bool enabled);

    // ---- dropping and focus ----
    void OpenDropDown();
    void CloseDropDown(CloseReason reason);
    void ToggleDropDown();
    bool HandleKey(UINT key, bool alt);
    void GotFocus();
    void LostFocus();

    // ---- message handlers ----
    LRESULT OnCreate(const CREATESTRUCTA *create);
    LRESULT OnDestroy();
    LRESULT OnPaint();
    LRESULT OnSetFont(HFONT font, BOOL redraw);
    LRESULT OnGetFont() const { return reinterpret_cast<LRESULT>(m_font); }
    LRESULT OnSize();
    LRESULT OnWindowPosChanging(WINDOWPOS *position);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus(HWND newFocus);
    LRESULT OnEnable(BOOL enabled);
    LRESULT OnGetDlgCode() const;
    LRESULT OnLButtonDown(POINT point);
    LRESULT OnKeyDown(UINT key);
    LRESULT OnSysKeyDown(UINT key, LPARAM lParam);
    LRESULT OnChar(char ch);
    LRESULT OnCommand(WPARAM wParam, HWND from);
    LRESULT OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(LPCSTR text);
    LRESULT OnGetText(WPARAM size, LPSTR buffer) const;
    LRESULT OnGetTextLength() const;

    LRESULT OnAddString(LPARAM value);
    LRESULT OnInsertString(WPARAM index, LPARAM value);
    LRESULT OnDeleteString(WPARAM index);
    LRESULT OnResetContent();
    LRESULT OnSetCurSel(WPARAM index);
    LRESULT OnSelectString(WPARAM start, LPARAM value);
    LRESULT OnGetEditSel(WPARAM start, LPARAM end) const;
    LRESULT OnSetEditSel(LPARAM range);
    LRESULT OnLimitText(WPARAM limit);
    LRESULT OnShowDropDown(BOOL show);
    LRESULT OnGetDroppedState() const { return m_dropped ? TRUE : FALSE; }
    LRESULT OnSetItemHeight(WPARAM index, LPARAM height);
    LRESULT OnGetItemHeight(WPARAM index) const;
    LRESULT OnSetExtendedUI(BOOL extended);
    LRESULT OnGetExtendedUI() const { return m_extendedUI ? TRUE : FALSE; }
    LRESULT OnGetDroppedControlRect(LPARAM rect) const;
    LRESULT OnSetDroppedWidth(WPARAM width);
    LRESULT OnGetDroppedWidth() const { return DroppedWidth(); }
};

POINT PointFromLParam(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Messages a combo box answers by asking its list the matching list-box question.
UINT ListMessageFor(UINT message) {
    switch (message) {
    case CB_GETCOUNT:
        return LB_GETCOUNT;
    case CB_GETCURSEL:
        return LB_GETCURSEL;
    case CB_GETLBTEXT:
        return LB_GETTEXT;
    case CB_GETLBTEXTLEN:
        return LB_GETTEXTLEN;
    case CB_SETITEMDATA:
        return LB_SETITEMDATA;
    case CB_GETITEMDATA:
        return LB_GETITEMDATA;
    case CB_FINDSTRING:
        return LB_FINDSTRING;
    case CB_FINDSTRINGEXACT:
        return LB_FINDSTRINGEXACT;
    case CB_GETTOPINDEX:
        return LB_GETTOPINDEX;
    case CB_SETTOPINDEX:
        return LB_SETTOPINDEX;
    case CB_INITSTORAGE:
        return LB_INITSTORAGE;
    case CB_SETHORIZONTALEXTENT:
        return LB_SETHORIZONTALEXTENT;
    case CB_GETHORIZONTALEXTENT:
        return LB_GETHORIZONTALEXTENT;
    case CB_SETLOCALE:
        return LB_SETLOCALE;
    case CB_GETLOCALE:
        return LB_GETLOCALE;
    default:
        return 0;
    }
}

bool ComboBox::StillAlive(HWND hwnd) const {
    // A parent may destroy the combo while it is being told something.
    return GetControlState<ComboBox>(hwnd) == this;
}

// ---------------------------------------------------------------- geometry

RECT ComboBox::FieldInner() const {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    RECT field{0, 0, client.right, std::min<LONG>(client.bottom, FieldHeight())};
    InflateRect(&field, -EdgeWidth(), -GetSystemMetrics(SM_CYEDGE));
    return field;
}

RECT ComboBox::ButtonRect() const {
    const RECT inner = FieldInner();
    return RECT{inner.right - ButtonWidth(), inner.top, inner.right, inner.bottom};
}

int ComboBox::DroppedWidth() const {
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    return std::max<int>(m_droppedWidth, window.right - window.left);
}

int ComboBox::DroppedListHeight() const {
    // A short list drops only as far as its items go.
    const int itemHeight = std::max<int>(1, static_cast<int>(List(LB_GETITEMHEIGHT)));
    const int count = static_cast<int>(List(LB_GETCOUNT));
    const int border = 2 * GetSystemMetrics(SM_CYBORDER);
    const int content = std::max(1, count) * itemHeight + border;
    return std::max(itemHeight + border, std::min(m_droppedHeight, content));
}

void ComboBox::FitFieldHeight() {
    // The window of a drop-down combo is its selection field; the height it was created or moved
    // with beyond that is the dropped list's (see OnWindowPosChanging).
    if (m_kind == ComboKind::Simple) {
        Layout();
        return;
    }
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    SetWindowPos(m_hwnd, nullptr, 0, 0, window.right - window.left, FieldHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

void ComboBox::Layout() {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const RECT inner = FieldInner();
    if (m_edit) {
        MoveWindow(m_edit, inner.left + 1, inner.top + 1, std::max<LONG>(0, inner.right - inner.left - ButtonWidth() - 2),
                   std::max<LONG>(0, inner.bottom - inner.top - 2), TRUE);
    }
    if (m_kind == ComboKind::Simple && m_list) {
        MoveWindow(m_list, 0, FieldHeight(), client.right, std::max<LONG>(0, client.bottom - FieldHeight()), TRUE);
    }
}

// ---------------------------------------------------------------- the selection field

std::string ComboBox::SelectedText() const {
    const LRESULT selected = List(LB_GETCURSEL);
    if (selected < 0 || !HasStrings()) {
        return {};
    }
    const LRESULT length = List(LB_GETTEXTLEN, static_cast<WPARAM>(selected));
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    List(LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void ComboBox::SetEditTextSilently(const std::string &text) {
    if (!m_edit) {
        return;
    }
    // The edit reports its change back to us; what the combo does itself is no CBN_EDITCHANGE.
    ++m_silentEdit;
    SendMessageA(m_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    --m_silentEdit;
    if (m_focused) {
        SendMessageA(m_edit, EM_SETSEL, 0, -1);
    }
}

void ComboBox::ShowSelectionInField() {
    if (m_edit) {
        SetEditTextSilently(SelectedText());
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

std::string ComboBox::CaseConverted(LPCSTR text) const {
    std::string converted = text ? text : "";
    if (m_style & CBS_UPPERCASE) {
        CharUpperBuffA(converted.data(), static_cast<DWORD>(converted.size()));
    } else if (m_style & CBS_LOWERCASE) {
        CharLowerBuffA(converted.data(), static_cast<DWORD>(converted.size()));
    }
    return converted;
}

void ComboBox::PaintSelectionField(HDC hdc, const RECT &area, bool enabled) {
    // The field of a drop-down list shows the selected item, highlighted while the combo has the
    // focus and the list is closed.
    const bool highlighted = m_focused && !m_dropped;
    const LRESULT selected = List(LB_GETCURSEL);
    if (OwnerDraw()) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_COMBOBOX;
        draw.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
        draw.itemID = static_cast<UINT>(selected);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = ODS_COMBOBOXEDIT | (highlighted ? ODS_SELECTED | ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
        draw.hwndItem = m_hwnd;
        draw.hDC = hdc;
        draw.rcItem = area;
        draw.itemData = selected >= 0 ? static_cast<ULONG_PTR>(List(LB_GETITEMDATA, static_cast<WPARAM>(selected))) : 0;
        SendDrawItem(GetParent(m_hwnd), draw);
        return;
    }
    PaintItemRow(hdc, area, SelectedText(), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, highlighted, enabled,
                 highlighted);
}

// ---------------------------------------------------------------- dropping and focus

void ComboBox::OpenDropDown() {
    if (m_kind == ComboKind::Simple || m_dropped || !m_list) {
        return;
    }
    const HWND hwnd = m_hwnd;
    Notify(CBN_DROPDOWN); // the parent may still fill the list now
    if (!StillAlive(hwnd) || m_dropped) {
        return;
    }
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    m_dropped = true;
    SetWindowPos(m_list, HWND_TOP, window.left, window.bottom, DroppedWidth(), DroppedListHeight(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const LRESULT selected = List(LB_GETCURSEL);
    if (selected >= 0) {
        List(LB_SETCARETINDEX, static_cast<WPARAM>(selected), FALSE);
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void ComboBox::CloseDropDown(CloseReason reason) {
    if (!m_dropped) {
        return;
    }
    m_dropped = false;
    ShowWindow(m_list, SW_HIDE);
    InvalidateRect(m_hwnd, nullptr, TRUE);
    const HWND hwnd = m_hwnd;
    if (reason == CloseReason::Chosen) {
        Notify(CBN_SELENDOK);
    } else if (reason == CloseReason::Cancelled) {
        Notify(CBN_SELENDCANCEL);
    }
    if (StillAlive(hwnd)) {
        Notify(CBN_CLOSEUP);
    }
}

void ComboBox::ToggleDropDown() {
    if (m_dropped) {
        CloseDropDown(CloseReason::Chosen);
    } else {
        OpenDropDown();
    }
}

// The keys of the combo, whether the combo or its edit has the focus; false leaves the key to the
// edit (or to nobody for a drop-down list).
bool ComboBox::HandleKey(UINT key, bool alt) {
    if (!IsWindowEnabled(m_hwnd)) {
        return false;
    }
    const bool arrows = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
    if (m_kind == ComboKind::Simple) {
        if (arrows) {
            List(WM_KEYDOWN, key);
            return true;
        }
        return false;
    }
    if ((key == VK_F4 && !alt) || (alt && (key == VK_UP || key == VK_DOWN))) {
        ToggleDropDown();
        return true;
    }
    if (m_dropped && key == VK_RETURN) {
        CloseDropDown(CloseReason::Chosen);
        return true;
    }
    if (m_dropped && key == VK_ESCAPE) {
        CloseDropDown(CloseReason::Cancelled);
        return true;
    }
    // Home, End, Left and Right belong to an edit; a drop-down list moves its selection with them.
    const bool listKeys = !m_edit && (key == VK_HOME || key == VK_END || key == VK_LEFT || key == VK_RIGHT);
    if (!arrows && !listKeys) {
        return false;
    }
    if (!m_dropped && m_extendedUI && key == VK_DOWN) {
        OpenDropDown();
        return true;
    }
    List(WM_KEYDOWN, key);
    return true;
}

void ComboBox::GotFocus() {
    if (m_focused) {
        return;
    }
    m_focused = true;
    if (m_edit) {
        SendMessageA(m_edit, EM_SETSEL, 0, -1);
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
    Notify(CBN_SETFOCUS);
}

void ComboBox::LostFocus() {
    const HWND hwnd = m_hwnd;
    CloseDropDown(CloseReason::Cancelled);
    if (!StillAlive(hwnd) || !m_focused) {
        return;
    }
    m_focused = false;
    InvalidateRect(m_hwnd, nullptr, TRUE);
    Notify(CBN_KILLFOCUS);
}

// ---------------------------------------------------------------- window messages

LRESULT ComboBox::OnCreate(const CREATESTRUCTA *create) {
    m_style = static_cast<DWORD>(create->style);
    switch (m_style & 0x3) {
    case CBS_SIMPLE:
        m_kind = ComboKind::Simple;
        break;
    case CBS_DROPDOWNLIST:
        m_kind = ComboKind::DropDownList;
        break;
    default:
        m_kind = ComboKind::DropDown;
        break;
    }
    m_fieldItemHeight = std::min(FontLineHeight(m_hwnd, m_font, kDefaultItemHeight), kMaxItemHeight);
    if (OwnerDraw()) {
        // Item -1 is the selection field; the list asks for its items itself.
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_COMBOBOX;
        measure.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
        measure.itemID = static_cast<UINT>(-1);
        measure.itemWidth = static_cast<UINT>(std::max(0, create->cx));
        measure.itemHeight = static_cast<UINT>(m_fieldItemHeight);
        SendMessageA(GetParent(m_hwnd), WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
        if (measure.itemHeight > 0 && measure.itemHeight <= static_cast<UINT>(kMaxItemHeight)) {
            m_fieldItemHeight = static_cast<int>(measure.itemHeight);
        }
    }
    m_droppedHeight = std::max(0, create->cy - FieldHeight());

    DWORD listStyle = WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    listStyle |= (m_style & CBS_SORT) ? LBS_SORT : 0;
    listStyle |= (m_style & CBS_HASSTRINGS) ? LBS_HASSTRINGS : 0;
    listStyle |= (m_style & CBS_OWNERDRAWFIXED) ? LBS_OWNERDRAWFIXED : 0;
    listStyle |= (m_style & CBS_OWNERDRAWVARIABLE) ? LBS_OWNERDRAWVARIABLE : 0;
    const bool simple = m_kind == ComboKind::Simple;
    listStyle |= simple ? WS_CHILD | WS_VISIBLE : WS_POPUP;
    m_list = CreateWindowExA(simple ? 0 : WS_EX_TOOLWINDOW, kComboListClassName, nullptr, listStyle, 0,
                             FieldHeight(), std::max(0, create->cx), std::max(0, m_droppedHeight), m_hwnd,
                             simple ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListId)) : nullptr,
                             create->hInstance, m_hwnd);
    if (!m_list) {
        return -1;
    }

    if (m_kind != ComboKind::DropDownList) {
        DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_LEFT;
        editStyle |= (m_style & CBS_AUTOHSCROLL) ? ES_AUTOHSCROLL : 0;
        editStyle |= (m_style & CBS_UPPERCASE) ? ES_UPPERCASE : 0;
        editStyle |= (m_style & CBS_LOWERCASE) ? ES_LOWERCASE : 0;
        m_edit = CreateWindowExA(0, "Edit", "", editStyle, 0, 0, 0, 0, m_hwnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditId)), create->hInstance, nullptr);
        if (m_edit) {
            // The combo sees the edit's keys and focus first (arrows, F4, Enter and Escape while
            // dropped), as it would see its own.
            m_editProc = reinterpret_cast<WNDPROC>(static_cast<LONG_PTR>(SetWindowLongA(
                m_edit, GWL_WNDPROC, static_cast<LONG>(reinterpret_cast<LONG_PTR>(&ComboEditProc)))));
            if (create->lpszName && *create->lpszName) {
                SetEditTextSilently(create->lpszName);
            }
        }
    }
    FitFieldHeight();
    return 0;
}

LRESULT ComboBox::OnDestroy() {
    if (m_kind != ComboKind::Simple && m_list && IsWindow(m_list)) {
        DestroyWindow(m_list);
    }
    m_list = nullptr;
    return 0;
}

LRESULT ComboBox::OnPaint() {
    ControlDc dc(m_hwnd, m_font, DcSource::Paint);
    if (!dc) {
        return 0;
    }
    HDC hdc = dc.Dc();
    const bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    RECT field{0, 0, dc.Client().right, std::min<LONG>(dc.Client().bottom, FieldHeight())};
    DrawEdge(hdc, &field, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    HBRUSH background = ParentControlBrush(m_hwnd, hdc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    FillRect(hdc, &field, background);
    if (m_kind != ComboKind::Simple) {
        RECT button = ButtonRect();
        DrawFrameControl(hdc, &button, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (m_dropped ? DFCS_PUSHED : 0) | (enabled ? 0 : DFCS_INACTIVE));
    }
    if (m_kind == ComboKind::DropDownList) {
        RECT area = field;
        area.right -= ButtonWidth();
        InflateRect(&area, -1, -1);
        PaintSelectionField(hdc, area, enabled);
    }
    return 0;
}

LRESULT ComboBox::OnSetFont(HFONT font, BOOL redraw) {
    m_font = font;
    if (m_edit) {
        SendMessageA(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    List(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!OwnerDraw()) {
        m_fieldItemHeight = std::min(FontLineHeight(m_hwnd, m_font, kDefaultItemHeight), kMaxItemHeight);
        FitFieldHeight();
    }
    if (redraw) {
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }
    return 0;
}

LRESULT ComboBox::OnSize() {
    Layout();
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT ComboBox::OnWindowPosChanging(WINDOWPOS *position) {
    if (!position || m_kind == ComboKind::Simple || (position->flags & SWP_NOSIZE)) {
        return 0;
    }
    if (position->cy != FieldHeight()) {
        if (position->cy > FieldHeight()) {
            m_droppedHeight = position->cy - FieldHeight();
        }
        position->cy = FieldHeight();
    }
    return 0;
}

LRESULT ComboBox::OnSetFocus() {
    if (m_edit) {
        SetFocus(m_edit); // the edit's WM_SETFOCUS tells the parent
    } else {
        GotFocus();
    }
    return 0;
}

LRESULT ComboBox::OnKillFocus(HWND newFocus) {
    if (newFocus && (newFocus == m_edit || newFocus == m_list)) {
        return 0;
    }
    LostFocus();
    return 0;
}

LRESULT ComboBox::OnEnable(BOOL enabled) {
    if (m_edit) {
        EnableWindow(m_edit, enabled);
    }
    if (!enabled) {
        CloseDropDown(CloseReason::Cancelled);
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT ComboBox::OnGetDlgCode() const {
    // While the list is dropped Enter and Escape close it rather than the dialog.
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (m_dropped ? DLGC_WANTALLKEYS : 0);
}

LRESULT ComboBox::OnLButtonDown(POINT point) {
    if (!IsWindowEnabled(m_hwnd)) {
        return 0;
    }
    HWND focus = GetFocus();
    if (focus != m_hwnd && (!m_edit || focus != m_edit)) {
        SetFocus(m_hwnd);
    }
    const RECT button = ButtonRect();
    if (m_kind == ComboKind::DropDownList || (m_kind == ComboKind::DropDown && PtInRect(&button, point))) {
        ToggleDropDown();
    }
    return 0;
}

LRESULT ComboBox::OnKeyDown(UINT key) {
    HandleKey(key, false);
    return 0;
}

LRESULT ComboBox::OnSysKeyDown(UINT key, LPARAM lParam) {
    if ((key == VK_UP || key == VK_DOWN) && HandleKey(key, true)) {
        return 0;
    }
    return DefWindowProcA(m_hwnd, WM_SYSKEYDOWN, key, lParam);
}

LRESULT ComboBox::OnChar(char ch) {
    // A letter typed into a drop-down list selects the next item starting with it.
    if (IsWindowEnabled(m_hwnd) && static_cast<unsigned char>(ch) >= 0x20) {
        List(WM_CHAR, static_cast<unsigned char>(ch));
    }
    return 0;
}

LRESULT ComboBox::OnCommand(WPARAM wParam, HWND from) {
    const WORD code = HIWORD(wParam);
    if (from && from == m_edit) {
        if (code == EN_CHANGE && m_silentEdit == 0) {
            Notify(CBN_EDITCHANGE);
        } else if (code == EN_UPDATE && m_silentEdit == 0) {
            Notify(CBN_EDITUPDATE);
        } else if (code == EN_ERRSPACE) {
            Notify(static_cast<WORD>(CBN_ERRSPACE));
        }
        return 0;
    }
    if (!from || from != m_list) {
        return 0;
    }
    switch (code) {
    case LBN_SELCHANGE:
        ShowSelectionInField();
        Notify(CBN_SELCHANGE);
        break;
    case LBN_DBLCLK:
        if (m_kind == ComboKind::Simple) {
            Notify(CBN_DBLCLK);
        }
        break;
    case static_cast<WORD>(LBN_ERRSPACE):
        Notify(static_cast<WORD>(CBN_ERRSPACE));
        break;
    case kComboListChosen:
        CloseDropDown(CloseReason::Chosen);
        break;
    case LBN_SELCANCEL:
        CloseDropDown(CloseReason::Cancelled);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT ComboBox::OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam) {
    // The edit and the list ask the combo for their colours; the combo's parent decides.
    HWND parent = GetParent(m_hwnd);
    return parent ? SendMessageA(parent, message, wParam, lParam) : DefWindowProcA(m_hwnd, message, wParam, lParam);
}

LRESULT ComboBox::OnSetText(LPCSTR text) {
    const std::string value = text ? text : "";
    if (m_edit) {
        SetEditTextSilently(value);
        return TRUE;
    }
    // A drop-down list can show only one of its items: the one with exactly that text.
    const LRESULT found = List(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str()));
    if (found < 0) {
        return CB_ERR;
    }
    List(LB_SETCURSEL, static_cast<WPARAM>(found));
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT ComboBox::OnGetText(WPARAM size, LPSTR buffer) const {
    if (m_edit) {
        return SendMessageA(m_edit, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer));
    }
    if (!buffer || size == 0) {
        return 0;
    }
    const std::string text = SelectedText();
    const size_t copied = std::min<size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<LRESULT>(copied);
}

LRESULT ComboBox::OnGetTextLength() const {
    return m_edit ? SendMessageA(m_edit, WM_GETTEXTLENGTH, 0, 0) : static_cast<LRESULT>(SelectedText().size());
}

// ---------------------------------------------------------------- CB_* messages

LRESULT ComboBox::OnAddString(LPARAM value) {
    if (!HasStrings()) {
        return List(LB_ADDSTRING, 0, value);
    }
    const std::string text = CaseConverted(reinterpret_cast<LPCSTR>(value));
    return List(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT ComboBox::OnInsertString(WPARAM index, LPARAM value) {
    if (!HasStrings()) {
        return List(LB_INSERTSTRING, index, value);
    }
    const std::string text = CaseConverted(reinterpret_cast<LPCSTR>(value));
    return List(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT ComboBox::OnDeleteString(WPARAM index) {
    const LRESULT result = List(LB_DELETESTRING, index);
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return result;
}

LRESULT ComboBox::OnResetContent() {
    List(LB_RESETCONTENT);
    SetEditTextSilently("");
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return CB_OKAY;
}

LRESULT ComboBox::OnSetCurSel(WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    if (index != -1 && (index < 0 || index >= List(LB_GETCOUNT))) {
        return CB_ERR;
    }
    const LRESULT result = List(LB_SETCURSEL, wParam);
    ShowSelectionInField();
    return index == -1 ? CB_ERR : result; // clearing the selection answers CB_ERR, as documented
}

LRESULT ComboBox::OnSelectString(WPARAM start, LPARAM value) {
    const LRESULT found = List(LB_SELECTSTRING, start, value);
    if (found >= 0) {
        ShowSelectionInField();
    }
    return found;
}

LRESULT ComboBox::OnGetEditSel(WPARAM start, LPARAM end) const {
    return m_edit ? SendMessageA(m_edit, EM_GETSEL, start, end) : CB_ERR;
}

LRESULT ComboBox::OnSetEditSel(LPARAM range) {
    if (!m_edit) {
        return CB_ERR;
    }
    // Both halves are signed, as EM_SETSEL takes them: a start of -1 removes the selection and an end
    // of -1 selects to the end of the text.
    const int start = static_cast<short>(LOWORD(range));
    const int end = static_cast<short>(HIWORD(range));
    SendMessageA(m_edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    return TRUE;
}

LRESULT ComboBox::OnLimitText(WPARAM limit) {
    if (m_edit) {
        SendMessageA(m_edit, EM_LIMITTEXT, limit, 0);
    }
    return TRUE;
}

LRESULT ComboBox::OnShowDropDown(BOOL show) {
    if (show) {
        OpenDropDown();
    } else {
        CloseDropDown(CloseReason::Programmatic);
    }
    return TRUE;
}

LRESULT ComboBox::OnSetItemHeight(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    const int height = static_cast<int>(lParam);
    if (height <= 0 || height > kMaxItemHeight) {
        return CB_ERR;
    }
    if (index != -1) {
        return List(LB_SETITEMHEIGHT, wParam, height);
    }
    m_fieldItemHeight = height;
    FitFieldHeight();
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return CB_OKAY;
}

LRESULT ComboBox::OnGetItemHeight(WPARAM wParam) const {
    return static_cast<int>(wParam) == -1 ? m_fieldItemHeight : List(LB_GETITEMHEIGHT, wParam);
}

LRESULT ComboBox::OnSetExtendedUI(BOOL extended) {
    m_extendedUI = extended != FALSE;
    return CB_OKAY;
}

LRESULT ComboBox::OnGetDroppedControlRect(LPARAM lParam) const {
    if (!lParam) {
        return CB_ERR;
    }
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    auto *rect = reinterpret_cast<RECT *>(lParam);
    rect->left = window.left;
    rect->top = window.top;
    rect->right = window.left + DroppedWidth();
    rect->bottom = window.top + FieldHeight() + m_droppedHeight;
    return TRUE;
}

LRESULT ComboBox::OnSetDroppedWidth(WPARAM width) {
    m_droppedWidth = static_cast<int>(width);
    return DroppedWidth();
}

// ---------------------------------------------------------------- window procedures

LRESULT CALLBACK ComboEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND comboWindow = GetParent(hwnd);
    ComboBox *combo = comboWindow ? GetControlState<ComboBox>(comboWindow) : nullptr;
    if (!combo || combo->m_edit != hwnd || !combo->m_editProc) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    const WNDPROC editProc = combo->m_editProc;
    switch (message) {
    case WM_KEYDOWN:
        if (combo->HandleKey(static_cast<UINT>(wParam), false)) {
            return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        if ((wParam == VK_UP || wParam == VK_DOWN) && combo->HandleKey(static_cast<UINT>(wParam), true)) {
            return 0;
        }
        break;
    case WM_CHAR:
        if (combo->m_dropped && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        return CallWindowProcA(editProc, hwnd, message, wParam, lParam) | combo->OnGetDlgCode();
    case WM_SETFOCUS: {
        const LRESULT result = CallWindowProcA(editProc, hwnd, message, wParam, lParam);
        combo->GotFocus();
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = CallWindowProcA(editProc, hwnd, message, wParam, lParam);
        const HWND newFocus = reinterpret_cast<HWND>(wParam);
        if (!newFocus || (newFocus != comboWindow && newFocus != combo->m_list)) {
            combo->LostFocus();
        }
        return result;
    }
    default:
        break;
    }
    return CallWindowProcA(editProc, hwnd, message, wParam, lParam);
}

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    ComboBox *state = AttachControlState<ComboBox>(hwnd);
    if (!state) {
        return FALSE;
    }
    state->m_hwnd = hwnd;
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        return OnNcCreate(hwnd, wParam, lParam);
    }
    ComboBox *combo = GetControlState<ComboBox>(hwnd);
    if (!combo) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (const UINT listMessage = ListMessageFor(message)) {
        return combo->List(listMessage, wParam, lParam);
    }
    switch (message) {
    case WM_NCDESTROY:
        DetachControlState<ComboBox>(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_CREATE:
        return combo->OnCreate(reinterpret_cast<const CREATESTRUCTA *>(lParam));
    case WM_DESTROY:
        return combo->OnDestroy();
    case WM_PAINT:
        return combo->OnPaint();
    case WM_ERASEBKGND:
        return TRUE; // WM_PAINT paints everything
    case WM_SETFONT:
        return combo->OnSetFont(reinterpret_cast<HFONT>(wParam), static_cast<BOOL>(lParam));
    case WM_GETFONT:
        return combo->OnGetFont();
    case WM_SIZE:
        return combo->OnSize();
    case WM_WINDOWPOSCHANGING:
        return combo->OnWindowPosChanging(reinterpret_cast<WINDOWPOS *>(lParam));
    case WM_SETFOCUS:
        return combo->OnSetFocus();
    case WM_KILLFOCUS:
        return combo->OnKillFocus(reinterpret_cast<HWND>(wParam));
    case WM_ENABLE:
        return combo->OnEnable(static_cast<BOOL>(wParam));
    case WM_GETDLGCODE:
        return combo->OnGetDlgCode();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return combo->OnLButtonDown(PointFromLParam(lParam));
    case WM_KEYDOWN:
        return combo->OnKeyDown(static_cast<UINT>(wParam));
    case WM_SYSKEYDOWN:
        return combo->OnSysKeyDown(static_cast<UINT>(wParam), lParam);
    case WM_CHAR:
        return combo->OnChar(static_cast<char>(wParam));
    case WM_COMMAND:
        return combo->OnCommand(wParam, reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        return combo->OnCtlColor(message, wParam, lParam);
    case WM_SETTEXT:
        return combo->OnSetText(reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT:
        return combo->OnGetText(wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH:
        return combo->OnGetTextLength();

    case CB_ADDSTRING:
        return combo->OnAddString(lParam);
    case CB_INSERTSTRING:
        return combo->OnInsertString(wParam, lParam);
    case CB_DELETESTRING:
        return combo->OnDeleteString(wParam);
    case CB_RESETCONTENT:
        return combo->OnResetContent();
    case CB_SETCURSEL:
        return combo->OnSetCurSel(wParam);
    case CB_SELECTSTRING:
        return combo->OnSelectString(wParam, lParam);
    case CB_GETEDITSEL:
        return combo->OnGetEditSel(wParam, lParam);
    case CB_SETEDITSEL:
        return combo->OnSetEditSel(lParam);
    case CB_LIMITTEXT:
        return combo->OnLimitText(wParam);
    case CB_SHOWDROPDOWN:
        return combo->OnShowDropDown(static_cast<BOOL>(wParam));
    case CB_GETDROPPEDSTATE:
        return combo->OnGetDroppedState();
    case CB_SETITEMHEIGHT:
        return combo->OnSetItemHeight(wParam, lParam);
    case CB_GETITEMHEIGHT:
        return combo->OnGetItemHeight(wParam);
    case CB_SETEXTENDEDUI:
        return combo->OnSetExtendedUI(static_cast<BOOL>(wParam));
    case CB_GETEXTENDEDUI:
        return combo->OnGetExtendedUI();
    case CB_GETDROPPEDCONTROLRECT:
        return combo->OnGetDroppedControlRect(lParam);
    case CB_SETDROPPEDWIDTH:
        return combo->OnSetDroppedWidth(wParam);
    case CB_GETDROPPEDWIDTH:
        return combo->OnGetDroppedWidth();
    case CB_DIR:
        return CB_ERR;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

WNDCLASSA ComboClass() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ComboBoxProc;
    wc.cbWndExtra = sizeof(void *);
    wc.lpszClassName = "ComboBox";
    return wc;
}

const SystemClassRegistrar s_comboBoxClass(ComboClass());

} // namespace
} // namespace win32::user::controls
