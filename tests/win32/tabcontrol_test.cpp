// The tab control: items, the program's selection (silent) against the user's (TCN_SELCHANGING
// with its veto, then TCN_SELCHANGE), geometry, and the classic look.
#include "control_parent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kTabId = 300;

class TabControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        m_tab = m_parent.Add(WC_TABCONTROLA, "", WS_TABSTOP, kTabId, 10, 10, 300, 200);
        ASSERT_NE(m_tab, nullptr);
    }
    int Insert(int index, const char *text, LPARAM param = 0) {
        TCITEMA item{};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = const_cast<char *>(text);
        item.lParam = param;
        return TabCtrl_InsertItem(m_tab, index, &item);
    }
    void InsertThree() {
        Insert(0, "One");
        Insert(1, "Two");
        Insert(2, "Three");
        m_parent.Clear();
    }
    std::string Text(int index) {
        char buffer[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        if (!SendMessageA(m_tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) {
            return "<none>";
        }
        return buffer;
    }
    RECT ItemRect(int index) {
        RECT rect{};
        EXPECT_TRUE(SendMessageA(m_tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect)));
        return rect;
    }
    void ClickItem(int index) {
        const RECT rect = ItemRect(index);
        const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageA(m_tab, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(m_tab, WM_LBUTTONUP, 0, point);
    }
    // The selection notifications, leaving out NM_CLICK and TCN_KEYDOWN.
    std::vector<UINT> SelectionCodes() const {
        std::vector<UINT> codes;
        for (UINT code : m_parent.NotifyCodes()) {
            if (code == TCN_SELCHANGING || code == TCN_SELCHANGE) {
                codes.push_back(code);
            }
        }
        return codes;
    }

    ControlParent m_parent;
    HWND m_tab = nullptr;
};

const std::vector<UINT> kSelectionChange{TCN_SELCHANGING, TCN_SELCHANGE};

// ---- items ----

TEST_F(TabControlTest, InsertReturnsTheIndexAndClampsPastTheEnd) {
    EXPECT_EQ(Insert(0, "B"), 0);
    EXPECT_EQ(Insert(0, "A"), 0);
    EXPECT_EQ(Insert(99, "C", 1234), 2);
    EXPECT_EQ(TabCtrl_GetItemCount(m_tab), 3);
    EXPECT_EQ(Text(0), "A");
    EXPECT_EQ(Text(1), "B");
    EXPECT_EQ(Text(2), "C");
    EXPECT_EQ(Text(3), "<none>");
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    ASSERT_TRUE(SendMessageA(m_tab, TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(item.lParam, 1234);
    EXPECT_EQ(Insert(-1, "bad"), -1);
    EXPECT_TRUE(m_parent.notifies.empty());
}

TEST_F(TabControlTest, GetItemTruncatesToTheCallersBuffer) {
    Insert(0, "Properties");
    char buffer[5] = {'x', 'x', 'x', 'x', 'x'};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    ASSERT_TRUE(SendMessageA(m_tab, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(buffer, "Prop");
}

TEST_F(TabControlTest, SetItemChangesOnlyTheMaskedFields) {
    Insert(0, "Old", 7);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char *>("New");
    EXPECT_TRUE(SendMessageA(m_tab, TCM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_FALSE(SendMessageA(m_tab, TCM_SETITEMA, 5, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(Text(0), "New");
    TCITEMA read{};
    read.mask = TCIF_PARAM;
    SendMessageA(m_tab, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&read));
    EXPECT_EQ(read.lParam, 7);
}

TEST_F(TabControlTest, DeletingKeepsTheSelectionOnItsItem) {
    InsertThree();
    TabCtrl_SetCurSel(m_tab, 2);
    EXPECT_TRUE(TabCtrl_DeleteItem(m_tab, 0));
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 1);
    EXPECT_EQ(Text(1), "Three");
    EXPECT_TRUE(TabCtrl_DeleteItem(m_tab, 1)); // the selected one
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), -1);
    EXPECT_FALSE(TabCtrl_DeleteItem(m_tab, 5));
    EXPECT_TRUE(SendMessageA(m_tab, TCM_DELETEALLITEMS, 0, 0));
    EXPECT_EQ(TabCtrl_GetItemCount(m_tab), 0);
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), -1);
    EXPECT_TRUE(m_parent.notifies.empty());
}

// ---- selection ----

TEST_F(TabControlTest, SetCurSelReturnsThePreviousAndNotifiesNobody) {
    InsertThree();
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 0);
    EXPECT_EQ(TabCtrl_SetCurSel(m_tab, 2), 0);
    EXPECT_EQ(TabCtrl_SetCurSel(m_tab, 1), 2);
    EXPECT_EQ(TabCtrl_SetCurSel(m_tab, 3), -1);
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 1);
    EXPECT_EQ(SendMessageA(m_tab, TCM_GETCURFOCUS, 0, 0), 1);
    EXPECT_TRUE(m_parent.notifies.empty());
}

TEST_F(TabControlTest, ClickSelectsWithChangingThenChange) {
    InsertThree();
    ClickItem(2);
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 2);
    ASSERT_EQ(SelectionCodes(), kSelectionChange);
    const NotifyRecord &changing = m_parent.notifies[0];
    EXPECT_EQ(changing.header.hwndFrom, m_tab);
    EXPECT_EQ(changing.header.idFrom, static_cast<UINT_PTR>(kTabId));
    EXPECT_EQ(changing.selectionDuringCall, 0); // still the old tab while the parent decides
    EXPECT_EQ(m_parent.notifies[1].selectionDuringCall, 2);
    // Clicking the selected tab changes nothing.
    m_parent.Clear();
    ClickItem(2);
    EXPECT_TRUE(SelectionCodes().empty());
}

TEST_F(TabControlTest, VetoedChangeKeepsTheSelection) {
    InsertThree();
    m_parent.notifyAnswer = [](const NMHDR &header) -> LRESULT { return header.code == TCN_SELCHANGING; };
    ClickItem(1);
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 0);
    EXPECT_EQ(SelectionCodes(), std::vector<UINT>{TCN_SELCHANGING});
    m_parent.Clear();
    SendMessageA(m_tab, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 0);
    EXPECT_EQ(SelectionCodes(), std::vector<UINT>{TCN_SELCHANGING});
}

TEST_F(TabControlTest, ArrowKeysSelectNeighboursAfterTcnKeyDown) {
    InsertThree();
    SendMessageA(m_tab, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 1);
    ASSERT_EQ(m_parent.NotifyCodes(), (std::vector<UINT>{TCN_KEYDOWN, TCN_SELCHANGING, TCN_SELCHANGE}));
    EXPECT_EQ(m_parent.notifies[0].key, VK_RIGHT);
    SendMessageA(m_tab, WM_KEYDOWN, VK_LEFT, 0);
    SendMessageA(m_tab, WM_KEYDOWN, VK_LEFT, 0); // already at the first tab: no wrap
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 0);
    m_parent.Clear();
    SendMessageA(m_tab, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(m_parent.NotifyCodes(), std::vector<UINT>{TCN_KEYDOWN});
    // Ctrl+Tab is the property sheet's business: the control only reports the key.
    m_parent.Clear();
    SendMessageA(m_tab, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(m_parent.NotifyCodes(), std::vector<UINT>{TCN_KEYDOWN});
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 0);
}

TEST_F(TabControlTest, SetCurFocusSelectsLikeTheUser) {
    InsertThree();
    SendMessageA(m_tab, TCM_SETCURFOCUS, 2, 0);
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 2);
    EXPECT_EQ(SendMessageA(m_tab, TCM_GETCURFOCUS, 0, 0), 2);
    EXPECT_EQ(SelectionCodes(), kSelectionChange);
}

TEST_F(TabControlTest, DisabledControlIgnoresClicksAndKeys) {
    InsertThree();
    EnableWindow(m_tab, FALSE);
    ClickItem(1);
    SendMessageA(m_tab, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(TabCtrl_GetCurSel(m_tab), 0);
    EXPECT_TRUE(m_parent.notifies.empty());
}

// ---- geometry ----

TEST_F(TabControlTest, AdjustRectGoesBothWaysAndSitsBelowTheTabs) {
    InsertThree();
    RECT window{10, 10, 310, 210};
    RECT display = window;
    TabCtrl_AdjustRect(m_tab, FALSE, &display);
    const RECT item = ItemRect(0);
    EXPECT_GT(display.left, window.left);
    EXPECT_GT(display.top, window.top + item.bottom);
    EXPECT_LT(display.right, window.right);
    EXPECT_LT(display.bottom, window.bottom);
    TabCtrl_AdjustRect(m_tab, TRUE, &display);
    EXPECT_TRUE(EqualRect(&display, &window));
}

TEST_F(TabControlTest, ItemsLieSideBySideAndHitTestFindsThem) {
    InsertThree();
    const RECT first = ItemRect(0);
    const RECT second = ItemRect(1);
    EXPECT_EQ(first.right, second.left);
    EXPECT_EQ(first.top, second.top);
    EXPECT_GT(first.right - first.left, 0);
    TCHITTESTINFO hit{};
    hit.pt = POINT{(second.left + second.right) / 2, (second.top + second.bottom) / 2};
    EXPECT_EQ(SendMessageA(m_tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    EXPECT_TRUE(hit.flags & TCHT_ONITEM);
    hit.pt = POINT{150, 150};
    EXPECT_EQ(SendMessageA(m_tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    EXPECT_EQ(hit.flags, static_cast<UINT>(TCHT_NOWHERE));
    RECT none{};
    EXPECT_FALSE(SendMessageA(m_tab, TCM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&none)));
}

TEST_F(TabControlTest, ItemSizeAndMinimumWidth) {
    SetWindowLongA(m_tab, GWL_STYLE, GetWindowLongA(m_tab, GWL_STYLE) | TCS_FIXEDWIDTH);
    InsertThree();
    SendMessageA(m_tab, TCM_SETITEMSIZE, 0, MAKELPARAM(70, 25));
    RECT item = ItemRect(1);
    EXPECT_EQ(item.right - item.left, 70);
    EXPECT_EQ(item.bottom - item.top, 25);
    SetWindowLongA(m_tab, GWL_STYLE, GetWindowLongA(m_tab, GWL_STYLE) & ~TCS_FIXEDWIDTH);
    EXPECT_EQ(SendMessageA(m_tab, TCM_SETMINTABWIDTH, 0, 150), -1);
    item = ItemRect(0);
    EXPECT_EQ(item.right - item.left, 150);
    EXPECT_EQ(SendMessageA(m_tab, TCM_SETMINTABWIDTH, 0, -1), 150);
    EXPECT_EQ(SendMessageA(m_tab, TCM_GETROWCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(m_tab, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
    EXPECT_TRUE(InitCommonControlsEx(&init));
}

// ---- painting ----

TEST_F(TabControlTest, SelectedTabStandsTallerAndJoinsTheRaisedBody) {
    InsertThree();
    TabCtrl_SetCurSel(m_tab, 1);
    const RECT selected = ItemRect(1);
    const RECT other = ItemRect(2);
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    const COLORREF white = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int selectedMiddle = (selected.left + selected.right) / 2;
    const int otherMiddle = (other.left + other.right) / 2;
    // Top edges: the selected tab's 2 px above the others'.
    EXPECT_EQ(picture.At(m_tab, selectedMiddle, selected.top - 2), white);
    EXPECT_EQ(picture.At(m_tab, otherMiddle, other.top), white);
    EXPECT_EQ(picture.At(m_tab, otherMiddle, other.top - 2), face);
    // Body: highlight top line under the unselected tab, none under the selected one.
    EXPECT_EQ(picture.At(m_tab, otherMiddle, other.bottom), white);
    EXPECT_EQ(picture.At(m_tab, selectedMiddle, selected.bottom), face);
    // The body's left side is raised (highlight) and its face is button face.
    EXPECT_EQ(picture.At(m_tab, 0, 150), white);
    EXPECT_EQ(picture.At(m_tab, 150, 150), face);
    EXPECT_EQ(picture.At(m_tab, 299, 150), GetSysColor(COLOR_3DDKSHADOW));
}

} // namespace
