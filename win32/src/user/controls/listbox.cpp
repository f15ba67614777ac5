// The list box ("ListBox") and the list a combo box drops ("ComboLBox"): one state struct, one
// window procedure.
// Not handled yet: LBS_OWNERDRAWVARIABLE (items are measured once, as with LBS_OWNERDRAWFIXED),
// LBS_MULTICOLUMN, LBS_NODATA and LB_SETCOUNT, LB_DIR and LB_ADDFILE (LB_ERR), tab stop positions
// (LB_SETTABSTOPS is accepted and tabs expand at the default positions), a drawn scroll bar
// (WM_VSCROLL and the mouse wheel scroll the top index), horizontal scrolling (the extent is only
// kept), hover tracking in a dropped combo list.

#include "user/controls/combo_list_link.h"
#include "user/controls/control_base.h"
#include "user/controls/control_paint.h"
#include "user/controls/font_height.h"
#include "user/controls/item_list.h"
#include "user/system_classes.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace win32::user::controls {
namespace {

enum class SelectionMode { Single, Multiple, Extended, None };

// Modifier keys of a user action: from the mouse message's flags or from GetKeyState.
struct Modifiers {
    bool shift = false;
    bool control = false;
};

constexpr int kDefaultItemHeight = 16;
constexpr int kMaxItemHeight = 255;

struct ListBox {
    HWND m_hwnd = nullptr;
    DWORD m_style = 0;
    SelectionMode m_mode = SelectionMode::Single;
    ItemList m_items;
    HWND m_combo = nullptr; // the combo box this list belongs to ("ComboLBox" only)
    HFONT m_font = nullptr;
    int m_itemHeight = kDefaultItemHeight;
    int m_top = 0;
    int m_selected = -1; // the selection of a single-selection list
    int m_caret = 0;     // the item with the focus rectangle
    int m_anchor = 0;    // where a Shift range of an extended selection starts
    int m_horizontalExtent = 0;
    DWORD m_locale = 0;
    bool m_focused = false;
    bool m_redraw = true;
    bool m_tracking = false; // the left button went down inside and is not up yet
    bool m_fittingHeight = false;

    // ---- what the style says ----
    bool OwnerDraw() const { return (m_style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
    bool HasStrings() const { return !OwnerDraw() || (m_style & LBS_HASSTRINGS); }
    bool Sorted() const { return (m_style & LBS_SORT) != 0; }
    bool MultiSelect() const { return m_mode == SelectionMode::Multiple || m_mode == SelectionMode::Extended; }
    int Count() const { return static_cast<int>(m_items.Count()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }

    // ---- who hears about it: the combo box's parent for a combo list ----
    HWND Control() const { return m_combo ? m_combo : m_hwnd; }
    HWND Owner() const { return GetParent(Control()); }
    UINT OwnerId() const { return static_cast<UINT>(GetDlgCtrlID(Control())); }
    UINT OwnerType() const { return m_combo ? ODT_COMBOBOX : ODT_LISTBOX; }
    void Notify(WORD code) const;

    // ---- geometry ----
    RECT ClientRect() const;
    int VisibleCount() const;
    int MaxTop() const { return std::max(0, Count() - VisibleCount()); }
    void SetTop(int top);
    void EnsureVisible(int index);
    void FitIntegralHeight();
    int MeasureFontHeight() const;
    RECT ItemRect(int index) const;
    int ItemAt(POINT point, bool *outside) const;
    void Redraw() const;

    // ---- selection ----
    bool IsSelected(int index) const;
    bool SelectSingle(int index);
    bool SetItemSelected(int index, bool selected);
    bool SelectRange(int first, int last, bool selected);
    bool SelectOnlyRange(int first, int last);
    void UserClick(int index, Modifiers modifiers);
    void UserMoveCaret(int target, Modifiers modifiers);
    void UserToggleCaret(Modifiers modifiers);
    void UserKey(UINT key);
    void UserChar(char ch);
    int KeyTarget(UINT key) const;

    // ---- items ----
    std::optional<size_t> StartAfter(WPARAM start) const;
    int CompareWithOwner(ULONG_PTR data, size_t index, ULONG_PTR otherData) const;
    LRESULT InsertItem(int index, LPARAM value, bool sorted);
    void SendDeleteItem(int index, const ListItem &item) const;
    LRESULT Find(WPARAM start, LPARAM value, bool exact) const;
    void DrawItem(HDC hdc, int index, const RECT &rect) const;

    // ---- message handlers ----
    LRESULT OnCreate(const CREATESTRUCTA *create);
    LRESULT OnDestroy();
    LRESULT OnPaint();
    LRESULT OnSetFont(HFONT font, BOOL redraw);
    LRESULT OnGetFont() const { return reinterpret_cast<LRESULT>(m_font); }
    LRESULT OnSize();
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();
    LRESULT OnSetRedraw(BOOL redraw);
    LRESULT OnGetDlgCode() const { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    LRESULT OnLButtonDown(WPARAM flags, POINT point);
    LRESULT OnMouseMove(WPARAM flags, POINT point);
    LRESULT OnLButtonUp(POINT point);
    LRESULT OnLButtonDblClk(POINT point);
    LRESULT OnCancelMode();
    LRESULT OnKeyDown(UINT key);
    LRESULT OnChar(char ch);
    LRESULT OnVScroll(WORD code, WORD position);
    LRESULT OnMouseWheel(short delta);

    LRESULT OnAddString(LPARAM value) { return InsertItem(-1, value, Sorted()); }
    LRESULT OnInsertString(WPARAM index, LPARAM value) { return InsertItem(static_cast<int>(index), value, false); }
    LRESULT OnDeleteString(WPARAM index);
    LRESULT OnResetContent();
    LRESULT OnGetCount() const { return Count(); }
    LRESULT OnGetText(WPARAM index, LPARAM buffer) const;
    LRESULT OnGetTextLen(WPARAM index) const;
    LRESULT OnSetItemData(WPARAM index, LPARAM data);
    LRESULT OnGetItemData(WPARAM index) const;
    LRESULT OnSetCurSel(WPARAM index);
    LRESULT OnGetCurSel() const;
    LRESULT OnSetSel(WPARAM select, LPARAM index);
    LRESULT OnGetSel(WPARAM index) const;
    LRESULT OnGetSelCount() const;
    LRESULT OnGetSelItems(WPARAM capacity, LPARAM buffer) const;
    LRESULT OnSelItemRange(WPARAM select, LPARAM range);
    LRESULT OnSelItemRangeEx(WPARAM first, LPARAM last);
    LRESULT OnFindString(WPARAM start, LPARAM value) const { return Find(start, value, false); }
    LRESULT OnFindStringExact(WPARAM start, LPARAM value) const { return Find(start, value, true); }
    LRESULT OnSelectString(WPARAM start, LPARAM value);
    LRESULT OnGetTopIndex() const { return m_top; }
    LRESULT OnSetTopIndex(WPARAM index);
    LRESULT OnGetItemRect(WPARAM index, LPARAM rect) const;
    LRESULT OnItemFromPoint(LPARAM point) const;
    LRESULT OnSetItemHeight(LPARAM height);
    LRESULT OnGetItemHeight() const { return m_itemHeight; }
    LRESULT OnSetCaretIndex(WPARAM index, LPARAM partialOk);
    LRESULT OnGetCaretIndex() const { return m_caret; }
    LRESULT OnSetAnchorIndex(WPARAM index);
    LRESULT OnGetAnchorIndex() const { return m_anchor; }
    LRESULT OnInitStorage(WPARAM items);
    LRESULT OnSetHorizontalExtent(WPARAM extent);
    LRESULT OnGetHorizontalExtent() const { return m_horizontalExtent; }
    LRESULT OnSetTabStops() const { return (m_style & LBS_USETABSTOPS) ? TRUE : FALSE; }
    LRESULT OnSetLocale(WPARAM locale);
    LRESULT OnGetLocale() const { return static_cast<LRESULT>(m_locale); }
};

POINT PointFromLParam(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

Modifiers KeyboardModifiers() {
    return Modifiers{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0};
}

// ---------------------------------------------------------------- notifications and geometry

void ListBox::Notify(WORD code) const {
    // A combo box hears everything from its list; a plain list box only tells a parent that asked
    // with LBS_NOTIFY, except that it is out of memory.
    if (m_combo) {
        SendMessageA(m_combo, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_hwnd), code), reinterpret_cast<LPARAM>(m_hwnd));
    } else if ((m_style & LBS_NOTIFY) || code == static_cast<WORD>(LBN_ERRSPACE)) {
        NotifyParentCommand(m_hwnd, code);
    }
}

RECT ListBox::ClientRect() const {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    return client;
}

int ListBox::VisibleCount() const {
    const RECT client = ClientRect();
    return std::max(1, static_cast<int>(client.bottom - client.top) / std::max(1, m_itemHeight));
}

void ListBox::SetTop(int top) {
    top = std::clamp(top, 0, MaxTop());
    if (top != m_top) {
        m_top = top;
        Redraw();
    }
}

void ListBox::EnsureVisible(int index) {
    if (!Valid(index)) {
        return;
    }
    if (index < m_top) {
        SetTop(index);
    } else if (index >= m_top + VisibleCount()) {
        SetTop(index - VisibleCount() + 1);
    }
}

void ListBox::FitIntegralHeight() {
    // Without LBS_NOINTEGRALHEIGHT a list box shows whole items only: it shrinks its window to a
    // multiple of the item height. A combo's list is sized by the combo.
    if (m_combo || (m_style & LBS_NOINTEGRALHEIGHT) || m_fittingHeight || m_itemHeight <= 0) {
        return;
    }
    const RECT client = ClientRect();
    const int height = client.bottom - client.top;
    const int excess = height % m_itemHeight;
    if (height <= m_itemHeight || excess == 0) {
        return;
    }
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    m_fittingHeight = true;
    SetWindowPos(m_hwnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top - excess,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_fittingHeight = false;
}

int ListBox::MeasureFontHeight() const {
    return std::min(FontLineHeight(m_hwnd, m_font, kDefaultItemHeight), kMaxItemHeight);
}

RECT ListBox::ItemRect(int index) const {
    const RECT client = ClientRect();
    const int top = (index - m_top) * m_itemHeight;
    return RECT{0, top, std::max<LONG>(client.right, m_horizontalExtent), top + m_itemHeight};
}

// The item under a client point; `outside` tells that the point is off the items (the nearest item
// is returned then, or -1 for an empty list).
int ListBox::ItemAt(POINT point, bool *outside) const {
    const RECT client = ClientRect();
    bool off = !PtInRect(&client, point);
    if (Count() == 0) {
        *outside = true;
        return -1;
    }
    int index = point.y < 0 ? m_top - 1 : m_top + point.y / std::max(1, m_itemHeight);
    if (index < 0) {
        index = 0;
        off = true;
    } else if (index >= Count()) {
        index = Count() - 1;
        off = true;
    }
    *outside = off;
    return index;
}

void ListBox::Redraw() const {
    if (m_redraw) {
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }
}

// ---------------------------------------------------------------- selection

bool ListBox::IsSelected(int index) const {
    if (!Valid(index)) {
        return false;
    }
    return MultiSelect() ? m_items.At(static_cast<size_t>(index)).selected : index == m_selected;
}

bool ListBox::SelectSingle(int index) {
    if (Valid(index)) {
        m_caret = index;
        m_anchor = index;
    }
    if (index == m_selected) {
        return false;
    }
    m_selected = index;
    Redraw();
    return true;
}

bool ListBox::SetItemSelected(int index, bool selected) {
    ListItem &item = m_items.At(static_cast<size_t>(index));
    if (item.selected == selected) {
        return false;
    }
    item.selected = selected;
    Redraw();
    return true;
}

bool ListBox::SelectRange(int first, int last, bool selected) {
    if (first > last) {
        std::swap(first, last);
    }
    first = std::max(first, 0);
    last = std::min(last, Count() - 1);
    bool changed = false;
    for (int index = first; index <= last; ++index) {
        changed |= SetItemSelected(index, selected);
    }
    return changed;
}

bool ListBox::SelectOnlyRange(int first, int last) {
    if (first > last) {
        std::swap(first, last);
    }
    bool changed = false;
    m_items.ForEach([&](size_t index, ListItem &item) {
        const bool selected = static_cast<int>(index) >= first && static_cast<int>(index) <= last;
        changed |= item.selected != selected;
        item.selected = selected;
    });
    if (changed) {
        Redraw();
    }
    return changed;
}

void ListBox::UserClick(int index, Modifiers modifiers) {
    bool changed = false;
    switch (m_mode) {
    case SelectionMode::Single:
        changed = SelectSingle(index);
        break;
    case SelectionMode::None:
        m_caret = index;
        break;
    case SelectionMode::Multiple:
        changed = SetItemSelected(index, !IsSelected(index));
        m_caret = m_anchor = index;
        break;
    case SelectionMode::Extended:
        if (modifiers.shift) {
            changed = modifiers.control ? SelectRange(m_anchor, index, true) : SelectOnlyRange(m_anchor, index);
            m_caret = index;
        } else if (modifiers.control) {
            changed = SetItemSelected(index, !IsSelected(index));
            m_caret = m_anchor = index;
        } else {
            changed = SelectOnlyRange(index, index);
            m_caret = m_anchor = index;
        }
        break;
    }
    EnsureVisible(index);
    Redraw();
    if (changed) {
        Notify(LBN_SELCHANGE);
    }
}

void ListBox::UserMoveCaret(int target, Modifiers modifiers) {
    bool changed = false;
    switch (m_mode) {
    case SelectionMode::Single:
        changed = SelectSingle(target);
        break;
    case SelectionMode::Multiple:
    case SelectionMode::None:
        m_caret = target;
        break;
    case SelectionMode::Extended:
        if (modifiers.shift) {
            changed = SelectOnlyRange(m_anchor, target);
        } else if (!modifiers.control) {
            changed = SelectOnlyRange(target, target);
            m_anchor = target;
        }
        m_caret = target;
        break;
    }
    EnsureVisible(target);
    Redraw();
    if (changed) {
        Notify(LBN_SELCHANGE);
    }
}

void ListBox::UserToggleCaret(Modifiers modifiers) {
    if (!Valid(m_caret)) {
        return;
    }
    bool changed = false;
    if (m_mode == SelectionMode::Multiple || (m_mode == SelectionMode::Extended && modifiers.control)) {
        changed = SetItemSelected(m_caret, !IsSelected(m_caret));
        m_anchor = m_caret;
    } else if (m_mode == SelectionMode::Extended) {
        changed = modifiers.shift ? SelectOnlyRange(m_anchor, m_caret) : SelectOnlyRange(m_caret, m_caret);
        if (!modifiers.shift) {
            m_anchor = m_caret;
        }
    }
    if (changed) {
        Notify(LBN_SELCHANGE);
    }
}

int ListBox::KeyTarget(UINT key) const {
    // A single-selection list without a selection starts from before the first item, so that the
    // first arrow key selects item 0.
    const int from = m_mode == SelectionMode::Single ? m_selected : m_caret;
    const int page = std::max(1, VisibleCount() - 1);
    int target = from;
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        target = from < 0 ? 0 : from - 1;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        target = from + 1;
        break;
    case VK_PRIOR:
        target = from < 0 ? 0 : from - page;
        break;
    case VK_NEXT:
        target = from < 0 ? page - 1 : from + page;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = Count() - 1;
        break;
    default:
        return -1;
    }
    return std::clamp(target, 0, Count() - 1);
}

void ListBox::UserKey(UINT key) {
    if (Count() == 0) {
        return;
    }
    if (m_style & LBS_WANTKEYBOARDINPUT) {
        // The owner may take the key (-2), leave it to the list (-1) or name the item to go to.
        const LRESULT answer = SendMessageA(Owner(), WM_VKEYTOITEM, MAKEWPARAM(key, m_caret),
                                            reinterpret_cast<LPARAM>(m_hwnd));
        if (answer == -2) {
            return;
        }
        if (answer >= 0) {
            if (Valid(static_cast<int>(answer))) {
                UserMoveCaret(static_cast<int>(answer), KeyboardModifiers());
            }
            return;
        }
    }
    if (key == VK_SPACE) {
        UserToggleCaret(KeyboardModifiers());
        return;
    }
    const int target = KeyTarget(key);
    if (target >= 0) {
        UserMoveCaret(target, KeyboardModifiers());
    }
}

void ListBox::UserChar(char ch) {
    const auto code = static_cast<unsigned char>(ch);
    if (Count() == 0 || code < 0x20 || (ch == ' ' && MultiSelect())) {
        return;
    }
    if (!HasStrings()) {
        if (m_style & LBS_WANTKEYBOARDINPUT) {
            const LRESULT answer = SendMessageA(Owner(), WM_CHARTOITEM, MAKEWPARAM(code, m_caret),
                                                reinterpret_cast<LPARAM>(m_hwnd));
            if (Valid(static_cast<int>(answer))) {
                UserMoveCaret(static_cast<int>(answer), Modifiers{});
            }
        }
        return;
    }
    const int from = m_mode == SelectionMode::Single ? m_selected : m_caret;
    const std::string prefix(1, ch);
    const std::optional<size_t> found =
        m_items.FindAfter(from >= 0 ? std::optional<size_t>(static_cast<size_t>(from)) : std::nullopt,
                          [&](size_t, const ListItem &item) { return ItemTextHasPrefix(item.text, prefix); });
    if (found) {
        UserMoveCaret(static_cast<int>(*found), Modifiers{});
    }
}

// ---------------------------------------------------------------- items

std::optional<size_t> ListBox::StartAfter(WPARAM start) const {
    const int index = static_cast<int>(start);
    return Valid(index) ? std::optional<size_t>(static_cast<size_t>(index)) : std::nullopt;
}

int ListBox::CompareWithOwner(ULONG_PTR data, size_t index, ULONG_PTR otherData) const {
    COMPAREITEMSTRUCT compare{};
    compare.CtlType = OwnerType();
    compare.CtlID = OwnerId();
    compare.hwndItem = Control();
    compare.itemID1 = static_cast<UINT>(-1);
    compare.itemData1 = data;
    compare.itemID2 = static_cast<UINT>(index);
    compare.itemData2 = otherData;
    compare.dwLocaleId = m_locale;
    return static_cast<int>(
        SendMessageA(Owner(), WM_COMPAREITEM, compare.CtlID, reinterpret_cast<LPARAM>(&compare)));
}

LRESULT ListBox::InsertItem(int index, LPARAM value, bool sorted) {
    if (index < -1 || index > Count()) {
        return LB_ERR;
    }
    size_t position = 0;
    try {
        ListItem item;
        if (HasStrings()) {
            item.text = value ? reinterpret_cast<LPCSTR>(value) : "";
        } else {
            item.data = static_cast<ULONG_PTR>(value);
        }
        if (sorted && HasStrings()) {
            position = m_items.SortedPosition(
                [&](size_t, const ListItem &other) { return CompareItemText(item.text, other.text); });
        } else if (sorted) {
            position = m_items.SortedPosition([&](size_t at, const ListItem &other) {
                return CompareWithOwner(item.data, at, other.data);
            });
        } else {
            position = index < 0 ? m_items.Count() : static_cast<size_t>(index);
        }
        m_items.Insert(position, std::move(item));
    } catch (const std::bad_alloc &) {
        Notify(static_cast<WORD>(LBN_ERRSPACE));
        return LB_ERRSPACE;
    }
    // The selection, caret and anchor stay on their items.
    const int inserted = static_cast<int>(position);
    if (m_selected >= inserted) {
        ++m_selected;
    }
    if (m_caret >= inserted && Count() > 1) {
        ++m_caret;
    }
    if (m_anchor >= inserted && Count() > 1) {
        ++m_anchor;
    }
    Redraw();
    return inserted;
}

void ListBox::SendDeleteItem(int index, const ListItem &item) const {
    // The owner frees what it keeps for an item: every owner-drawn item, and any item with data.
    if (!OwnerDraw() && item.data == 0) {
        return;
    }
    DELETEITEMSTRUCT deleted{};
    deleted.CtlType = OwnerType();
    deleted.CtlID = OwnerId();
    deleted.itemID = static_cast<UINT>(index);
    deleted.hwndItem = Control();
    deleted.itemData = item.data;
    SendMessageA(Owner(), WM_DELETEITEM, deleted.CtlID, reinterpret_cast<LPARAM>(&deleted));
}

LRESULT ListBox::Find(WPARAM start, LPARAM value, bool exact) const {
    std::optional<size_t> found;
    if (HasStrings()) {
        const std::string wanted = value ? reinterpret_cast<LPCSTR>(value) : "";
        found = m_items.FindAfter(StartAfter(start), [&](size_t, const ListItem &item) {
            return exact ? CompareItemText(item.text, wanted) == 0 : ItemTextHasPrefix(item.text, wanted);
        });
    } else {
        // Items without strings are found by their data: through the owner's order when it sorts them.
        const auto data = static_cast<ULONG_PTR>(value);
        const bool sorted = Sorted();
        found = m_items.FindAfter(StartAfter(start), [&](size_t index, const ListItem &item) {
            return sorted ? CompareWithOwner(data, index, item.data) == 0 : item.data == data;
        });
    }
    return found ? static_cast<LRESULT>(*found) : LB_ERR;
}

void ListBox::DrawItem(HDC hdc, int index, const RECT &rect) const {
    const ListItem &item = m_items.At(static_cast<size_t>(index));
    const bool selected = IsSelected(index);
    const bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    if (OwnerDraw()) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = OwnerType();
        draw.CtlID = OwnerId();
        draw.itemID = static_cast<UINT>(index);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = (selected ? ODS_SELECTED : 0) | (m_focused && index == m_caret ? ODS_FOCUS : 0) |
                         (enabled ? 0 : ODS_DISABLED);
        draw.hwndItem = m_hwnd;
        draw.hDC = hdc;
        draw.rcItem = rect;
        draw.itemData = item.data;
        SendDrawItem(Owner(), draw);
        return;
    }
    const UINT format =
        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | ((m_style & LBS_USETABSTOPS) ? DT_EXPANDTABS : 0);
    PaintItemRow(hdc, rect, item.text, format, selected, enabled, m_focused && index == m_caret);
}

// ---------------------------------------------------------------- window messages

LRESULT ListBox::OnCreate(const CREATESTRUCTA *create) {
    m_style = static_cast<DWORD>(create->style);
    if (m_style & LBS_NOSEL) {
        m_mode = SelectionMode::None;
    } else if (m_style & LBS_EXTENDEDSEL) {
        m_mode = SelectionMode::Extended;
    } else if (m_style & LBS_MULTIPLESEL) {
        m_mode = SelectionMode::Multiple;
    }
    m_redraw = (m_style & LBS_NOREDRAW) == 0;
    m_itemHeight = MeasureFontHeight();
    if (OwnerDraw()) {
        // A fixed owner-drawn list asks its owner once for the height of every item.
        const RECT client = ClientRect();
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = OwnerType();
        measure.CtlID = OwnerId();
        measure.itemID = 0;
        measure.itemWidth = static_cast<UINT>(client.right - client.left);
        measure.itemHeight = static_cast<UINT>(m_itemHeight);
        SendMessageA(Owner(), WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
        if (measure.itemHeight > 0 && measure.itemHeight <= static_cast<UINT>(kMaxItemHeight)) {
            m_itemHeight = static_cast<int>(measure.itemHeight);
        }
    }
    FitIntegralHeight();
    return 0;
}

LRESULT ListBox::OnDestroy() {
    // The owner still exists while its children are destroyed: it frees its item data now.
    m_items.ForEach([&](size_t index, const ListItem &item) { SendDeleteItem(static_cast<int>(index), item); });
    m_items.Clear();
    return 0;
}

LRESULT ListBox::OnPaint() {
    ControlDc dc(m_hwnd, m_font, DcSource::Paint);
    if (!dc) {
        return 0;
    }
    HDC hdc = dc.Dc();
    const RECT client = dc.Client();
    HBRUSH background = ParentControlBrush(m_hwnd, hdc, WM_CTLCOLORLISTBOX);
    FillRect(hdc, &client, background);
    for (int index = m_top; index < Count(); ++index) {
        const RECT rect = ItemRect(index);
        if (rect.top >= client.bottom) {
            break;
        }
        DrawItem(hdc, index, rect);
    }
    if (m_focused && Count() == 0 && !OwnerDraw()) {
        // An empty list with the focus still shows where the first item would be.
        const RECT rect = ItemRect(0);
        DrawFocusRect(hdc, &rect);
    }
    return 0;
}

LRESULT ListBox::OnSetFont(HFONT font, BOOL redraw) {
    m_font = font;
    if (!OwnerDraw()) {
        m_itemHeight = MeasureFontHeight();
        FitIntegralHeight();
    }
    if (redraw) {
        Redraw();
    }
    return 0;
}

LRESULT ListBox::OnSize() {
    FitIntegralHeight();
    m_top = std::clamp(m_top, 0, MaxTop());
    Redraw();
    return 0;
}

LRESULT ListBox::OnSetFocus() {
    if (m_combo) {
        // A combo's list never keeps the focus: the combo (or its edit) has it.
        SetFocus(m_combo);
        return 0;
    }
    m_focused = true;
    Redraw();
    Notify(LBN_SETFOCUS);
    return 0;
}

LRESULT ListBox::OnKillFocus() {
    if (!m_focused) {
        return 0;
    }
    m_focused = false;
    m_tracking = false;
    Redraw();
    Notify(LBN_KILLFOCUS);
    return 0;
}

LRESULT ListBox::OnSetRedraw(BOOL redraw) {
    m_redraw = redraw != FALSE;
    Redraw();
    return 0;
}

LRESULT ListBox::OnLButtonDown(WPARAM flags, POINT point) {
    if (!IsWindowEnabled(m_hwnd)) {
        return 0;
    }
    bool outside = false;
    const int index = ItemAt(point, &outside);
    if (m_combo) {
        const RECT client = ClientRect();
        if (!PtInRect(&client, point)) {
            Notify(LBN_SELCANCEL);
            return 0;
        }
        HWND focus = GetFocus();
        if (focus != m_combo && GetParent(focus) != m_combo) {
            SetFocus(m_combo);
        }
    } else if (GetFocus() != m_hwnd) {
        SetFocus(m_hwnd);
    }
    if (index < 0 || outside) {
        return 0;
    }
    m_tracking = true;
    SetCapture(m_hwnd);
    UserClick(index, Modifiers{(flags & MK_SHIFT) != 0, (flags & MK_CONTROL) != 0});
    return 0;
}

LRESULT ListBox::OnMouseMove(WPARAM flags, POINT point) {
    if (!m_tracking || !(flags & MK_LBUTTON) || !IsWindowEnabled(m_hwnd)) {
        return 0;
    }
    bool outside = false;
    const int index = ItemAt(point, &outside);
    if (index < 0) {
        return 0;
    }
    // Dragging extends a selection the way Shift does; a multiple-selection list toggles per click.
    if (m_mode == SelectionMode::Single || m_mode == SelectionMode::Extended) {
        UserMoveCaret(index, Modifiers{m_mode == SelectionMode::Extended, false});
    }
    return 0;
}

LRESULT ListBox::OnLButtonUp(POINT point) {
    const bool wasTracking = m_tracking;
    m_tracking = false;
    if (GetCapture() == m_hwnd) {
        ReleaseCapture();
    }
    if (!m_combo || !IsWindowEnabled(m_hwnd)) {
        return 0;
    }
    bool outside = false;
    const int index = ItemAt(point, &outside);
    if (index < 0 || outside) {
        return 0;
    }
    // Releasing on an item of a combo's list chooses it, even when the press began on the combo.
    if (!wasTracking) {
        UserClick(index, Modifiers{});
    }
    Notify(kComboListChosen);
    return 0;
}

LRESULT ListBox::OnLButtonDblClk(POINT point) {
    if (!IsWindowEnabled(m_hwnd)) {
        return 0;
    }
    bool outside = false;
    const int index = ItemAt(point, &outside);
    if (index >= 0 && !outside) {
        m_tracking = true;
        Notify(LBN_DBLCLK);
    }
    return 0;
}

LRESULT ListBox::OnCancelMode() {
    m_tracking = false;
    if (GetCapture() == m_hwnd) {
        ReleaseCapture();
    }
    return 0;
}

LRESULT ListBox::OnKeyDown(UINT key) {
    if (IsWindowEnabled(m_hwnd)) {
        UserKey(key);
    }
    return 0;
}

LRESULT ListBox::OnChar(char ch) {
    if (IsWindowEnabled(m_hwnd)) {
        UserChar(ch);
    }
    return 0;
}

LRESULT ListBox::OnVScroll(WORD code, WORD position) {
    const int page = std::max(1, VisibleCount() - 1);
    switch (code) {
    case SB_LINEUP:
        SetTop(m_top - 1);
        break;
    case SB_LINEDOWN:
        SetTop(m_top + 1);
        break;
    case SB_PAGEUP:
        SetTop(m_top - page);
        break;
    case SB_PAGEDOWN:
        SetTop(m_top + page);
        break;
    case SB_TOP:
        SetTop(0);
        break;
    case SB_BOTTOM:
        SetTop(MaxTop());
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetTop(position);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT ListBox::OnMouseWheel(short delta) {
    constexpr int kWheelDelta = 120;
    constexpr int kLinesPerNotch = 3;
    SetTop(m_top - delta / kWheelDelta * kLinesPerNotch);
    return 0;
}

// ---------------------------------------------------------------- LB_* messages

LRESULT ListBox::OnDeleteString(WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) {
        return LB_ERR;
    }
    SendDeleteItem(index, m_items.At(static_cast<size_t>(index)));
    if (!Valid(index)) {
        return LB_ERR; // the owner changed the list while it was told
    }
    m_items.Erase(static_cast<size_t>(index));
    if (m_selected == index) {
        m_selected = -1;
    } else if (m_selected > index) {
        --m_selected;
    }
    const int last = std::max(0, Count() - 1);
    m_caret = std::min(m_caret > index ? m_caret - 1 : m_caret, last);
    m_anchor = std::min(m_anchor > index ? m_anchor - 1 : m_anchor, last);
    m_top = std::clamp(m_top > index ? m_top - 1 : m_top, 0, MaxTop());
    Redraw();
    return Count();
}

LRESULT ListBox::OnResetContent() {
    ItemList removed;
    std::swap(removed, m_items);
    m_selected = -1;
    m_caret = m_anchor = m_top = 0;
    removed.ForEach([&](size_t index, const ListItem &item) { SendDeleteItem(static_cast<int>(index), item); });
    Redraw();
    return LB_OKAY;
}

LRESULT ListBox::OnGetText(WPARAM wParam, LPARAM buffer) const {
    const int index = static_cast<int>(wParam);
    if (!Valid(index) || !buffer) {
        return LB_ERR;
    }
    const ListItem &item = m_items.At(static_cast<size_t>(index));
    if (!HasStrings()) {
        // Without strings the "text" is the item data.
        std::memcpy(reinterpret_cast<void *>(buffer), &item.data, sizeof(item.data));
        return sizeof(item.data);
    }
    std::memcpy(reinterpret_cast<char *>(buffer), item.text.c_str(), item.text.size() + 1);
    return static_cast<LRESULT>(item.text.size());
}

LRESULT ListBox::OnGetTextLen(WPARAM wParam) const {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) {
        return LB_ERR;
    }
    return HasStrings() ? static_cast<LRESULT>(m_items.At(static_cast<size_t>(index)).text.size())
                        : static_cast<LRESULT>(sizeof(ULONG_PTR));
}

LRESULT ListBox::OnSetItemData(WPARAM wParam, LPARAM data) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) {
        return LB_ERR;
    }
    m_items.At(static_cast<size_t>(index)).data = static_cast<ULONG_PTR>(data);
    return TRUE;
}

LRESULT ListBox::OnGetItemData(WPARAM wParam) const {
    const int index = static_cast<int>(wParam);
    return Valid(index) ? static_cast<LRESULT>(m_items.At(static_cast<size_t>(index)).data) : LB_ERR;
}

LRESULT ListBox::OnSetCurSel(WPARAM wParam) {
    if (m_mode != SelectionMode::Single) {
        return LB_ERR;
    }
    const int index = static_cast<int>(wParam);
    if (index == -1) {
        SelectSingle(-1);
        return LB_ERR; // clearing the selection answers LB_ERR, as documented
    }
    if (!Valid(index)) {
        return LB_ERR;
    }
    SelectSingle(index);
    EnsureVisible(index);
    Redraw();
    return index;
}

LRESULT ListBox::OnGetCurSel() const {
    switch (m_mode) {
    case SelectionMode::Single:
        return m_selected >= 0 ? m_selected : LB_ERR;
    case SelectionMode::Multiple:
    case SelectionMode::Extended:
        return Count() > 0 ? m_caret : LB_ERR;
    case SelectionMode::None:
        break;
    }
    return LB_ERR;
}

LRESULT ListBox::OnSetSel(WPARAM select, LPARAM lParam) {
    const int index = static_cast<int>(lParam);
    if (!MultiSelect() || (index != -1 && !Valid(index))) {
        return LB_ERR;
    }
    if (index == -1) {
        SelectRange(0, Count() - 1, select != FALSE);
    } else {
        SetItemSelected(index, select != FALSE);
        m_caret = index;
    }
    Redraw();
    return LB_OKAY;
}

LRESULT ListBox::OnGetSel(WPARAM wParam) const {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) {
        return LB_ERR;
    }
    return IsSelected(index) ? 1 : 0;
}

LRESULT ListBox::OnGetSelCount() const {
    if (!MultiSelect()) {
        return LB_ERR;
    }
    int count = 0;
    m_items.ForEach([&](size_t, const ListItem &item) { count += item.selected ? 1 : 0; });
    return count;
}

LRESULT ListBox::OnGetSelItems(WPARAM capacity, LPARAM buffer) const {
    if (!MultiSelect() || (!buffer && capacity > 0)) {
        return LB_ERR;
    }
    auto *out = reinterpret_cast<int *>(buffer);
    int written = 0;
    m_items.ForEach([&](size_t index, const ListItem &item) {
        if (item.selected && static_cast<WPARAM>(written) < capacity) {
            out[written++] = static_cast<int>(index);
        }
    });
    return written;
}

LRESULT ListBox::OnSelItemRange(WPARAM select, LPARAM range) {
    const int first = LOWORD(range);
    const int last = HIWORD(range);
    if (!MultiSelect() || !Valid(std::min(first, last))) {
        return LB_ERR;
    }
    SelectRange(first, last, select != FALSE);
    return LB_OKAY;
}

LRESULT ListBox::OnSelItemRangeEx(WPARAM wFirst, LPARAM lLast) {
    // A reversed range deselects.
    const int first = static_cast<int>(wFirst);
    const int last = static_cast<int>(lLast);
    if (!MultiSelect() || !Valid(std::min(first, last))) {
        return LB_ERR;
    }
    SelectRange(first, last, first <= last);
    return LB_OKAY;
}

LRESULT ListBox::OnSelectString(WPARAM start, LPARAM value) {
    const LRESULT found = Find(start, value, false);
    if (found == LB_ERR || m_mode == SelectionMode::None) {
        return LB_ERR;
    }
    const int index = static_cast<int>(found);
    if (MultiSelect()) {
        SetItemSelected(index, true);
        m_caret = index;
    } else {
        SelectSingle(index);
    }
    EnsureVisible(index);
    Redraw();
    return index;
}

LRESULT ListBox::OnSetTopIndex(WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index) && !(index == 0 && Count() == 0)) {
        return LB_ERR;
    }
    SetTop(index);
    return LB_OKAY;
}

LRESULT ListBox::OnGetItemRect(WPARAM wParam, LPARAM lParam) const {
    const int index = static_cast<int>(wParam);
    if (!lParam || (!Valid(index) && !(index == 0 && Count() == 0))) {
        return LB_ERR;
    }
    *reinterpret_cast<RECT *>(lParam) = ItemRect(index);
    return TRUE;
}

LRESULT ListBox::OnItemFromPoint(LPARAM lParam) const {
    bool outside = false;
    const int index = ItemAt(PointFromLParam(lParam), &outside);
    return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(index < 0 ? 0 : index), outside ? 1 : 0));
}

LRESULT ListBox::OnSetItemHeight(LPARAM lParam) {
    const int height = LOWORD(lParam);
    if (height <= 0 || height > kMaxItemHeight) {
        return LB_ERR;
    }
    m_itemHeight = height;
    FitIntegralHeight();
    m_top = std::clamp(m_top, 0, MaxTop());
    Redraw();
    return LB_OKAY;
}

LRESULT ListBox::OnSetCaretIndex(WPARAM wParam, LPARAM partialOk) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) {
        return LB_ERR;
    }
    m_caret = index;
    if (!partialOk || index < m_top || index >= m_top + VisibleCount()) {
        EnsureVisible(index);
    }
    Redraw();
    return LB_OKAY;
}

LRESULT ListBox::OnSetAnchorIndex(WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) {
        return LB_ERR;
    }
    m_anchor = index;
    return LB_OKAY;
}

LRESULT ListBox::OnInitStorage(WPARAM items) {
    try {
        m_items.Reserve(items);
    } catch (const std::bad_alloc &) {
        Notify(static_cast<WORD>(LBN_ERRSPACE));
        return LB_ERRSPACE;
    }
    return static_cast<LRESULT>(m_items.Count() + items);
}

LRESULT ListBox::OnSetHorizontalExtent(WPARAM extent) {
    m_horizontalExtent = static_cast<int>(extent);
    return 0;
}

LRESULT ListBox::OnSetLocale(WPARAM locale) {
    const DWORD previous = m_locale;
    m_locale = static_cast<DWORD>(locale);
    return static_cast<LRESULT>(previous);
}

// ---------------------------------------------------------------- window procedure

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    ListBox *state = AttachControlState<ListBox>(hwnd);
    if (!state) {
        return FALSE;
    }
    state->m_hwnd = hwnd;
    char className[32] = {};
    GetClassNameA(hwnd, className, sizeof(className));
    const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    if (lstrcmpiA(className, kComboListClassName) == 0 && create) {
        state->m_combo = static_cast<HWND>(create->lpCreateParams);
    }
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        return OnNcCreate(hwnd, wParam, lParam);
    }
    ListBox *box = GetControlState<ListBox>(hwnd);
    if (!box) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_NCDESTROY:
        DetachControlState<ListBox>(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_CREATE:
        return box->OnCreate(reinterpret_cast<const CREATESTRUCTA *>(lParam));
    case WM_DESTROY:
        return box->OnDestroy();
    case WM_PAINT:
        return box->OnPaint();
    case WM_ERASEBKGND:
        return TRUE; // WM_PAINT fills the background with the owner's brush
    case WM_SETFONT:
        return box->OnSetFont(reinterpret_cast<HFONT>(wParam), static_cast<BOOL>(lParam));
    case WM_GETFONT:
        return box->OnGetFont();
    case WM_SIZE:
        return box->OnSize();
    case WM_SETFOCUS:
        return box->OnSetFocus();
    case WM_KILLFOCUS:
        return box->OnKillFocus();
    case WM_ENABLE:
        box->Redraw();
        return 0;
    case WM_SETREDRAW:
        return box->OnSetRedraw(static_cast<BOOL>(wParam));
    case WM_GETDLGCODE:
        return box->OnGetDlgCode();
    case WM_LBUTTONDOWN:
        return box->OnLButtonDown(wParam, PointFromLParam(lParam));
    case WM_MOUSEMOVE:
        return box->OnMouseMove(wParam, PointFromLParam(lParam));
    case WM_LBUTTONUP:
        return box->OnLButtonUp(PointFromLParam(lParam));
    case WM_LBUTTONDBLCLK:
        return box->OnLButtonDblClk(PointFromLParam(lParam));
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        return box->OnCancelMode();
    case WM_KEYDOWN:
        return box->OnKeyDown(static_cast<UINT>(wParam));
    case WM_CHAR:
        return box->OnChar(static_cast<char>(wParam));
    case WM_VSCROLL:
        return box->OnVScroll(LOWORD(wParam), HIWORD(wParam));
    case WM_MOUSEWHEEL:
        return box->OnMouseWheel(static_cast<short>(HIWORD(wParam)));

    case LB_ADDSTRING:
        return box->OnAddString(lParam);
    case LB_INSERTSTRING:
        return box->OnInsertString(wParam, lParam);
    case LB_DELETESTRING:
        return box->OnDeleteString(wParam);
    case LB_RESETCONTENT:
        return box->OnResetContent();
    case LB_GETCOUNT:
        return box->OnGetCount();
    case LB_GETTEXT:
        return box->OnGetText(wParam, lParam);
    case LB_GETTEXTLEN:
        return box->OnGetTextLen(wParam);
    case LB_SETITEMDATA:
        return box->OnSetItemData(wParam, lParam);
    case LB_GETITEMDATA:
        return box->OnGetItemData(wParam);
    case LB_SETCURSEL:
        return box->OnSetCurSel(wParam);
    case LB_GETCURSEL:
        return box->OnGetCurSel();
    case LB_SETSEL:
        return box->OnSetSel(wParam, lParam);
    case LB_GETSEL:
        return box->OnGetSel(wParam);
    case LB_GETSELCOUNT:
        return box->OnGetSelCount();
    case LB_GETSELITEMS:
        return box->OnGetSelItems(wParam, lParam);
    case LB_SELITEMRANGE:
        return box->OnSelItemRange(wParam, lParam);
    case LB_SELITEMRANGEEX:
        return box->OnSelItemRangeEx(wParam, lParam);
    case LB_FINDSTRING:
        return box->OnFindString(wParam, lParam);
    case LB_FINDSTRINGEXACT:
        return box->OnFindStringExact(wParam, lParam);
    case LB_SELECTSTRING:
        return box->OnSelectString(wParam, lParam);
    case LB_GETTOPINDEX:
        return box->OnGetTopIndex();
    case LB_SETTOPINDEX:
        return box->OnSetTopIndex(wParam);
    case LB_GETITEMRECT:
        return box->OnGetItemRect(wParam, lParam);
    case LB_ITEMFROMPOINT:
        return box->OnItemFromPoint(lParam);
    case LB_SETITEMHEIGHT:
        return box->OnSetItemHeight(lParam);
    case LB_GETITEMHEIGHT:
        return box->OnGetItemHeight();
    case LB_SETCARETINDEX:
        return box->OnSetCaretIndex(wParam, lParam);
    case LB_GETCARETINDEX:
        return box->OnGetCaretIndex();
    case LB_SETANCHORINDEX:
        return box->OnSetAnchorIndex(wParam);
    case LB_GETANCHORINDEX:
        return box->OnGetAnchorIndex();
    case LB_INITSTORAGE:
        return box->OnInitStorage(wParam);
    case LB_SETHORIZONTALEXTENT:
        return box->OnSetHorizontalExtent(wParam);
    case LB_GETHORIZONTALEXTENT:
        return box->OnGetHorizontalExtent();
    case LB_SETTABSTOPS:
        return box->OnSetTabStops();
    case LB_SETLOCALE:
        return box->OnSetLocale(wParam);
    case LB_GETLOCALE:
        return box->OnGetLocale();
    case LB_SETCOLUMNWIDTH:
        return 0; // one column only
    case LB_DIR:
    case LB_ADDFILE:
    case LB_SETCOUNT:
        return LB_ERR;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

WNDCLASSA ListClass(UINT style, LPCSTR name) {
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = ListBoxProc;
    wc.cbWndExtra = sizeof(void *);
    wc.lpszClassName = name;
    return wc;
}

const SystemClassRegistrar s_listBoxClass(ListClass(CS_DBLCLKS, "ListBox"));
const SystemClassRegistrar s_comboListClass(ListClass(CS_DBLCLKS | CS_SAVEBITS, kComboListClassName));

} // namespace
} // namespace win32::user::controls
