// Focus and activation, enabling, painting and the clipboard viewer chain.
#include "recording_window.h"

#include <win32_headless.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

class UserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PumpMessages();
        MessageLog::Instance().Clear();
    }
    void TearDown() override
    {
        SetRecordingHandler(nullptr);
        for (HWND h : m_windows)
            if (IsWindow(h))
                DestroyWindow(h);
        PumpMessages();
    }
    HWND Make(DWORD style, HWND parent = nullptr, int id = 0)
    {
        HWND h = CreateRecordingWindow(style, parent, id);
        m_windows.push_back(h);
        return h;
    }
    std::vector<HWND> m_windows;
};

TEST_F(UserTest, FocusMovesWithKillThenSetFocus)
{
    HWND top = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND a = Make(WS_CHILD | WS_VISIBLE, top, 1);
    HWND b = Make(WS_CHILD | WS_VISIBLE, top, 2);
    SetFocus(a);
    MessageLog::Instance().Clear();
    EXPECT_EQ(SetFocus(b), a);
    std::vector<std::pair<HWND, UINT>> order;
    for (auto &e : MessageLog::Instance().Entries())
        if (e.message == WM_KILLFOCUS || e.message == WM_SETFOCUS)
            order.push_back({e.hwnd, e.message});
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], std::make_pair(a, static_cast<UINT>(WM_KILLFOCUS)));
    EXPECT_EQ(order[1], std::make_pair(b, static_cast<UINT>(WM_SETFOCUS)));
    EXPECT_EQ(GetFocus(), b);
}

TEST_F(UserTest, DisabledWindowsTakeNoFocusAndDisablingDropsIt)
{
    HWND top = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND a = Make(WS_CHILD | WS_VISIBLE, top, 1);
    SetFocus(a);
    MessageLog::Instance().Clear();
    EXPECT_FALSE(EnableWindow(a, FALSE)); // was enabled
    EXPECT_EQ(MessageLog::Instance().Count(a, WM_ENABLE), 1);
    EXPECT_NE(GetFocus(), a);
    EXPECT_FALSE(IsWindowEnabled(a));
    EXPECT_EQ(SetFocus(a), nullptr);
    EXPECT_NE(GetFocus(), a);
    EXPECT_TRUE(EnableWindow(a, TRUE)); // was disabled
    EXPECT_FALSE(EnableWindow(a, TRUE));
    EXPECT_EQ(MessageLog::Instance().Count(a, WM_ENABLE), 2);
}

TEST_F(UserTest, ShowingActivatesAndHidingHandsActivationToTheOwner)
{
    HWND owner = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    EXPECT_EQ(GetActiveWindow(), owner);
    HWND popup = Make(WS_POPUP | WS_CAPTION, owner);
    MessageLog::Instance().Clear();
    ShowWindow(popup, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), popup);
    EXPECT_EQ(MessageLog::Instance().Count(owner, WM_ACTIVATE), 1);
    EXPECT_EQ(MessageLog::Instance().Count(popup, WM_ACTIVATE), 1);
    EXPECT_EQ(GetFocus(), popup); // the default handling of activation focuses the window
    ShowWindow(popup, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_FALSE(IsWindowVisible(popup));
    ShowWindow(popup, SW_SHOWNA);
    EXPECT_EQ(GetActiveWindow(), owner);
    DestroyWindow(popup);
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(UserTest, InvalidatedWindowsGetOnePaintParentBeforeChildren)
{
    HWND top = Make(WS_POPUP | WS_VISIBLE);
    HWND child = Make(WS_CHILD | WS_VISIBLE, top, 1);
    PumpMessages();
    MessageLog::Instance().Clear();
    InvalidateRect(top, nullptr, TRUE);
    PumpMessages();
    std::vector<HWND> painted;
    for (auto &e : MessageLog::Instance().Entries())
        if (e.message == WM_PAINT)
            painted.push_back(e.hwnd);
    EXPECT_EQ(painted, (std::vector<HWND>{top, child}));
    EXPECT_EQ(MessageLog::Instance().Count(top, WM_ERASEBKGND), 1);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
    RECT update;
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
}

TEST_F(UserTest, HiddenWindowsAreNotPaintedButPrintWindowDrawsThem)
{
    HWND top = Make(WS_POPUP);
    MoveWindow(top, 0, 0, 20, 10, FALSE);
    InvalidateRect(top, nullptr, TRUE);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));

    HDC memory = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 20;
    info.bmiHeader.biHeight = -10;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    memset(bits, 0, 20 * 10 * 4);
    EXPECT_TRUE(PrintWindow(top, memory, 0));
    // The class background is the button face colour.
    EXPECT_EQ(GetPixel(memory, 5, 5), GetSysColor(COLOR_BTNFACE));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(UserTest, ClipboardViewersHearOfChangesAndTheChainIsKept)
{
    HWND viewer = Make(WS_OVERLAPPEDWINDOW);
    HWND next = SetClipboardViewer(viewer);
    EXPECT_EQ(MessageLog::Instance().Count(viewer, WM_DRAWCLIPBOARD), 1);
    ASSERT_TRUE(OpenClipboard(viewer));
    HWND other = Make(WS_OVERLAPPEDWINDOW);
    EXPECT_FALSE(OpenClipboard(other)); // someone else has it open
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 6);
    memcpy(GlobalLock(mem), "hello", 6);
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    EXPECT_EQ(MessageLog::Instance().Count(viewer, WM_DRAWCLIPBOARD), 1); // told when closed
    CloseClipboard();
    EXPECT_EQ(MessageLog::Instance().Count(viewer, WM_DRAWCLIPBOARD), 2);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto *text = static_cast<const char *>(GlobalLock(GetClipboardData(CF_TEXT)));
    EXPECT_STREQ(text, "hello");
    GlobalUnlock(GetClipboardData(CF_TEXT));
    CloseClipboard();
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr); // closed
    EXPECT_TRUE(ChangeClipboardChain(viewer, next));
    EXPECT_EQ(GetClipboardViewer(), next);
}

TEST_F(UserTest, HelpCallsAreRecorded)
{
    HWND top = Make(WS_OVERLAPPEDWINDOW);
    Win32Headless_ClearHelpCalls();
    EXPECT_TRUE(WinHelpA(top, "model.hlp", HELP_CONTEXT, 0x20068));
    ASSERT_EQ(Win32Headless_GetHelpCallCount(), 1);
    WIN32_HELP_CALL call;
    ASSERT_TRUE(Win32Headless_GetHelpCall(0, &call));
    EXPECT_STREQ(call.path, "model.hlp");
    EXPECT_EQ(call.command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(call.data, 0x20068u);
    EXPECT_FALSE(Win32Headless_GetHelpCall(1, &call));
}

} // namespace
