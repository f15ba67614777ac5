// The "ComboBox" class: the three kinds, the dropped list and its notifications, the edit of a
// drop-down combo, owner-draw, and what is and is not told to the parent.
#include "list_parent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using listtest::ListParent;
using listtest::VisibleComboList;

constexpr int kComboId = 300;

class ComboBoxTest : public ::testing::Test {
protected:
    HWND Add(DWORD style, int id = kComboId) { return m_parent.Add("ComboBox", style, id, 10, 10, 150, 150); }
    static LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(window, message, wParam, lParam);
    }
    static LRESULT AddString(HWND combo, const char *text) {
        return Send(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    static void AddStrings(HWND combo, std::initializer_list<const char *> texts) {
        for (const char *text : texts) {
            AddString(combo, text);
        }
    }
    static std::string ItemText(HWND combo, int index) {
        char buffer[256] = {};
        return Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)) == CB_ERR
                   ? "<err>"
                   : buffer;
    }
    static std::string WindowText(HWND window) {
        char buffer[256] = {};
        GetWindowTextA(window, buffer, sizeof(buffer));
        return buffer;
    }
    static LRESULT Find(HWND combo, UINT message, int start, const char *text) {
        return Send(combo, message, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
    }
    static bool Dropped(HWND combo) { return Send(combo, CB_GETDROPPEDSTATE) != FALSE; }
    static void ClickListItem(HWND list, int index) {
        RECT rect{};
        ASSERT_NE(Send(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)), LB_ERR);
        const LPARAM point = MAKELPARAM(rect.left + 5, (rect.top + rect.bottom) / 2);
        Send(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
        Send(list, WM_LBUTTONUP, 0, point);
    }
    ListParent m_parent;
};

// ---- items and selection through messages: no notifications ----

TEST_F(ComboBoxTest, SetCurSelIsSilentAndShowsTheItemAsTheWindowText) {
    HWND combo = Add(CBS_DROPDOWNLIST | CBS_SORT);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(AddString(combo, "banana"), 0);
    EXPECT_EQ(AddString(combo, "Apple"), 0);
    EXPECT_EQ(AddString(combo, "cherry"), 2);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 1), 1);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(WindowText(combo), "banana");
    EXPECT_EQ(GetWindowTextLengthA(combo), 6);
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 3), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(Send(combo, CB_SETCURSEL, static_cast<WPARAM>(-1)), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(WindowText(combo), "");
    EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(ComboBoxTest, FindStringExactStartsAfterTheIndexAndWraps) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"One", "two", "ONE", "three", "one more"});
    EXPECT_EQ(Find(combo, CB_FINDSTRINGEXACT, -1, "one"), 0);
    EXPECT_EQ(Find(combo, CB_FINDSTRINGEXACT, 0, "one"), 2);
    EXPECT_EQ(Find(combo, CB_FINDSTRINGEXACT, 2, "one"), 0);
    EXPECT_EQ(Find(combo, CB_FINDSTRINGEXACT, 4, "TWO"), 1);
    EXPECT_EQ(Find(combo, CB_FINDSTRINGEXACT, -1, "on"), CB_ERR);
    EXPECT_EQ(Find(combo, CB_FINDSTRING, 2, "one"), 4);
    EXPECT_EQ(Find(combo, CB_FINDSTRING, -1, "four"), CB_ERR);
}

TEST_F(ComboBoxTest, SelectStringSelectsThePrefixMatchSilently) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"red", "green", "grey"});
    EXPECT_EQ(Find(combo, CB_SELECTSTRING, 1, "gr"), 2);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(WindowText(combo), "grey");
    EXPECT_EQ(Find(combo, CB_SELECTSTRING, -1, "blue"), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(ComboBoxTest, ItemMessagesAnswerCbErrForBadIndexes) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"a", "bb"});
    EXPECT_EQ(ItemText(combo, 2), "<err>");
    EXPECT_EQ(Send(combo, CB_GETLBTEXTLEN, 1), 2);
    EXPECT_EQ(Send(combo, CB_GETLBTEXTLEN, 2), CB_ERR);
    EXPECT_EQ(Send(combo, CB_SETITEMDATA, 1, 77), TRUE);
    EXPECT_EQ(Send(combo, CB_GETITEMDATA, 1), 77);
    EXPECT_EQ(Send(combo, CB_GETITEMDATA, 5), CB_ERR);
    EXPECT_EQ(Send(combo, CB_DELETESTRING, 5), CB_ERR);
    EXPECT_EQ(Send(combo, CB_DELETESTRING, 0), 1);
    EXPECT_EQ(ItemText(combo, 0), "bb");
    EXPECT_EQ(Send(combo, CB_GETEDITSEL), CB_ERR); // a drop-down list has no edit
    EXPECT_EQ(Send(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, 1)), CB_ERR);
    EXPECT_EQ(Send(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 0), CB_ERR);
    EXPECT_EQ(Send(combo, CB_DIR, 0, reinterpret_cast<LPARAM>("*.*")), CB_ERR);
}

TEST_F(ComboBoxTest, SortedUppercaseComboConvertsItemsAndInsertStringDoesNotSort) {
    HWND combo = Add(CBS_DROPDOWNLIST | CBS_SORT | CBS_UPPERCASE);
    AddStrings(combo, {"pear", "apple"});
    EXPECT_EQ(ItemText(combo, 0), "APPLE");
    EXPECT_EQ(ItemText(combo, 1), "PEAR");
    EXPECT_EQ(Send(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("zed")), 0);
    EXPECT_EQ(ItemText(combo, 0), "ZED");
    Send(combo, CB_SETCURSEL, 1);
    Send(combo, CB_RESETCONTENT);
    EXPECT_EQ(Send(combo, CB_GETCOUNT), 0);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
}

TEST_F(ComboBoxTest, SetTextOnADropDownListSelectsTheExactItemOrFails) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"alpha", "beta"});
    EXPECT_EQ(Send(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("BETA")), TRUE);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(Send(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("bet")), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    EXPECT_TRUE(m_parent.commands.empty());
}

// ---- geometry ----

TEST_F(ComboBoxTest, TheWindowIsTheFieldAndTheCreationHeightIsTheDroppedList) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    RECT window{};
    GetWindowRect(combo, &window);
    EXPECT_LT(window.bottom - window.top, 40);
    EXPECT_GT(window.bottom - window.top, static_cast<LONG>(Send(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1))));
    RECT dropped{};
    EXPECT_TRUE(Send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)));
    EXPECT_EQ(dropped.top, window.top);
    EXPECT_EQ(dropped.left, window.left);
    EXPECT_EQ(dropped.bottom - dropped.top, 150);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDWIDTH), 150);
    EXPECT_EQ(Send(combo, CB_SETDROPPEDWIDTH, 200), 200);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDWIDTH), 200);
}

// ---- the user at a drop-down list ----

TEST_F(ComboBoxTest, ArrowsAndLettersOnAClosedDropDownListSelectAndNotify) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"apple", "banana", "cherry"});
    SetFocus(combo);
    EXPECT_EQ(GetFocus(), combo);
    Send(combo, WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 0);
    Send(combo, WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    Send(combo, WM_CHAR, 'c');
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(WindowText(combo), "cherry");
    Send(combo, WM_KEYDOWN, VK_DOWN); // already the last item
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(m_parent.Codes(combo), (std::vector<int>{CBN_SETFOCUS, CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE}));
    EXPECT_EQ(m_parent.commands.back().id, kComboId);
}

TEST_F(ComboBoxTest, KeyboardDropDownNotifiesInOrderAndWantsAllKeysOnlyWhileDropped) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"a", "b", "c"});
    SetFocus(combo);
    m_parent.Clear();
    std::vector<bool> droppedDuring;
    m_parent.onCommand = [&](const listtest::Command &command) { droppedDuring.push_back(Dropped(combo)); };
    EXPECT_FALSE(Send(combo, WM_GETDLGCODE) & DLGC_WANTALLKEYS);

    Send(combo, WM_KEYDOWN, VK_F4);
    EXPECT_TRUE(Dropped(combo));
    EXPECT_NE(VisibleComboList(), nullptr);
    EXPECT_TRUE(Send(combo, WM_GETDLGCODE) & DLGC_WANTALLKEYS);
    Send(combo, WM_KEYDOWN, VK_DOWN);
    Send(combo, WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(VisibleComboList(), nullptr);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 0);
    EXPECT_EQ(m_parent.Codes(combo), (std::vector<int>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    // CBN_DROPDOWN comes before the list shows, CBN_CLOSEUP after it is gone.
    m_parent.onCommand = nullptr;
    ASSERT_EQ(droppedDuring.size(), 4u);
    EXPECT_FALSE(droppedDuring.front());
    EXPECT_FALSE(droppedDuring.back());

    m_parent.Clear();
    Send(combo, WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
    EXPECT_TRUE(Dropped(combo));
    Send(combo, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(m_parent.Codes(combo), (std::vector<int>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
    EXPECT_FALSE(Send(combo, WM_GETDLGCODE) & DLGC_WANTALLKEYS);
}

TEST_F(ComboBoxTest, ClickingAnItemInTheDroppedListChoosesIt) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"a", "b", "c"});
    SetFocus(combo);
    m_parent.Clear();
    EXPECT_TRUE(Send(combo, CB_SHOWDROPDOWN, TRUE));
    HWND list = VisibleComboList();
    ASSERT_NE(list, nullptr);
    ClickListItem(list, 2);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(GetFocus(), combo);
    EXPECT_EQ(m_parent.Codes(combo), (std::vector<int>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, ClicksOnTheFieldOpenAndCloseTheList) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"a"});
    Send(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    Send(combo, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
    EXPECT_TRUE(Dropped(combo));
    EXPECT_EQ(GetFocus(), combo);
    Send(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(m_parent.Codes(combo),
              (std::vector<int>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, LosingTheFocusWhileDroppedCancelsAndCloses) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"a"});
    SetFocus(combo);
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    m_parent.Clear();
    SetFocus(m_parent.Hwnd());
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(m_parent.Codes(combo), (std::vector<int>{CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
}

TEST_F(ComboBoxTest, AClickOutsideTheDroppedListCancelsIt) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"a", "b"});
    Send(combo, CB_SETCURSEL, 1);
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    HWND list = VisibleComboList();
    ASSERT_NE(list, nullptr);
    m_parent.Clear();
    Send(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, static_cast<WORD>(-20)));
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(m_parent.Codes(combo), (std::vector<int>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, ExtendedUiOpensTheListWithTheDownArrow) {
    HWND combo = Add(CBS_DROPDOWNLIST);
    AddStrings(combo, {"a", "b"});
    Send(combo, CB_SETEXTENDEDUI, TRUE);
    EXPECT_EQ(Send(combo, CB_GETEXTENDEDUI), TRUE);
    Send(combo, WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(Dropped(combo));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    Send(combo, CB_SHOWDROPDOWN, FALSE);
    EXPECT_FALSE(Dropped(combo));
}

TEST_F(ComboBoxTest, DisabledComboIgnoresKeysAndClicks) {
    HWND combo = Add(CBS_DROPDOWNLIST | WS_DISABLED);
    AddStrings(combo, {"a", "b"});
    Send(combo, WM_KEYDOWN, VK_DOWN);
    Send(combo, WM_KEYDOWN, VK_F4);
    Send(combo, WM_CHAR, 'b');
    Send(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_TRUE(m_parent.commands.empty());
}

// ---- the drop-down combo and its edit ----

class DropDownComboTest : public ComboBoxTest {
protected:
    void SetUp() override {
        m_combo = Add(CBS_DROPDOWN | CBS_AUTOHSCROLL);
        ASSERT_NE(m_combo, nullptr);
        m_edit = GetDlgItem(m_combo, 1001);
        char className[16] = {};
        GetClassNameA(m_edit, className, sizeof(className));
        if (lstrcmpiA(className, "Edit") != 0) {
            GTEST_SKIP() << "no Edit class";
        }
        AddStrings(m_combo, {"north", "south"});
        m_parent.Clear();
    }
    HWND m_combo = nullptr;
    HWND m_edit = nullptr;
};

TEST_F(DropDownComboTest, SetCurSelAndSetTextFillTheEditWithoutEditNotifications) {
    EXPECT_EQ(GetWindowLongA(m_edit, GWL_STYLE) & ES_AUTOHSCROLL, ES_AUTOHSCROLL);
    Send(m_combo, CB_SETCURSEL, 1);
    EXPECT_EQ(WindowText(m_edit), "south");
    EXPECT_EQ(WindowText(m_combo), "south");
    SetWindowTextA(m_combo, "free text");
    EXPECT_EQ(WindowText(m_edit), "free text");
    EXPECT_EQ(GetWindowTextLengthA(m_combo), 9);
    Send(m_combo, CB_SETCURSEL, static_cast<WPARAM>(-1));
    EXPECT_EQ(WindowText(m_edit), "");
    EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(DropDownComboTest, TypingIntoTheEditIsForwardedAsEditNotifications) {
    SetFocus(m_combo);
    EXPECT_EQ(GetFocus(), m_edit);
    Send(m_edit, WM_CHAR, 'x');
    EXPECT_EQ(WindowText(m_combo), "x");
    const std::vector<int> codes = m_parent.Codes(m_combo);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), CBN_SETFOCUS);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_SETFOCUS), 1);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_EDITCHANGE), 1);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_EDITUPDATE), 1);
    m_parent.Clear();
    SetFocus(m_parent.Hwnd());
    EXPECT_EQ(m_parent.Codes(m_combo), (std::vector<int>{CBN_KILLFOCUS}));
}

TEST_F(DropDownComboTest, ArrowsInTheEditSelectItemsAndF4DropsTheList) {
    SetFocus(m_combo);
    m_parent.Clear();
    Send(m_edit, WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(Send(m_combo, CB_GETCURSEL), 0);
    EXPECT_EQ(WindowText(m_edit), "north");
    Send(m_edit, WM_KEYDOWN, VK_F4);
    EXPECT_TRUE(Dropped(m_combo));
    EXPECT_TRUE(Send(m_edit, WM_GETDLGCODE) & DLGC_WANTALLKEYS);
    Send(m_edit, WM_KEYDOWN, VK_DOWN);
    Send(m_edit, WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(Dropped(m_combo));
    EXPECT_EQ(WindowText(m_edit), "south");
    EXPECT_EQ(m_parent.Codes(m_combo),
              (std::vector<int>{CBN_SELCHANGE, CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(DropDownComboTest, EditSelectionAndLimitGoToTheEdit) {
    SetWindowTextA(m_combo, "abcdef");
    EXPECT_EQ(Send(m_combo, CB_LIMITTEXT, 3), TRUE);
    EXPECT_EQ(Send(m_edit, EM_GETLIMITTEXT), 3);
    EXPECT_EQ(Send(m_combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 4)), TRUE);
    DWORD start = 0;
    DWORD end = 0;
    const LRESULT packed =
        Send(m_combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 4u);
    EXPECT_EQ(packed, MAKELONG(1, 4));
    Send(m_combo, CB_RESETCONTENT);
    EXPECT_EQ(WindowText(m_edit), "");
}

// ---- owner-draw ----

TEST_F(ComboBoxTest, OwnerDrawComboMeasuresFieldAndItemsAndDrawsTheEmptyField) {
    m_parent.measureHeight = 18;
    HWND combo = Add(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 301);
    ASSERT_EQ(m_parent.measures.size(), 2u);
    std::vector<UINT> ids{m_parent.measures[0].itemID, m_parent.measures[1].itemID};
    EXPECT_NE(std::find(ids.begin(), ids.end(), static_cast<UINT>(-1)), ids.end());
    EXPECT_NE(std::find(ids.begin(), ids.end(), 0u), ids.end());
    for (const MEASUREITEMSTRUCT &measure : m_parent.measures) {
        EXPECT_EQ(measure.CtlType, static_cast<UINT>(ODT_COMBOBOX));
        EXPECT_EQ(measure.CtlID, 301u);
    }
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)), 18);
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, 0), 18);

    m_parent.draws.clear();
    InvalidateRect(combo, nullptr, TRUE);
    UpdateWindow(combo);
    ASSERT_EQ(m_parent.draws.size(), 1u);
    EXPECT_EQ(m_parent.draws[0].itemID, static_cast<UINT>(-1));
    EXPECT_TRUE(m_parent.draws[0].itemState & ODS_COMBOBOXEDIT);
    EXPECT_EQ(m_parent.draws[0].CtlType, static_cast<UINT>(ODT_COMBOBOX));

    Send(combo, CB_ADDSTRING, 0, 0xBEEF);
    DWORD data = 0;
    EXPECT_EQ(Send(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(&data)), 4);
    EXPECT_EQ(data, 0xBEEFu);
    Send(combo, CB_SETCURSEL, 0);
    m_parent.draws.clear();
    InvalidateRect(combo, nullptr, TRUE);
    UpdateWindow(combo);
    ASSERT_EQ(m_parent.draws.size(), 1u);
    EXPECT_EQ(m_parent.draws[0].itemID, 0u);
    EXPECT_EQ(m_parent.draws[0].itemData, 0xBEEFu);
    Send(combo, CB_DELETESTRING, 0);
    ASSERT_EQ(m_parent.deletes.size(), 1u);
    EXPECT_EQ(m_parent.deletes[0].CtlType, static_cast<UINT>(ODT_COMBOBOX));
    EXPECT_EQ(m_parent.deletes[0].itemData, 0xBEEFu);
}

} // namespace
