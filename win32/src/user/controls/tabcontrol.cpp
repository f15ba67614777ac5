// The "SysTabControl32" common control: a single line of classic raised tabs along the top of a
// raised body, text labels with item data, selection by click or Left/Right arrows with the
// TCN_SELCHANGING veto and TCN_SELCHANGE, and the geometry queries a property sheet needs.
// Not handled yet: TCS_MULTILINE (always one row), TCS_BOTTOM/TCS_VERTICAL, TCS_BUTTONS drawn as
// buttons, scroll arrows when the tabs do not fit, image lists, tooltips, TCS_OWNERDRAWFIXED,
// TCM_SETITEMEXTRA, TCM_DESELECTALL, TCM_SETPADDING, hot tracking.
#include "user/controls/control_base.h"
#include "user/controls/control_paint.h"
#include "user/system_classes.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace win32::user::controls {
namespace {

constexpr int kRowTop = 2;      // room above the row for the selected tab, which stands 2 px taller
constexpr int kRowLeft = 2;     // and 2 px wider on each side
constexpr int kLabelPadX = 6;   // between a label and its tab's sides
constexpr int kLabelPadY = 3;   // between a label and its tab's top and bottom
constexpr int kBodyMargin = 4;  // the body's 2-px raised edge and 2 px of air around the display area
constexpr int kSelectedLift = 2;

struct TabItem {
    std::string text;
    LPARAM param = 0;
    int image = -1;
    DWORD state = 0;
};

// Where everything is, in client coordinates. Item rectangles are the unselected geometry; the
// selected tab is drawn (and hit) 2 px larger.
struct TabLayout {
    std::vector<RECT> items;
    int bodyTop = 0;
};

RECT Enlarged(RECT rect) {
    rect.left -= kSelectedLift;
    rect.top -= kSelectedLift;
    rect.right += kSelectedLift;
    rect.bottom += 1; // covers the body's top edge, joining the tab to the body
    return rect;
}

struct TabControl {
    HWND m_hwnd = nullptr;
    HFONT m_font = nullptr;
    std::vector<TabItem> m_items;
    int m_selected = -1;
    int m_focusItem = -1;
    int m_fixedWidth = 0;  // TCM_SETITEMSIZE; 0 = from the label
    int m_fixedHeight = 0; // TCM_SETITEMSIZE; 0 = from the font
    int m_minWidth = -1;   // TCM_SETMINTABWIDTH; -1 = the default
    bool m_hasFocus = false;

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    DWORD Style() const { return WindowStyle(m_hwnd); }
    bool Enabled() const { return IsWindowEnabled(m_hwnd) != FALSE; }
    int FocusItem() const { return Valid(m_focusItem) ? m_focusItem : m_selected; }
    void Redraw() const { InvalidateRect(m_hwnd, nullptr, FALSE); }

    // Message handlers.
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint();
    LRESULT OnEraseBkgnd() { return 1; }
    LRESULT OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    LRESULT OnInsertItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetItem(WPARAM wParam, LPARAM lParam) const;
    LRESULT OnSetItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteItem(WPARAM wParam);
    LRESULT OnDeleteAllItems();
    LRESULT OnGetItemCount() const { return Count(); }
    LRESULT OnGetCurSel() const { return m_selected; }
    LRESULT OnSetCurSel(WPARAM wParam);
    LRESULT OnGetCurFocus() const { return FocusItem(); }
    LRESULT OnSetCurFocus(WPARAM wParam);
    LRESULT OnGetItemRect(WPARAM wParam, LPARAM lParam) const;
    LRESULT OnAdjustRect(WPARAM wParam, LPARAM lParam) const;
    LRESULT OnHitTest(LPARAM lParam) const;
    LRESULT OnSetItemSize(LPARAM lParam);
    LRESULT OnGetRowCount() const { return 1; }
    LRESULT OnSetMinTabWidth(LPARAM lParam);
    LRESULT OnLButtonDown(LPARAM lParam);
    LRESULT OnLButtonUp();
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont() const { return reinterpret_cast<LRESULT>(m_font); }

    TabLayout Layout() const;
    int HitTest(POINT point) const;
    void SelectByUser(int index);
    void PaintTab(HDC hdc, const RECT &rect, int index, bool selected) const;
};

void ApplyItem(TabItem &item, const TCITEMA &source) {
    if (source.mask & TCIF_TEXT) {
        item.text = source.pszText ? source.pszText : "";
    }
    if (source.mask & TCIF_PARAM) {
        item.param = source.lParam;
    }
    if (source.mask & TCIF_IMAGE) {
        item.image = source.iImage;
    }
    if (source.mask & TCIF_STATE) {
        item.state = (item.state & ~source.dwStateMask) | (source.dwState & source.dwStateMask);
    }
}

TabLayout TabControl::Layout() const {
    TabLayout layout;
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = hdc ? SelectObject(hdc, ControlFont(m_font)) : nullptr;
    TEXTMETRICA metrics{};
    if (hdc) {
        GetTextMetricsA(hdc, &metrics);
    }
    const int height = m_fixedHeight > 0 ? m_fixedHeight : static_cast<int>(metrics.tmHeight) + 2 * kLabelPadY;
    const bool fixedWidth = (Style() & TCS_FIXEDWIDTH) && m_fixedWidth > 0;
    const int minWidth = m_minWidth >= 0 ? m_minWidth : 2 * kLabelPadX + static_cast<int>(metrics.tmAveCharWidth);
    int x = kRowLeft;
    for (const TabItem &item : m_items) {
        int width = m_fixedWidth;
        if (!fixedWidth) {
            RECT label{0, 0, 0, 0};
            if (hdc && !item.text.empty()) {
                DrawTextA(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &label,
                          DT_CALCRECT | DT_SINGLELINE);
            }
            width = std::max(static_cast<int>(label.right - label.left) + 2 * kLabelPadX, minWidth);
        }
        layout.items.push_back(RECT{x, kRowTop, x + width, kRowTop + height});
        x += width;
    }
    layout.bodyTop = kRowTop + height;
    if (hdc) {
        SelectObject(hdc, oldFont);
        DeleteDC(hdc);
    }
    return layout;
}

int TabControl::HitTest(POINT point) const {
    const TabLayout layout = Layout();
    // The selected tab stands over its neighbours' edges, so it is hit first.
    if (Valid(m_selected)) {
        const RECT selected = Enlarged(layout.items[static_cast<size_t>(m_selected)]);
        if (PtInRect(&selected, point)) {
            return m_selected;
        }
    }
    for (int index = 0; index < Count(); ++index) {
        if (PtInRect(&layout.items[static_cast<size_t>(index)], point)) {
            return index;
        }
    }
    return -1;
}

void TabControl::SelectByUser(int index) {
    if (!Valid(index) || index == m_selected) {
        return;
    }
    HWND hwnd = m_hwnd;
    const bool vetoed = NotifyParent(hwnd, TCN_SELCHANGING) != 0;
    // The parent may have destroyed us or changed the items while it was asked.
    if (vetoed || GetControlState<TabControl>(hwnd) != this || !Valid(index)) {
        return;
    }
    m_selected = index;
    m_focusItem = index;
    Redraw();
    NotifyParent(hwnd, TCN_SELCHANGE);
}

LRESULT TabControl::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    HWND hwnd = m_hwnd;
    DetachControlState<TabControl>(hwnd); // `this` is gone from here on
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT TabControl::OnInsertItem(WPARAM wParam, LPARAM lParam) {
    const auto *source = reinterpret_cast<const TCITEMA *>(lParam);
    const int requested = static_cast<int>(wParam);
    if (!source || requested < 0) {
        return -1;
    }
    const int index = std::min(requested, Count());
    TabItem item;
    ApplyItem(item, *source);
    m_items.insert(m_items.begin() + index, std::move(item));
    if (m_selected >= index) {
        ++m_selected;
    } else if (m_selected < 0 && Count() == 1) {
        m_selected = 0; // the first tab starts out selected
    }
    if (m_focusItem >= index) {
        ++m_focusItem;
    }
    Redraw();
    return index;
}

LRESULT TabControl::OnGetItem(WPARAM wParam, LPARAM lParam) const {
    auto *target = reinterpret_cast<TCITEMA *>(lParam);
    const int index = static_cast<int>(wParam);
    if (!target || !Valid(index)) {
        return FALSE;
    }
    const TabItem &item = m_items[static_cast<size_t>(index)];
    if ((target->mask & TCIF_TEXT) && target->pszText && target->cchTextMax > 0) {
        const size_t length = std::min(item.text.size(), static_cast<size_t>(target->cchTextMax - 1));
        std::memcpy(target->pszText, item.text.data(), length);
        target->pszText[length] = '\0';
    }
    if (target->mask & TCIF_PARAM) {
        target->lParam = item.param;
    }
    if (target->mask & TCIF_IMAGE) {
        target->iImage = item.image;
    }
    if (target->mask & TCIF_STATE) {
        target->dwState = item.state & target->dwStateMask;
    }
    return TRUE;
}

LRESULT TabControl::OnSetItem(WPARAM wParam, LPARAM lParam) {
    const auto *source = reinterpret_cast<const TCITEMA *>(lParam);
    const int index = static_cast<int>(wParam);
    if (!source || !Valid(index)) {
        return FALSE;
    }
    ApplyItem(m_items[static_cast<size_t>(index)], *source);
    Redraw();
    return TRUE;
}

// Keeps an index into the items pointing at the same item after `removed` is deleted; -1 when it
// was that item.
int IndexAfterRemoval(int current, int removed) {
    if (current == removed) {
        return -1;
    }
    return current > removed ? current - 1 : current;
}

LRESULT TabControl::OnDeleteItem(WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) {
        return FALSE;
    }
    m_items.erase(m_items.begin() + index);
    m_selected = IndexAfterRemoval(m_selected, index);
    m_focusItem = IndexAfterRemoval(m_focusItem, index);
    Redraw();
    return TRUE;
}

LRESULT TabControl::OnDeleteAllItems() {
    m_items.clear();
    m_selected = -1;
    m_focusItem = -1;
    Redraw();
    return TRUE;
}

LRESULT TabControl::OnSetCurSel(WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) {
        return -1;
    }
    // A program's own selection change: nobody is notified.
    const int previous = m_selected;
    m_selected = index;
    m_focusItem = index;
    if (previous != index) {
        Redraw();
    }
    return previous;
}

LRESULT TabControl::OnSetCurFocus(WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) {
        return 0;
    }
    if (Style() & TCS_BUTTONS) {
        m_focusItem = index;
        Redraw();
    } else {
        // Without buttons the focused tab is the selected one, so moving the focus selects, with
        // the notifications a user's choice sends.
        SelectByUser(index);
    }
    return 0;
}

LRESULT TabControl::OnGetItemRect(WPARAM wParam, LPARAM lParam) const {
    auto *rect = reinterpret_cast<RECT *>(lParam);
    const int index = static_cast<int>(wParam);
    if (!rect || !Valid(index)) {
        return FALSE;
    }
    *rect = Layout().items[static_cast<size_t>(index)];
    return TRUE;
}

LRESULT TabControl::OnAdjustRect(WPARAM wParam, LPARAM lParam) const {
    auto *rect = reinterpret_cast<RECT *>(lParam);
    if (!rect) {
        return 0;
    }
    const int top = Layout().bodyTop + kBodyMargin;
    const int direction = wParam ? -1 : 1; // TRUE: from a display area to the window's rectangle
    rect->left += direction * kBodyMargin;
    rect->top += direction * top;
    rect->right -= direction * kBodyMargin;
    rect->bottom -= direction * kBodyMargin;
    return 0;
}

LRESULT TabControl::OnHitTest(LPARAM lParam) const {
    auto *info = reinterpret_cast<TCHITTESTINFO *>(lParam);
    if (!info) {
        return -1;
    }
    const int index = HitTest(info->pt);
    info->flags = index >= 0 ? TCHT_ONITEMLABEL : TCHT_NOWHERE;
    return index;
}

LRESULT TabControl::OnSetItemSize(LPARAM lParam) {
    const TabLayout layout = Layout();
    const int oldHeight = layout.bodyTop - kRowTop;
    const int oldWidth = m_fixedWidth;
    m_fixedWidth = LOWORD(lParam);
    m_fixedHeight = HIWORD(lParam);
    Redraw();
    return MAKELRESULT(oldWidth, oldHeight);
}

LRESULT TabControl::OnSetMinTabWidth(LPARAM lParam) {
    const int previous = m_minWidth;
    const int requested = static_cast<int>(lParam);
    m_minWidth = requested < 0 ? -1 : requested;
    Redraw();
    return previous;
}

LRESULT TabControl::OnLButtonDown(LPARAM lParam) {
    if (!Enabled()) {
        return 0;
    }
    if ((Style() & TCS_FOCUSONBUTTONDOWN) && GetFocus() != m_hwnd) {
        SetFocus(m_hwnd);
        if (GetControlState<TabControl>(m_hwnd) != this) {
            return 0;
        }
    }
    SelectByUser(HitTest(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
    return 0;
}

LRESULT TabControl::OnLButtonUp() {
    if (Enabled()) {
        NotifyParent(m_hwnd, NM_CLICK);
    }
    return 0;
}

LRESULT TabControl::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    if (!Enabled()) {
        return 0;
    }
    HWND hwnd = m_hwnd;
    HWND parent = GetParent(hwnd);
    if (parent) {
        NMTCKEYDOWN key{};
        key.hdr.hwndFrom = hwnd;
        key.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
        key.hdr.code = TCN_KEYDOWN;
        key.wVKey = static_cast<WORD>(wParam);
        key.flags = static_cast<UINT>(lParam);
        SendMessageA(parent, WM_NOTIFY, key.hdr.idFrom, reinterpret_cast<LPARAM>(&key));
        if (GetControlState<TabControl>(hwnd) != this) {
            return 0;
        }
    }
    const int focus = FocusItem();
    if (wParam == VK_LEFT && focus > 0) {
        SelectByUser(focus - 1);
    } else if (wParam == VK_RIGHT && focus + 1 < Count()) {
        SelectByUser(focus + 1);
    }
    return 0;
}

LRESULT TabControl::OnSetFocus() {
    m_hasFocus = true;
    Redraw();
    return 0;
}

LRESULT TabControl::OnKillFocus() {
    m_hasFocus = false;
    Redraw();
    return 0;
}

LRESULT TabControl::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_font = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam)) {
        Redraw();
    }
    return 0;
}

void TabControl::PaintTab(HDC hdc, const RECT &rect, int index, bool selected) const {
    const int left = rect.left;
    const int top = rect.top;
    const int right = rect.right;
    const int sideHeight = rect.bottom - top - 2;
    // Face first, then a highlight left side and top with a cut corner, and a two-tone right side.
    FillSysColor(hdc, left + 1, top + 1, right - left - 3, rect.bottom - top - 1, COLOR_BTNFACE);
    FillSysColor(hdc, left, top + 2, 1, sideHeight, COLOR_BTNHIGHLIGHT);
    FillSysColor(hdc, left + 1, top + 1, 1, 1, COLOR_BTNHIGHLIGHT);
    FillSysColor(hdc, left + 2, top, right - left - 4, 1, COLOR_BTNHIGHLIGHT);
    FillSysColor(hdc, right - 2, top + 1, 1, 1, COLOR_3DDKSHADOW);
    FillSysColor(hdc, right - 1, top + 2, 1, sideHeight, COLOR_3DDKSHADOW);
    FillSysColor(hdc, right - 2, top + 2, 1, sideHeight, COLOR_BTNSHADOW);

    RECT label = rect;
    if (selected) {
        label.bottom -= 1; // the selected label sits where the unselected one would, lifted by the taller tab
    }
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    const TabItem &item = m_items[static_cast<size_t>(index)];
    if (!item.text.empty()) {
        SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
        DrawControlText(hdc, item.text, label, format, Enabled());
    }
    if (m_hasFocus && index == FocusItem()) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(hdc, &focus);
    }
}

LRESULT TabControl::OnPaint() {
    ControlDc dc(m_hwnd, m_font, DcSource::Paint);
    if (!dc) {
        return 0;
    }
    HDC hdc = dc.Dc();
    const RECT &client = dc.Client();
    const TabLayout layout = Layout();
    FillSysColor(hdc, client, COLOR_BTNFACE);
    RECT body{client.left, layout.bodyTop, client.right, client.bottom};
    DrawEdge(hdc, &body, EDGE_RAISED, BF_RECT | BF_SOFT);
    for (int index = 0; index < Count(); ++index) {
        if (index != m_selected) {
            PaintTab(hdc, layout.items[static_cast<size_t>(index)], index, false);
        }
    }
    // The selected tab last: it overlaps its neighbours and covers the body's edge below it.
    if (Valid(m_selected)) {
        PaintTab(hdc, Enlarged(layout.items[static_cast<size_t>(m_selected)]), m_selected, true);
    }
    return 0;
}

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    TabControl *tab = AttachControlState<TabControl>(hwnd);
    if (!tab) {
        return FALSE;
    }
    tab->m_hwnd = hwnd;
    const LRESULT created = DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
    if (!created) {
        DetachControlState<TabControl>(hwnd);
    }
    return created;
}

LRESULT CALLBACK TabControlWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        return OnNcCreate(hwnd, wParam, lParam);
    }
    TabControl *tab = GetControlState<TabControl>(hwnd);
    if (!tab) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_NCDESTROY:
        return tab->OnNcDestroy(wParam, lParam);
    case WM_PAINT:
        return tab->OnPaint();
    case WM_ERASEBKGND:
        return tab->OnEraseBkgnd();
    case WM_GETDLGCODE:
        return tab->OnGetDlgCode();
    case TCM_INSERTITEMA:
        return tab->OnInsertItem(wParam, lParam);
    case TCM_GETITEMA:
        return tab->OnGetItem(wParam, lParam);
    case TCM_SETITEMA:
        return tab->OnSetItem(wParam, lParam);
    case TCM_DELETEITEM:
        return tab->OnDeleteItem(wParam);
    case TCM_DELETEALLITEMS:
        return tab->OnDeleteAllItems();
    case TCM_GETITEMCOUNT:
        return tab->OnGetItemCount();
    case TCM_GETCURSEL:
        return tab->OnGetCurSel();
    case TCM_SETCURSEL:
        return tab->OnSetCurSel(wParam);
    case TCM_GETCURFOCUS:
        return tab->OnGetCurFocus();
    case TCM_SETCURFOCUS:
        return tab->OnSetCurFocus(wParam);
    case TCM_GETITEMRECT:
        return tab->OnGetItemRect(wParam, lParam);
    case TCM_ADJUSTRECT:
        return tab->OnAdjustRect(wParam, lParam);
    case TCM_HITTEST:
        return tab->OnHitTest(lParam);
    case TCM_SETITEMSIZE:
        return tab->OnSetItemSize(lParam);
    case TCM_GETROWCOUNT:
        return tab->OnGetRowCount();
    case TCM_SETMINTABWIDTH:
        return tab->OnSetMinTabWidth(lParam);
    case WM_LBUTTONDOWN:
        return tab->OnLButtonDown(lParam);
    case WM_LBUTTONUP:
        return tab->OnLButtonUp();
    case WM_KEYDOWN:
        return tab->OnKeyDown(wParam, lParam);
    case WM_SETFOCUS:
        return tab->OnSetFocus();
    case WM_KILLFOCUS:
        return tab->OnKillFocus();
    case WM_ENABLE:
    case WM_SIZE:
    case WM_STYLECHANGED:
        tab->Redraw();
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETFONT:
        return tab->OnSetFont(wParam, lParam);
    case WM_GETFONT:
        return tab->OnGetFont();
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

WNDCLASSA TabControlClass() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = TabControlWndProc;
    wc.cbWndExtra = sizeof(void *);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = WC_TABCONTROLA;
    return wc;
}

const SystemClassRegistrar g_tabControlClass(TabControlClass());

} // namespace
} // namespace win32::user::controls
