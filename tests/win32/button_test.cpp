// The "Button" class: what clicks, keys and messages change, and what they tell the parent.
#include "control_parent.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ButtonTest : public ::testing::Test {
protected:
    HWND Add(DWORD style, int id = 100, const char *text = "", int y = 10) {
        return m_parent.Add("Button", text, style, id, 10, y, 120, 30);
    }
    static UINT Check(HWND button) { return static_cast<UINT>(SendMessageA(button, BM_GETCHECK, 0, 0)); }
    static bool Pushed(HWND button) { return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
    ControlParent m_parent;
};

// ---- clicks and their notifications ----

TEST_F(ButtonTest, ClickNotifiesTheParentOnceWithIdAndHandle) {
    HWND button = Add(BS_PUSHBUTTON, 42, "OK");
    ASSERT_NE(button, nullptr);
    SendMessageA(button, BM_CLICK, 0, 0);
    ASSERT_EQ(m_parent.commands.size(), 1u);
    EXPECT_EQ(m_parent.commands[0].id, 42);
    EXPECT_EQ(m_parent.commands[0].code, BN_CLICKED);
    EXPECT_EQ(m_parent.commands[0].from, button);
    EXPECT_FALSE(Pushed(button));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, DisabledButtonIgnoresClicksMouseAndKeys) {
    HWND check = Add(BS_AUTOCHECKBOX | WS_DISABLED);
    SendMessageA(check, BM_CLICK, 0, 0);
    SendMessageA(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(check, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(check, WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(m_parent.commands.empty());
    EXPECT_EQ(Check(check), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_FALSE(Pushed(check));
    EXPECT_NE(GetCapture(), check);
}

TEST_F(ButtonTest, AutoCheckBoxTogglesOnClickButSetCheckNotifiesNobody) {
    HWND check = Add(BS_AUTOCHECKBOX);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Check(check), static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(m_parent.commands.empty());
    SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(Check(check), static_cast<UINT>(BST_UNCHECKED));
    SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(Check(check), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(m_parent.CommandCodes(check), (std::vector<int>{BN_CLICKED, BN_CLICKED}));
}

TEST_F(ButtonTest, AutoThreeStateCyclesThroughIndeterminate) {
    HWND check = Add(BS_AUTO3STATE);
    std::vector<UINT> seen;
    for (int i = 0; i < 3; ++i) {
        SendMessageA(check, BM_CLICK, 0, 0);
        seen.push_back(Check(check));
    }
    EXPECT_EQ(seen, (std::vector<UINT>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}));
}

TEST_F(ButtonTest, ManualButtonsNotifyButKeepTheirCheck) {
    HWND check = Add(BS_CHECKBOX, 1);
    HWND radio = Add(BS_RADIOBUTTON, 2, "", 50);
    SendMessageA(check, BM_CLICK, 0, 0);
    SendMessageA(radio, BM_CLICK, 0, 0);
    EXPECT_EQ(Check(check), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Check(radio), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(m_parent.CommandCodes(check), std::vector<int>{BN_CLICKED});
    EXPECT_EQ(m_parent.CommandCodes(radio), std::vector<int>{BN_CLICKED});
}

TEST_F(ButtonTest, SetCheckIsClampedToWhatTheTypeCanHold) {
    HWND twoState = Add(BS_CHECKBOX, 1);
    HWND threeState = Add(BS_3STATE, 2, "", 50);
    HWND push = Add(BS_PUSHBUTTON, 3, "", 90);
    SendMessageA(twoState, BM_SETCHECK, BST_INDETERMINATE, 0);
    SendMessageA(threeState, BM_SETCHECK, BST_INDETERMINATE, 0);
    SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Check(twoState), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Check(threeState), static_cast<UINT>(BST_INDETERMINATE));
    EXPECT_EQ(Check(push), static_cast<UINT>(BST_UNCHECKED));
}

// ---- radio groups ----

TEST_F(ButtonTest, AutoRadioClickUnchecksItsGroupButNotTheNextGroup) {
    HWND a1 = Add(BS_AUTORADIOBUTTON | WS_GROUP, 1, "a1", 10);
    HWND a2 = Add(BS_AUTORADIOBUTTON, 2, "a2", 40);
    HWND a3 = Add(BS_AUTORADIOBUTTON, 3, "a3", 70);
    HWND b1 = Add(BS_AUTORADIOBUTTON | WS_GROUP, 4, "b1", 100);
    HWND b2 = Add(BS_AUTORADIOBUTTON, 5, "b2", 130);
    SendMessageA(a1, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(a3, BM_SETCHECK, BST_CHECKED, 0); // BM_SETCHECK leaves the other radios alone
    SendMessageA(b1, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Check(a1), static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(m_parent.commands.empty());

    SendMessageA(a2, BM_CLICK, 0, 0);
    EXPECT_EQ(Check(a1), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Check(a2), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Check(a3), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Check(b1), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Check(b2), static_cast<UINT>(BST_UNCHECKED));
    // Only the clicked button tells the parent; the unchecked ones stay silent.
    ASSERT_EQ(m_parent.commands.size(), 1u);
    EXPECT_EQ(m_parent.commands[0].from, a2);
    EXPECT_EQ(m_parent.commands[0].code, BN_CLICKED);

    SendMessageA(b2, BM_CLICK, 0, 0);
    EXPECT_EQ(Check(b1), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Check(a2), static_cast<UINT>(BST_CHECKED));
}

TEST_F(ButtonTest, GroupWalkSkipsNonRadioSiblingsAndManualRadios) {
    HWND first = Add(BS_AUTORADIOBUTTON | WS_GROUP, 1, "", 10);
    HWND manual = Add(BS_RADIOBUTTON, 2, "", 40);
    HWND frame = m_parent.Add("Static", "", SS_WHITEFRAME, 3, 10, 70, 20, 20); // same type bits as an auto radio
    HWND last = Add(BS_AUTORADIOBUTTON, 4, "", 100);
    SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(manual, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(last, BM_CLICK, 0, 0);
    EXPECT_EQ(Check(first), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Check(manual), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Check(last), static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(IsWindow(frame));
}

TEST_F(ButtonTest, RadioCheckCarriesTheTabStop) {
    HWND radio = Add(BS_AUTORADIOBUTTON);
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(GetWindowLongA(radio, GWL_STYLE) & WS_TABSTOP);
    SendMessageA(radio, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_FALSE(GetWindowLongA(radio, GWL_STYLE) & WS_TABSTOP);
    HWND check = Add(BS_AUTOCHECKBOX, 2, "", 50);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_FALSE(GetWindowLongA(check, GWL_STYLE) & WS_TABSTOP);
}

// ---- dialog codes and styles ----

TEST_F(ButtonTest, DialogCodeFollowsTheType) {
    struct Case {
        DWORD style;
        LRESULT code;
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {BS_CHECKBOX, DLGC_BUTTON},
        {BS_AUTOCHECKBOX, DLGC_BUTTON},
        {BS_3STATE, DLGC_BUTTON},
        {BS_AUTO3STATE, DLGC_BUTTON},
        {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_GROUPBOX, DLGC_STATIC},
        {BS_OWNERDRAW, DLGC_BUTTON},
    };
    for (const Case &c : cases) {
        HWND button = Add(c.style);
        EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), c.code) << "style " << c.style;
        DestroyWindow(button);
    }
}

TEST_F(ButtonTest, SetStyleSwitchesTheDefaultFrameAndKeepsOtherStyles) {
    HWND button = Add(BS_PUSHBUTTON | WS_TABSTOP | BS_NOTIFY);
    SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    const LONG style = GetWindowLongA(button, GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_TRUE(style & BS_NOTIFY);
    SendMessageA(button, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
    EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(ButtonTest, FontIsKept) {
    HWND button = Add(BS_PUSHBUTTON);
    EXPECT_EQ(SendMessageA(button, WM_GETFONT, 0, 0), 0);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), font);
}

// ---- keyboard and mouse ----

TEST_F(ButtonTest, SpaceDownHighlightsAndSpaceUpClicks) {
    HWND button = Add(BS_PUSHBUTTON);
    SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(Pushed(button));
    EXPECT_TRUE(m_parent.commands.empty());
    SendMessageA(button, WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(Pushed(button));
    EXPECT_EQ(m_parent.CommandCodes(button), std::vector<int>{BN_CLICKED});
    // A key-up without its key-down is no click.
    SendMessageA(button, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(m_parent.commands.size(), 1u);
}

TEST_F(ButtonTest, MouseReleaseOutsideCancelsTheClick) {
    HWND check = Add(BS_AUTOCHECKBOX);
    SendMessageA(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCapture(), check);
    EXPECT_TRUE(Pushed(check));
    SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(Pushed(check));
    EXPECT_TRUE(m_parent.commands.empty());
    EXPECT_EQ(Check(check), static_cast<UINT>(BST_UNCHECKED));
}

TEST_F(ButtonTest, SetStateHighlightsWithoutNotifying) {
    HWND button = Add(BS_PUSHBUTTON);
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(Pushed(button));
    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    EXPECT_FALSE(Pushed(button));
    EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(ButtonTest, DoubleClickNotifiesOnlyRadioOwnerDrawAndNotifyButtons) {
    HWND push = Add(BS_PUSHBUTTON, 1);
    HWND notify = Add(BS_PUSHBUTTON | BS_NOTIFY, 2, "", 40);
    HWND radio = Add(BS_RADIOBUTTON, 3, "", 70);
    HWND owner = Add(BS_OWNERDRAW, 4, "", 100);
    for (HWND button : {push, notify, radio, owner}) {
        SendMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    // The plain push button takes the double click as a second press and release: a click.
    EXPECT_EQ(m_parent.CommandCodes(push), std::vector<int>{BN_CLICKED});
    EXPECT_EQ(m_parent.CommandCodes(notify), std::vector<int>{BN_DOUBLECLICKED});
    EXPECT_EQ(m_parent.CommandCodes(radio), std::vector<int>{BN_DOUBLECLICKED});
    EXPECT_EQ(m_parent.CommandCodes(owner), std::vector<int>{BN_DOUBLECLICKED});
}

TEST_F(ButtonTest, FocusNotificationsNeedBsNotify) {
    HWND plain = Add(BS_PUSHBUTTON, 1);
    HWND notify = Add(BS_PUSHBUTTON | BS_NOTIFY, 2, "", 50);
    SetFocus(plain);
    EXPECT_TRUE(SendMessageA(plain, BM_GETSTATE, 0, 0) & BST_FOCUS);
    SetFocus(notify);
    EXPECT_FALSE(SendMessageA(plain, BM_GETSTATE, 0, 0) & BST_FOCUS);
    SetFocus(plain);
    EXPECT_TRUE(m_parent.CommandCodes(plain).empty());
    EXPECT_EQ(m_parent.CommandCodes(notify), (std::vector<int>{BN_SETFOCUS, BN_KILLFOCUS}));
}

TEST_F(ButtonTest, ClickTakesTheFocus) {
    HWND first = Add(BS_PUSHBUTTON, 1);
    HWND second = Add(BS_PUSHBUTTON, 2, "", 50);
    SetFocus(first);
    SendMessageA(second, BM_CLICK, 0, 0);
    EXPECT_EQ(GetFocus(), second);
}

// ---- owner draw ----

TEST_F(ButtonTest, OwnerDrawGetsItsDrawingDataFromTheButton) {
    HWND owner = Add(BS_OWNERDRAW, 77);
    UpdateWindow(owner);
    m_parent.Clear();
    InvalidateRect(owner, nullptr, TRUE);
    UpdateWindow(owner);
    ASSERT_FALSE(m_parent.draws.empty());
    const DRAWITEMSTRUCT &entire = m_parent.draws.back();
    EXPECT_EQ(entire.CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(entire.CtlID, 77u);
    EXPECT_EQ(entire.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_EQ(entire.itemState, 0u);
    EXPECT_EQ(entire.hwndItem, owner);
    EXPECT_NE(entire.hDC, nullptr);
    EXPECT_EQ(entire.rcItem.left, 0);
    EXPECT_EQ(entire.rcItem.top, 0);
    EXPECT_EQ(entire.rcItem.right, 120);
    EXPECT_EQ(entire.rcItem.bottom, 30);

    m_parent.Clear();
    SendMessageA(owner, BM_SETSTATE, TRUE, 0);
    ASSERT_EQ(m_parent.draws.size(), 1u);
    EXPECT_EQ(m_parent.draws[0].itemAction, static_cast<UINT>(ODA_SELECT));
    EXPECT_TRUE(m_parent.draws[0].itemState & ODS_SELECTED);
    SendMessageA(owner, BM_SETSTATE, FALSE, 0);

    m_parent.Clear();
    SetFocus(owner);
    ASSERT_FALSE(m_parent.draws.empty());
    EXPECT_EQ(m_parent.draws[0].itemAction, static_cast<UINT>(ODA_FOCUS));
    EXPECT_TRUE(m_parent.draws[0].itemState & ODS_FOCUS);
    EXPECT_FALSE(m_parent.draws[0].itemState & ODS_SELECTED);

    SetFocus(nullptr);
    EnableWindow(owner, FALSE);
    m_parent.Clear();
    UpdateWindow(owner);
    ASSERT_FALSE(m_parent.draws.empty());
    EXPECT_TRUE(m_parent.draws.back().itemState & ODS_DISABLED);
}

// ---- painting ----

TEST_F(ButtonTest, PushButtonIsRaisedButtonFace) {
    HWND push = Add(BS_PUSHBUTTON, 1);
    HWND defaultPush = Add(BS_DEFPUSHBUTTON, 2, "", 50);
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF white = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(picture.At(push, 60, 15), face);
    EXPECT_EQ(picture.At(push, 0, 0), white);
    EXPECT_EQ(picture.At(push, 119, 29), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(picture.At(push, 118, 28), GetSysColor(COLOR_BTNSHADOW));
    // The default button has a black frame around the same raised face.
    EXPECT_EQ(picture.At(defaultPush, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(picture.At(defaultPush, 1, 1), white);
    EXPECT_EQ(picture.At(defaultPush, 60, 15), face);
}

TEST_F(ButtonTest, PressedPushButtonLosesItsHighlightEdge) {
    HWND push = Add(BS_PUSHBUTTON);
    SendMessageA(push, BM_SETSTATE, TRUE, 0);
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    EXPECT_NE(picture.At(push, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.At(push, 60, 15), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ButtonTest, DisabledTextIsEmbossedGreyNotBlack) {
    HWND enabled = Add(BS_PUSHBUTTON, 1, "WWWW");
    HWND disabled = Add(BS_PUSHBUTTON | WS_DISABLED, 2, "WWWW", 50);
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    const RECT inside{4, 4, 116, 26};
    EXPECT_GT(picture.Count(enabled, inside, GetSysColor(COLOR_BTNTEXT)), 0);
    EXPECT_EQ(picture.Count(disabled, inside, GetSysColor(COLOR_BTNTEXT)), 0);
    EXPECT_GT(picture.Count(disabled, inside, GetSysColor(COLOR_BTNSHADOW)), 0);
    EXPECT_GT(picture.Count(disabled, inside, GetSysColor(COLOR_BTNHIGHLIGHT)), 0);
}

TEST_F(ButtonTest, CheckBoxGlyphShowsTheCheck) {
    HWND unchecked = Add(BS_AUTOCHECKBOX, 1);
    HWND checked = Add(BS_AUTOCHECKBOX, 2, "", 50);
    SendMessageA(checked, BM_SETCHECK, BST_CHECKED, 0);
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    // The glyph is 13x13 at the left, centred vertically in the 30-pixel button: rows 8..20.
    const RECT glyphInside{2, 10, 11, 19};
    EXPECT_EQ(picture.Count(unchecked, glyphInside, GetSysColor(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(picture.Count(checked, glyphInside, GetSysColor(COLOR_WINDOWTEXT)), 5);
    EXPECT_EQ(picture.At(unchecked, 3, 11), GetSysColor(COLOR_WINDOW));
}

TEST_F(ButtonTest, GroupBoxLeavesItsInsideToTheParent) {
    m_parent.background = RGB(255, 0, 0);
    HWND group = m_parent.Add("Button", "Group", BS_GROUPBOX, 5, 10, 10, 150, 100);
    WindowPicture picture(m_parent.Hwnd());
    ASSERT_TRUE(picture.Valid());
    EXPECT_EQ(picture.At(group, 75, 60), RGB(255, 0, 0));
    // Etched frame: shadow outside, highlight inside, on the left side.
    EXPECT_EQ(picture.At(group, 0, 60), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(group, 1, 60), GetSysColor(COLOR_BTNHIGHLIGHT));
    // The caption's background (the default WM_CTLCOLORSTATIC brush) cuts the top line.
    RECT caption{9, 0, 12, 4};
    EXPECT_GT(picture.Count(group, caption, GetSysColor(COLOR_BTNFACE)), 0);
}

} // namespace
