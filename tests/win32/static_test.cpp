// The "Static" class: which statics take clicks and what they tell the parent, images, and what
// the different types paint.
#include "control_parent.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class StaticTest : public ::testing::Test {
protected:
    HWND Add(DWORD style, const char *text = "", int id = 200, int width = 120, int height = 30) {
        return m_parent.Add("Static", text, style, id, 10, 10, width, height);
    }
    ControlParent m_parent;
};

// ---- input and notifications ----

TEST_F(StaticTest, OnlyNotifyingStaticsTakeClicks) {
    HWND quiet = Add(SS_LEFT, "quiet", 1);
    HWND notify = Add(SS_LEFT | SS_NOTIFY, "notify", 2);
    EXPECT_EQ(SendMessageA(quiet, WM_NCHITTEST, 0, MAKELPARAM(15, 15)), HTTRANSPARENT);
    EXPECT_EQ(SendMessageA(notify, WM_NCHITTEST, 0, MAKELPARAM(15, 15)), HTCLIENT);
    for (HWND control : {quiet, notify}) {
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    }
    EXPECT_TRUE(m_parent.CommandCodes(quiet).empty());
    EXPECT_EQ(m_parent.CommandCodes(notify), (std::vector<int>{STN_CLICKED, STN_DBLCLK}));
    ASSERT_FALSE(m_parent.commands.empty());
    EXPECT_EQ(m_parent.commands[0].id, 2);
}

TEST_F(StaticTest, EnablingNotifiesOnlyWithSsNotify) {
    HWND quiet = Add(SS_LEFT, "quiet", 1);
    HWND notify = Add(SS_LEFT | SS_NOTIFY, "notify", 2);
    for (HWND control : {quiet, notify}) {
        EnableWindow(control, FALSE);
        EnableWindow(control, TRUE);
    }
    EXPECT_TRUE(m_parent.CommandCodes(quiet).empty());
    EXPECT_EQ(m_parent.CommandCodes(notify), (std::vector<int>{STN_DISABLE, STN_ENABLE}));
    // A disabled static reports no clicks.
    EnableWindow(notify, FALSE);
    m_parent.Clear();
    SendMessageA(notify, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(StaticTest, DialogCodeIsStaticAndTextCanChange) {
    HWND label = Add(SS_LEFT, "before");
    EXPECT_EQ(SendMessageA(label, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    EXPECT_TRUE(SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("after")));
    char text[32] = {};
    GetWindowTextA(label, text, sizeof text);
    EXPECT_STREQ(text, "after");
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), font);
    EXPECT_TRUE(m_parent.commands.empty());
}

// ---- icons ----

TEST_F(StaticTest, IconIsSetAndReadBackByBothMessagePairs) {
    HWND icon = Add(SS_ICON);
    HICON hand = LoadIconA(nullptr, IDI_HAND);
    HICON question = LoadIconA(nullptr, IDI_QUESTION);
    ASSERT_NE(hand, nullptr);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(SendMessageA(icon, STM_GETICON, 0, 0), 0);
    EXPECT_EQ(SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(hand), 0), 0);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)), hand);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETIMAGE, IMAGE_ICON, 0)), hand);
    EXPECT_EQ(SendMessageA(icon, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(reinterpret_cast<HICON>(
                  SendMessageA(icon, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(question))),
              hand);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)), question);
    // The static takes the icon's size.
    RECT client{};
    GetClientRect(icon, &client);
    EXPECT_EQ(client.right, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(client.bottom, GetSystemMetrics(SM_CYICON));
    EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(StaticTest, IconNamedByAMissingResourceLeavesNoIcon) {
    HWND icon = Add(SS_ICON, "#31999");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(SendMessageA(icon, STM_GETICON, 0, 0), 0);
    HWND text = Add(SS_LEFT, "not an icon");
    // Only icon statics hold icons.
    EXPECT_EQ(SendMessageA(text, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_HAND)), 0), 0);
    EXPECT_EQ(SendMessageA(text, STM_GETICON, 0, 0), 0);
}

TEST_F(StaticTest, IconIsPainted) {
    HWND icon = Add(SS_ICON);
    HICON hand = LoadIconA(nullptr, IDI_HAND);
    ASSERT_NE(hand, nullptr);
    SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(hand), 0);
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    const RECT all{0, 0, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    const int area = all.right * all.bottom;
    EXPECT_LT(picture.Count(icon, all, GetSysColor(COLOR_BTNFACE)), area);
}

// ---- painting ----

TEST_F(StaticTest, TextBackgroundComesFromTheParentsBrush) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    m_parent.staticBrush = red;
    HWND label = Add(SS_LEFT, "Text");
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    EXPECT_EQ(picture.At(label, 110, 25), RGB(255, 0, 0));
    const RECT line{0, 0, 60, 15};
    EXPECT_GT(picture.Count(label, line, GetSysColor(COLOR_WINDOWTEXT)), 0);
    m_parent.staticBrush = nullptr;
    DestroyWindow(label);
    DeleteObject(red);
}

TEST_F(StaticTest, DisabledTextIsGreyed) {
    HWND label = Add(SS_LEFT | WS_DISABLED, "WWWW");
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    const RECT line{0, 0, 60, 15};
    EXPECT_EQ(picture.Count(label, line, GetSysColor(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(picture.Count(label, line, GetSysColor(COLOR_BTNSHADOW)), 0);
}

TEST_F(StaticTest, RectanglesFramesAndEtchedLines) {
    m_parent.background = RGB(255, 0, 0);
    HWND black = m_parent.Add("Static", "", SS_BLACKRECT, 1, 10, 10, 20, 20);
    HWND grayFrame = m_parent.Add("Static", "", SS_GRAYFRAME, 2, 40, 10, 20, 20);
    HWND etched = m_parent.Add("Static", "", SS_ETCHEDHORZ, 3, 70, 10, 40, 2);
    HWND white = m_parent.Add("Static", "", SS_WHITERECT, 4, 120, 10, 20, 20);
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    EXPECT_EQ(picture.At(black, 10, 10), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(picture.At(white, 10, 10), GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(picture.At(grayFrame, 0, 0), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.At(grayFrame, 19, 10), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.At(grayFrame, 10, 10), RGB(255, 0, 0)); // a frame leaves its inside alone
    EXPECT_EQ(picture.At(etched, 20, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(etched, 20, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(StaticTest, OwnerDrawStaticAsksTheParent) {
    HWND owner = Add(SS_OWNERDRAW, "", 55, 80, 20);
    m_parent.Clear();
    InvalidateRect(owner, nullptr, TRUE);
    UpdateWindow(owner);
    ASSERT_EQ(m_parent.draws.size(), 1u);
    const DRAWITEMSTRUCT &item = m_parent.draws[0];
    EXPECT_EQ(item.CtlType, static_cast<UINT>(ODT_STATIC));
    EXPECT_EQ(item.CtlID, 55u);
    EXPECT_EQ(item.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_EQ(item.hwndItem, owner);
    EXPECT_NE(item.hDC, nullptr);
    EXPECT_EQ(item.rcItem.right, 80);
    EXPECT_EQ(item.rcItem.bottom, 20);
    EnableWindow(owner, FALSE);
    m_parent.Clear();
    UpdateWindow(owner);
    ASSERT_FALSE(m_parent.draws.empty());
    EXPECT_TRUE(m_parent.draws.back().itemState & ODS_DISABLED);
}

} // namespace
