// The "ListBox" class: items, selection, searching, owner-draw and what it tells its parent.
#include "control_parent.h"
#include "list_parent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using listtest::ListParent;

class ListBoxTest : public ::testing::Test {
protected:
    HWND Add(DWORD style, int id = 100, int height = 100) {
        return m_parent.Add("ListBox", style, id, 10, 10, 150, height);
    }
    static LRESULT Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(list, message, wParam, lParam);
    }
    static LRESULT AddString(HWND list, const char *text) {
        return Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    static void AddStrings(HWND list, std::initializer_list<const char *> texts) {
        for (const char *text : texts) {
            AddString(list, text);
        }
    }
    static std::string Text(HWND list, int index) {
        char buffer[256] = {};
        return Send(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)) == LB_ERR ? "<err>"
                                                                                                               : buffer;
    }
    static std::vector<std::string> Texts(HWND list) {
        std::vector<std::string> texts;
        for (int i = 0; i < Send(list, LB_GETCOUNT); ++i) {
            texts.push_back(Text(list, i));
        }
        return texts;
    }
    static LRESULT Find(HWND list, UINT message, int start, const char *text) {
        return Send(list, message, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
    }
    // A click in the middle of the item's row (the item must be visible).
    static void Click(HWND list, int index, WPARAM keys = 0) {
        const int height = static_cast<int>(Send(list, LB_GETITEMHEIGHT));
        const int top = static_cast<int>(Send(list, LB_GETTOPINDEX));
        const LPARAM point = MAKELPARAM(20, (index - top) * height + height / 2);
        Send(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
        Send(list, WM_LBUTTONUP, keys, point);
    }
    static std::vector<int> SelectedItems(HWND list) {
        std::vector<int> items(static_cast<size_t>(Send(list, LB_GETCOUNT)) + 1, -1);
        const LRESULT count = Send(list, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
        items.resize(count < 0 ? 0 : static_cast<size_t>(count));
        return items;
    }
    ListParent m_parent;
};

// ---- items: sorted and unsorted insertion, deletion, text and data ----

TEST_F(ListBoxTest, SortedListInsertsCaseInsensitivelyAndReturnsThePosition) {
    HWND list = Add(LBS_SORT);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(AddString(list, "pear"), 0);
    EXPECT_EQ(AddString(list, "Apple"), 0);
    EXPECT_EQ(AddString(list, "banana"), 1);
    EXPECT_EQ(AddString(list, "apricot"), 1);
    EXPECT_EQ(AddString(list, "Zucchini"), 4);
    EXPECT_EQ(AddString(list, "BANANA"), 3); // after the equal item already there
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"Apple", "apricot", "banana", "BANANA", "pear", "Zucchini"}));
    // LB_INSERTSTRING never sorts, even in a sorted list.
    EXPECT_EQ(Send(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("zzz")), 0);
    EXPECT_EQ(Text(list, 0), "zzz");
}

TEST_F(ListBoxTest, UnsortedListAppendsAndInsertsWhereAsked) {
    HWND list = Add(0);
    EXPECT_EQ(AddString(list, "b"), 0);
    EXPECT_EQ(AddString(list, "a"), 1);
    EXPECT_EQ(Send(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("end")), 2);
    EXPECT_EQ(Send(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("mid")), 1);
    EXPECT_EQ(Send(list, LB_INSERTSTRING, 9, reinterpret_cast<LPARAM>("far")), LB_ERR);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"b", "mid", "a", "end"}));
    EXPECT_EQ(Send(list, LB_GETTEXTLEN, 1), 3);
}

TEST_F(ListBoxTest, DeleteReturnsTheCountLeftAndBadIndexesAnswerLbErr) {
    HWND list = Add(0);
    AddStrings(list, {"one", "two", "three"});
    EXPECT_EQ(Send(list, LB_DELETESTRING, 1), 2);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(Send(list, LB_DELETESTRING, 2), LB_ERR);
    EXPECT_EQ(Send(list, LB_DELETESTRING, static_cast<WPARAM>(-1)), LB_ERR);
    char buffer[16];
    EXPECT_EQ(Send(list, LB_GETTEXT, 5, reinterpret_cast<LPARAM>(buffer)), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETTEXTLEN, 5), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 5), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETITEMDATA, 5, 1), LB_ERR);
    Send(list, LB_RESETCONTENT);
    EXPECT_EQ(Send(list, LB_GETCOUNT), 0);
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
}

TEST_F(ListBoxTest, ItemDataFollowsItsItemThroughInsertionsAndDeletions) {
    HWND list = Add(LBS_SORT);
    Send(list, LB_SETITEMDATA, static_cast<WPARAM>(AddString(list, "m")), 13);
    Send(list, LB_SETITEMDATA, static_cast<WPARAM>(AddString(list, "z")), 26);
    AddString(list, "a");
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 0), 0);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 1), 13);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 2), 26);
    Send(list, LB_DELETESTRING, 1);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 1), 26);
}

// ---- searching ----

TEST_F(ListBoxTest, FindStringMatchesPrefixesAfterTheStartAndWraps) {
    HWND list = Add(0);
    AddStrings(list, {"alpha", "beta", "Alphabet", "gamma", "ALP"});
    EXPECT_EQ(Find(list, LB_FINDSTRING, -1, "alp"), 0);
    EXPECT_EQ(Find(list, LB_FINDSTRING, 0, "alp"), 2);
    EXPECT_EQ(Find(list, LB_FINDSTRING, 2, "alp"), 4);
    EXPECT_EQ(Find(list, LB_FINDSTRING, 4, "alp"), 0); // wrapped around
    EXPECT_EQ(Find(list, LB_FINDSTRING, -1, "delta"), LB_ERR);
}

TEST_F(ListBoxTest, FindStringExactMatchesWholeStringsOnlyWithTheSameStartRules) {
    HWND list = Add(0);
    AddStrings(list, {"Red", "red ", "green", "RED", "blue"});
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, -1, "red"), 0);
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, 0, "red"), 3);
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, 3, "red"), 0);
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, 1, "RED"), 3);
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, -1, "gree"), LB_ERR);
    // The start item itself is searched last.
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, 2, "green"), 2);
}

TEST_F(ListBoxTest, SelectStringSelectsThePrefixMatchWithoutNotifying) {
    HWND list = Add(LBS_NOTIFY);
    AddStrings(list, {"apple", "banana", "blueberry"});
    EXPECT_EQ(Find(list, LB_SELECTSTRING, -1, "bl"), 2);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
    EXPECT_EQ(Find(list, LB_SELECTSTRING, -1, "cherry"), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
    EXPECT_TRUE(m_parent.commands.empty());
}

// ---- single selection: programmatic and user changes ----

TEST_F(ListBoxTest, SetCurSelSelectsSilentlyAndAnswersLbErrForMinusOneAndBadIndexes) {
    HWND list = Add(LBS_NOTIFY);
    AddStrings(list, {"a", "b", "c"});
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 1), 1);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    EXPECT_GT(Send(list, LB_GETSEL, 1), 0);
    EXPECT_EQ(Send(list, LB_GETSEL, 0), 0);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 7), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    EXPECT_EQ(Send(list, LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    EXPECT_TRUE(m_parent.commands.empty());
    // The multiple-selection messages do not apply to a single-selection list.
    EXPECT_EQ(Send(list, LB_SETSEL, TRUE, 0), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), LB_ERR);
    int items[4];
    EXPECT_EQ(Send(list, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(items)), LB_ERR);
}

TEST_F(ListBoxTest, SelectionStaysOnItsItemWhenItemsAreInsertedOrDeletedBeforeIt) {
    HWND list = Add(0);
    AddStrings(list, {"a", "b", "c"});
    Send(list, LB_SETCURSEL, 1);
    Send(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("first"));
    EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
    Send(list, LB_DELETESTRING, 0);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    Send(list, LB_DELETESTRING, 1);
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
}

TEST_F(ListBoxTest, ClickSelectsAndNotifiesOnlyWhenTheSelectionChanges) {
    HWND list = Add(LBS_NOTIFY, 7);
    AddStrings(list, {"a", "b", "c"});
    Click(list, 1);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    EXPECT_EQ(GetFocus(), list);
    ASSERT_FALSE(m_parent.commands.empty());
    EXPECT_EQ(m_parent.commands.back().id, 7);
    EXPECT_EQ(m_parent.Codes(list), (std::vector<int>{LBN_SETFOCUS, LBN_SELCHANGE}));
    m_parent.Clear();
    Click(list, 1);
    EXPECT_TRUE(m_parent.commands.empty());
    Send(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 2));
    EXPECT_EQ(m_parent.Codes(list), (std::vector<int>{LBN_DBLCLK}));
}

TEST_F(ListBoxTest, WithoutLbsNotifyTheParentHearsNothing) {
    HWND list = Add(0);
    AddStrings(list, {"a", "b"});
    SetFocus(list);
    Click(list, 1);
    Send(list, WM_KEYDOWN, VK_UP);
    SetFocus(m_parent.Hwnd());
    EXPECT_EQ(Send(list, LB_GETCURSEL), 0);
    EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(ListBoxTest, ArrowKeysMoveTheSelectionAndNotifyOnlyOnChange) {
    HWND list = Add(LBS_NOTIFY);
    AddStrings(list, {"a", "b", "c", "d"});
    Send(list, WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 0); // nothing selected: the first arrow selects the first item
    Send(list, WM_KEYDOWN, VK_DOWN);
    Send(list, WM_KEYDOWN, VK_END);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);
    Send(list, WM_KEYDOWN, VK_DOWN); // already at the end
    Send(list, WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 0);
    Send(list, WM_KEYDOWN, VK_UP);
    EXPECT_EQ(m_parent.Codes(list), std::vector<int>(4, LBN_SELCHANGE));
    EXPECT_EQ(Send(list, LB_GETCARETINDEX), 0);
}

TEST_F(ListBoxTest, TypedCharacterSelectsTheNextItemStartingWithIt) {
    HWND list = Add(LBS_NOTIFY);
    AddStrings(list, {"apple", "Banana", "cherry", "blueberry"});
    Send(list, WM_CHAR, 'b');
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    Send(list, WM_CHAR, 'B');
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);
    Send(list, WM_CHAR, 'b');
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    Send(list, WM_CHAR, 'x');
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    EXPECT_EQ(m_parent.Codes(list), std::vector<int>(3, LBN_SELCHANGE));
}

TEST_F(ListBoxTest, PageKeysMoveByAPageAndScrollTheCaretIntoView) {
    HWND list = Add(LBS_NOTIFY | LBS_NOINTEGRALHEIGHT);
    for (int i = 0; i < 50; ++i) {
        AddString(list, std::to_string(i).c_str());
    }
    RECT client;
    GetClientRect(list, &client);
    const int page = static_cast<int>(client.bottom / Send(list, LB_GETITEMHEIGHT));
    ASSERT_GT(page, 2);
    Send(list, LB_SETCURSEL, 0);
    Send(list, WM_KEYDOWN, VK_NEXT);
    EXPECT_EQ(Send(list, LB_GETCURSEL), page - 1);
    Send(list, WM_KEYDOWN, VK_END);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 49);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 50 - page);
    Send(list, WM_KEYDOWN, VK_PRIOR);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 49 - (page - 1));
}

TEST_F(ListBoxTest, DisabledListIgnoresMouseAndKeys) {
    HWND list = Add(LBS_NOTIFY | WS_DISABLED);
    AddStrings(list, {"a", "b"});
    Click(list, 1);
    Send(list, WM_KEYDOWN, VK_DOWN);
    Send(list, WM_CHAR, 'b');
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(ListBoxTest, FocusNotificationsAndDialogCode) {
    HWND list = Add(LBS_NOTIFY);
    SetFocus(list);
    SetFocus(m_parent.Hwnd());
    EXPECT_EQ(m_parent.Codes(list), (std::vector<int>{LBN_SETFOCUS, LBN_KILLFOCUS}));
    EXPECT_EQ(Send(list, WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

// ---- multiple and extended selection ----

TEST_F(ListBoxTest, MultipleSelectionIsSetItemByItemOrAllAtOnce) {
    HWND list = Add(LBS_MULTIPLESEL | LBS_NOTIFY);
    AddStrings(list, {"a", "b", "c", "d"});
    EXPECT_EQ(Send(list, LB_SETSEL, TRUE, 1), 0);
    EXPECT_EQ(Send(list, LB_SETSEL, TRUE, 3), 0);
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), 2);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{1, 3}));
    EXPECT_EQ(Send(list, LB_SETSEL, TRUE, 9), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 0), LB_ERR);
    Send(list, LB_SETSEL, TRUE, static_cast<LPARAM>(-1));
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), 4);
    Send(list, LB_SETSEL, FALSE, static_cast<LPARAM>(-1));
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), 0);
    Send(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(1, 2));
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{1, 2}));
    Send(list, LB_SELITEMRANGEEX, 0, 1);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{0, 1, 2}));
    Send(list, LB_SELITEMRANGEEX, 2, 1); // reversed: deselects
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{0}));
    // Capacity bounds what LB_GETSELITEMS writes.
    Send(list, LB_SETSEL, TRUE, static_cast<LPARAM>(-1));
    int two[3] = {-1, -1, -1};
    EXPECT_EQ(Send(list, LB_GETSELITEMS, 2, reinterpret_cast<LPARAM>(two)), 2);
    EXPECT_EQ(two[2], -1);
    EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(ListBoxTest, MultipleSelectionClickAndSpaceToggleWhileArrowsMoveOnlyTheCaret) {
    HWND list = Add(LBS_MULTIPLESEL | LBS_NOTIFY);
    AddStrings(list, {"a", "b", "c"});
    Click(list, 0);
    Click(list, 2);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{0, 2}));
    Click(list, 0);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{2}));
    Send(list, WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(Send(list, LB_GETCARETINDEX), 1);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1); // the caret item, in a multiple-selection list
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{2}));
    Send(list, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{1, 2}));
    std::vector<int> codes = m_parent.Codes(list);
    codes.erase(std::remove(codes.begin(), codes.end(), LBN_SETFOCUS), codes.end());
    EXPECT_EQ(codes, std::vector<int>(4, LBN_SELCHANGE));
}

TEST_F(ListBoxTest, ExtendedSelectionClicksWithShiftAndControl) {
    HWND list = Add(LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 100, 150);
    AddStrings(list, {"a", "b", "c", "d", "e"});
    Click(list, 1);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{1}));
    Click(list, 3, MK_SHIFT);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{1, 2, 3}));
    Click(list, 0, MK_CONTROL);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{0, 1, 2, 3}));
    Click(list, 2, MK_CONTROL);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(Send(list, LB_GETANCHORINDEX), 2);
    Click(list, 4);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{4}));
    // A plain arrow key selects only the new caret item.
    Send(list, WM_KEYDOWN, VK_UP);
    EXPECT_EQ(SelectedItems(list), (std::vector<int>{3}));
    EXPECT_EQ(Send(list, LB_SETANCHORINDEX, 1), 0);
    EXPECT_EQ(Send(list, LB_GETANCHORINDEX), 1);
    EXPECT_EQ(Send(list, LB_SETCARETINDEX, 9), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETCARETINDEX, 2), 0);
    EXPECT_EQ(Send(list, LB_GETCARETINDEX), 2);
}

// ---- geometry ----

TEST_F(ListBoxTest, TopIndexItemRectAndItemFromPoint) {
    HWND list = Add(LBS_NOINTEGRALHEIGHT);
    for (int i = 0; i < 20; ++i) {
        AddString(list, std::to_string(i).c_str());
    }
    const int height = static_cast<int>(Send(list, LB_GETITEMHEIGHT));
    EXPECT_EQ(Send(list, LB_SETTOPINDEX, 5), 0);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 5);
    EXPECT_EQ(Send(list, LB_SETTOPINDEX, 20), LB_ERR);
    RECT rect{};
    EXPECT_NE(Send(list, LB_GETITEMRECT, 7, reinterpret_cast<LPARAM>(&rect)), LB_ERR);
    EXPECT_EQ(rect.top, 2 * height);
    EXPECT_EQ(rect.bottom, 3 * height);
    EXPECT_EQ(Send(list, LB_GETITEMRECT, 20, reinterpret_cast<LPARAM>(&rect)), LB_ERR);
    const LRESULT hit = Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, height + 1));
    EXPECT_EQ(LOWORD(hit), 6);
    EXPECT_EQ(HIWORD(hit), 0);
    EXPECT_EQ(Send(list, LB_SETITEMHEIGHT, 0, 300), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETITEMHEIGHT, 0, 20), 0);
    EXPECT_EQ(Send(list, LB_GETITEMHEIGHT), 20);
}

TEST_F(ListBoxTest, IntegralHeightShrinksTheWindowToWholeItems) {
    HWND list = Add(0, 100, 105);
    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ(client.bottom % Send(list, LB_GETITEMHEIGHT), 0);
    HWND free = Add(LBS_NOINTEGRALHEIGHT, 101, 105);
    GetClientRect(free, &client);
    EXPECT_EQ(client.bottom, 105);
}

// ---- owner-draw ----

TEST_F(ListBoxTest, OwnerDrawWithoutStringsKeepsDataMeasuresOnceAndDrawsEachVisibleItem) {
    m_parent.measureHeight = 21;
    HWND list = Add(LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT, 55);
    ASSERT_EQ(m_parent.measures.size(), 1u);
    EXPECT_EQ(m_parent.measures[0].CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(m_parent.measures[0].CtlID, 55u);
    EXPECT_EQ(Send(list, LB_GETITEMHEIGHT), 21);
    Send(list, LB_ADDSTRING, 0, 0x1234);
    Send(list, LB_ADDSTRING, 0, 0x5678);
    DWORD data = 0;
    EXPECT_EQ(Send(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(&data)), 4);
    EXPECT_EQ(data, 0x5678u);
    EXPECT_EQ(Send(list, LB_GETTEXTLEN, 0), 4);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 0), 0x1234);
    EXPECT_EQ(Send(list, LB_FINDSTRING, static_cast<WPARAM>(-1), 0x5678), 1);
    Send(list, LB_SETCURSEL, 1);
    m_parent.draws.clear();
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    ASSERT_EQ(m_parent.draws.size(), 2u);
    const DRAWITEMSTRUCT &second = m_parent.draws[1];
    EXPECT_EQ(second.CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(second.CtlID, 55u);
    EXPECT_EQ(second.itemID, 1u);
    EXPECT_EQ(second.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_TRUE(second.itemState & ODS_SELECTED);
    EXPECT_FALSE(m_parent.draws[0].itemState & ODS_SELECTED);
    EXPECT_EQ(second.hwndItem, list);
    EXPECT_EQ(second.itemData, 0x5678u);
    EXPECT_EQ(second.rcItem.top, 21);
    EXPECT_EQ(second.rcItem.bottom, 42);
}

TEST_F(ListBoxTest, SortedOwnerDrawWithoutStringsAsksTheOwnerToCompare) {
    HWND list = Add(LBS_OWNERDRAWFIXED | LBS_SORT, 56);
    Send(list, LB_ADDSTRING, 0, 30);
    Send(list, LB_ADDSTRING, 0, 10);
    EXPECT_EQ(Send(list, LB_ADDSTRING, 0, 20), 1);
    ASSERT_FALSE(m_parent.compares.empty());
    const COMPAREITEMSTRUCT &compare = m_parent.compares.back();
    EXPECT_EQ(compare.CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(compare.CtlID, 56u);
    EXPECT_EQ(compare.hwndItem, list);
    EXPECT_EQ(compare.itemData1, 20u);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 0), 10);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 2), 30);
}

TEST_F(ListBoxTest, OwnerIsToldOfEveryDeletedOwnerDrawItem) {
    HWND list = Add(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 57);
    AddStrings(list, {"a", "b", "c"});
    Send(list, LB_SETITEMDATA, 1, 99);
    EXPECT_EQ(Text(list, 1), "b"); // with LBS_HASSTRINGS the text is kept
    Send(list, LB_DELETESTRING, 1);
    ASSERT_EQ(m_parent.deletes.size(), 1u);
    EXPECT_EQ(m_parent.deletes[0].CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(m_parent.deletes[0].CtlID, 57u);
    EXPECT_EQ(m_parent.deletes[0].itemID, 1u);
    EXPECT_EQ(m_parent.deletes[0].itemData, 99u);
    EXPECT_EQ(m_parent.deletes[0].hwndItem, list);
    Send(list, LB_RESETCONTENT);
    EXPECT_EQ(m_parent.deletes.size(), 3u);
    AddString(list, "d");
    DestroyWindow(list);
    EXPECT_EQ(m_parent.deletes.size(), 4u);
}

TEST_F(ListBoxTest, PlainListPaintsTheSelectedItemInTheHighlightColour) {
    HWND list = Add(LBS_NOINTEGRALHEIGHT);
    AddStrings(list, {"first", "second"});
    Send(list, LB_SETCURSEL, 1);
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    const int height = static_cast<int>(Send(list, LB_GETITEMHEIGHT));
    const RECT selectedRow{100, height + 1, 140, 2 * height - 1};
    const RECT plainRow{100, 1, 140, height - 1};
    EXPECT_EQ(picture.Count(list, selectedRow, GetSysColor(COLOR_HIGHLIGHT)), 40 * (height - 2));
    EXPECT_EQ(picture.Count(list, plainRow, GetSysColor(COLOR_WINDOW)), 40 * (height - 2));
}

// ---- scale ----

TEST_F(ListBoxTest, ThousandsOfSortedStringsStayInOrderWithTheirDataThroughDeletions) {
    HWND list = Add(LBS_SORT);
    constexpr int kCount = 3000;
    unsigned state = 12345;
    for (int i = 0; i < kCount; ++i) {
        state = state * 1103515245u + 12345u;
        const std::string text = "item" + std::to_string(state % 100000);
        const LRESULT index = AddString(list, text.c_str());
        ASSERT_GE(index, 0);
        Send(list, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(state % 100000));
    }
    for (int i = kCount - 1; i >= 0; i -= 2) {
        Send(list, LB_DELETESTRING, static_cast<WPARAM>(i));
    }
    ASSERT_EQ(Send(list, LB_GETCOUNT), kCount / 2);
    std::string previous;
    for (int i = 0; i < kCount / 2; ++i) {
        const std::string current = Text(list, i);
        ASSERT_LE(lstrcmpiA(previous.c_str(), current.c_str()), 0) << i;
        ASSERT_EQ(current, "item" + std::to_string(Send(list, LB_GETITEMDATA, static_cast<WPARAM>(i)))) << i;
        previous = current;
    }
}

} // namespace
