// System colours, system colour brushes, metrics, standard icons and cursors.
#include "gdi_test_surface.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

TEST(UserSysColors, ClassicStandardScheme)
{
    struct Case {
        int index;
        COLORREF color;
    };
    const Case cases[] = {
        {COLOR_BTNFACE, RGB(192, 192, 192)},       {COLOR_BTNSHADOW, RGB(128, 128, 128)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},  {COLOR_3DDKSHADOW, RGB(0, 0, 0)},
        {COLOR_3DLIGHT, RGB(192, 192, 192)},       {COLOR_WINDOW, RGB(255, 255, 255)},
        {COLOR_WINDOWTEXT, RGB(0, 0, 0)},          {COLOR_HIGHLIGHT, RGB(0, 0, 128)},
        {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)}, {COLOR_ACTIVECAPTION, RGB(0, 0, 128)},
        {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},   {COLOR_INACTIVECAPTION, RGB(128, 128, 128)},
        {COLOR_INACTIVECAPTIONTEXT, RGB(192, 192, 192)}, {COLOR_GRAYTEXT, RGB(128, 128, 128)},
        {COLOR_APPWORKSPACE, RGB(128, 128, 128)},  {COLOR_BACKGROUND, RGB(0, 128, 128)},
        {COLOR_INFOTEXT, RGB(0, 0, 0)},            {COLOR_INFOBK, RGB(255, 255, 225)},
        {COLOR_BTNTEXT, RGB(0, 0, 0)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GetSysColor(c.index), c.color) << c.index;
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(1000), 0u);
}

TEST(UserSysColors, BrushesMatchTheColoursAndCannotBeDeleted)
{
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    LOGBRUSH lb{};
    ASSERT_EQ(GetObjectA(face, sizeof(lb), &lb), (int)sizeof(lb));
    EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
    EXPECT_TRUE(DeleteObject(face));
    EXPECT_EQ(GetObjectType(face), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetSysColorBrush(-5), nullptr);
}

TEST(UserMetrics, ClassicValuesAtNinetySixDpi)
{
    struct Case {
        int index;
        int value;
    };
    const Case cases[] = {
        {SM_CXSCREEN, 1024}, {SM_CYSCREEN, 768}, {SM_CYCAPTION, 19}, {SM_CXBORDER, 1},    {SM_CYBORDER, 1},
        {SM_CXDLGFRAME, 3},  {SM_CYDLGFRAME, 3}, {SM_CXFRAME, 4},    {SM_CYFRAME, 4},     {SM_CXEDGE, 2},
        {SM_CYEDGE, 2},      {SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16}, {SM_CYVSCROLL, 16},  {SM_CXHSCROLL, 16},
        {SM_CXICON, 32},     {SM_CYICON, 32},    {SM_CXSMICON, 16},  {SM_CXSIZE, 18},     {SM_CYSIZE, 18},
        {SM_CYMENU, 19},     {SM_CXDOUBLECLK, 4}, {SM_CXMENUCHECK, 13},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GetSystemMetrics(c.index), c.value) << c.index;
    EXPECT_EQ(GetSystemMetrics(9999), 0);
    EXPECT_EQ(GetSystemMetrics(-3), 0);
}

TEST(UserIcons, StandardIconsAreSharedAndDrawn)
{
    LPCSTR ids[] = {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK, IDI_WINLOGO};
    std::vector<HICON> icons;
    for (LPCSTR id : ids) {
        HICON icon = LoadIconA(nullptr, id);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(LoadIconA(nullptr, id), icon);
        icons.push_back(icon);
    }
    EXPECT_NE(icons[1], icons[3]);
    EXPECT_EQ(LoadIconA(nullptr, IDI_ERROR), icons[1]);
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(LoadIconA(reinterpret_cast<HINSTANCE>(0x10000), MAKEINTRESOURCEA(100)), nullptr);

    auto draw = [](HICON icon, TestSurface &s) {
        s.Fill(RGB(0, 255, 0));
        EXPECT_TRUE(DrawIcon(s.Dc(), 2, 2, icon));
    };
    TestSurface s(36, 36);
    draw(LoadIconA(nullptr, IDI_EXCLAMATION), s);
    EXPECT_GT(s.Count(RGB(255, 255, 0)), 100) << "a yellow triangle";
    EXPECT_GT(s.Count(RGB(0, 0, 0)), 20);
    EXPECT_EQ(s.Count(RGB(0, 255, 0), 0, 0, 36, 2), 36 * 2) << "drawn at (2,2), transparent outside";
    draw(LoadIconA(nullptr, IDI_HAND), s);
    EXPECT_GT(s.Count(RGB(255, 0, 0)), 300) << "a red disc";
    EXPECT_GT(s.Count(RGB(255, 255, 255)), 20) << "with a white cross";
    draw(LoadIconA(nullptr, IDI_QUESTION), s);
    EXPECT_GT(s.Count(RGB(255, 255, 255)), 200);
    EXPECT_GT(s.Count(RGB(0, 0, 255)), 20);
    draw(LoadIconA(nullptr, IDI_ASTERISK), s);
    EXPECT_GT(s.Count(RGB(0, 0, 255)), 15);
    draw(LoadIconA(nullptr, IDI_APPLICATION), s);
    EXPECT_GT(s.Count(RGB(0, 0, 128)), 50);

    EXPECT_TRUE(DestroyIcon(icons[0]));
    EXPECT_EQ(LoadIconA(nullptr, IDI_APPLICATION), icons[0]) << "system icons are not destroyed";
    EXPECT_TRUE(DrawIcon(s.Dc(), 0, 0, icons[0]));
    EXPECT_FALSE(DrawIcon(s.Dc(), 0, 0, (HICON)0x4545));
    EXPECT_FALSE(DestroyIcon((HICON)0x4545));
}

TEST(UserIcons, CursorsAreHandlesAndResourcesAreNotYetLoaded)
{
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR beam = LoadCursorA(nullptr, IDC_IBEAM);
    ASSERT_NE(arrow, nullptr);
    ASSERT_NE(beam, nullptr);
    EXPECT_NE(arrow, beam);
    SetCursor(arrow);
    EXPECT_EQ(SetCursor(beam), arrow);
    EXPECT_EQ(SetCursor(nullptr), beam);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(5)), nullptr);
    EXPECT_EQ(LoadBitmapA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(LoadImageA(nullptr, MAKEINTRESOURCEA(1), 0, 0, 0, 0), nullptr);
}

} // namespace
