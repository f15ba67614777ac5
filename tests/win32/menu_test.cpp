// Menus as data: loading MENU and MENUEX resources and templates, building menus, and item
// lookup by position and by command.
#include "win32_tests_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kNoItem = static_cast<UINT>(-1);

std::string ItemText(HMENU menu, UINT item, UINT flags) {
    char text[64] = "unchanged";
    int length = GetMenuStringA(menu, item, text, sizeof text, flags);
    return length > 0 ? std::string(text, static_cast<std::size_t>(length)) : std::string();
}

class MenuTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (HMENU menu : m_menus)
            DestroyMenu(menu);
    }
    HMENU Keep(HMENU menu) {
        m_menus.push_back(menu);
        return menu;
    }
    std::vector<HMENU> m_menus;
};

TEST_F(MenuTest, MenuResourceBuildsTheTree) {
    HMENU bar = Keep(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_RES_MENU)));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(GetMenuItemID(bar, 0), kNoItem); // a popup has no command
    EXPECT_EQ(GetMenuItemID(bar, 1), static_cast<UINT>(ID_RES_HELP));
    EXPECT_EQ(ItemText(bar, 0, MF_BYPOSITION), "&File");
    EXPECT_EQ(ItemText(bar, ID_RES_HELP, MF_BYCOMMAND), "&Help");
    EXPECT_EQ(GetMenuState(bar, ID_RES_HELP, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));

    HMENU file = GetSubMenu(bar, 0);
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(IsMenu(file));
    EXPECT_EQ(GetSubMenu(bar, 1), nullptr);
    ASSERT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(ItemText(file, ID_RES_OPEN, MF_BYCOMMAND), "&Open...\tCtrl+O");
    EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemID(file, 1), 0u);
    EXPECT_EQ(ItemText(file, 1, MF_BYPOSITION), "");
    EXPECT_EQ(GetMenuState(file, ID_RES_EXIT, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(file, ID_RES_OPEN, MF_BYCOMMAND), 0u);

    // A popup's state carries its item count in the high byte.
    UINT recent = GetMenuState(file, 2, MF_BYPOSITION);
    EXPECT_EQ(recent & 0xFF, static_cast<UINT>(MF_POPUP));
    EXPECT_EQ(recent >> 8, 1u);
    // Commands are found in submenus at any depth.
    EXPECT_EQ(ItemText(bar, ID_RES_RECENT1, MF_BYCOMMAND), "One");
    EXPECT_EQ(GetMenuState(bar, ID_RES_EXIT, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));
}

TEST_F(MenuTest, ExtendedMenuResourceBuildsTheTree) {
    HMENU bar = Keep(LoadMenuA(nullptr, MAKEINTRESOURCEA(IDR_RES_MENUEX)));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    HMENU file = GetSubMenu(bar, 0);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(GetMenuItemCount(file), 2);
    EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(ID_RES_EX_OPEN));
    EXPECT_EQ(ItemText(file, 0, MF_BYPOSITION), "&Open");
    EXPECT_NE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_EQ(GetMenuState(bar, ID_RES_EX_HELP, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
}

TEST_F(MenuTest, MissingOrMalformedMenusGiveNull) {
    EXPECT_EQ(LoadMenuA(nullptr, MAKEINTRESOURCEA(4998)), nullptr);
    // The standard template written by hand: one popup with one command, then a plain command.
    const WORD handMade[] = {0, 0, MF_POPUP, 'P', 0, MF_END, 7, 'x', 0, MF_END, 8, 'y', 0};
    HMENU menu = Keep(LoadMenuIndirectA(handMade));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 0), 0), 7u);
    EXPECT_EQ(GetMenuItemID(menu, 1), 8u);
    const WORD badVersion[] = {5, 0, MF_END, 1, 'z', 0};
    EXPECT_EQ(LoadMenuIndirectA(badVersion), nullptr);
}

TEST_F(MenuTest, AppendedItemsAndTheirStates) {
    HMENU menu = Keep(CreateMenu());
    HMENU popup = CreatePopupMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetMenuItemCount(popup), 0);
    EXPECT_TRUE(AppendMenuA(popup, MF_STRING, 41, "&Copy"));
    EXPECT_TRUE(AppendMenuA(popup, MF_SEPARATOR, 0, nullptr));
    EXPECT_TRUE(AppendMenuA(popup, MF_STRING | MF_GRAYED, 42, "&Paste"));
    EXPECT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&Edit"));
    EXPECT_TRUE(AppendMenuA(menu, MF_STRING | MF_CHECKED, 43, "&View"));
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(GetSubMenu(menu, 0), popup);
    EXPECT_EQ(GetMenuItemCount(popup), 3);

    EXPECT_EQ(CheckMenuItem(menu, 41, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(CheckMenuItem(menu, 41, MF_BYCOMMAND | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(CheckMenuItem(menu, 1, MF_BYPOSITION | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(CheckMenuItem(menu, 999, MF_CHECKED), static_cast<DWORD>(-1));

    EXPECT_EQ(EnableMenuItem(menu, 42, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(menu, 42, MF_BYCOMMAND | MF_DISABLED), MF_ENABLED);
    EXPECT_EQ(GetMenuState(popup, 42, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), static_cast<UINT>(MF_DISABLED));
    EXPECT_EQ(EnableMenuItem(menu, 999, MF_GRAYED), -1);
    // A popup item is named by its menu handle when looked up by command.
    EXPECT_EQ(EnableMenuItem(menu, static_cast<UINT>(reinterpret_cast<UINT_PTR>(popup)), MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
}

TEST_F(MenuTest, MenuStringsTruncateAndReportTheirLength) {
    HMENU menu = Keep(CreatePopupMenu());
    AppendMenuA(menu, MF_STRING, 5, "Longer text");
    char text[6];
    EXPECT_EQ(GetMenuStringA(menu, 5, text, sizeof text, MF_BYCOMMAND), 5);
    EXPECT_STREQ(text, "Longe");
    EXPECT_EQ(GetMenuStringA(menu, 5, nullptr, 0, MF_BYCOMMAND), 11);
    EXPECT_EQ(GetMenuStringA(menu, 6, text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_EQ(GetMenuStringA(menu, 3, text, sizeof text, MF_BYPOSITION), 0);
}

TEST_F(MenuTest, DestroyingAMenuDestroysItsSubmenusAndInvalidHandlesFail) {
    HMENU menu = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "Sub");
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_FALSE(IsMenu(popup));

    SetLastError(0);
    EXPECT_FALSE(DestroyMenu(menu));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
    EXPECT_EQ(GetMenuItemCount(menu), -1);
    EXPECT_EQ(GetMenuItemID(menu, 0), kNoItem);
    EXPECT_EQ(GetSubMenu(menu, 0), nullptr);
    EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION), kNoItem);
    EXPECT_FALSE(AppendMenuA(menu, MF_STRING, 1, "x"));
    EXPECT_FALSE(IsMenu(nullptr));
}

} // namespace
