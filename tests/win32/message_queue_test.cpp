// The message queue: posting and peeking, filters, WM_QUIT, keyboard translation, timers, hooks, accelerators.
#include "recording_window.h"

#include <gtest/gtest.h>

namespace {

class QueueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PumpMessages();
        MessageLog::Instance().Clear();
        m_window = CreateRecordingWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        PumpMessages();
        MessageLog::Instance().Clear();
    }
    void TearDown() override
    {
        SetRecordingHandler(nullptr);
        DestroyWindow(m_window);
        PumpMessages();
        BYTE keys[256] = {};
        SetKeyboardState(keys);
    }
    HWND m_window = nullptr;
};

TEST_F(QueueTest, PostedMessagesComeOutInOrderAndFiltersApply)
{
    PostMessageA(m_window, WM_USER + 1, 1, 0);
    PostMessageA(m_window, WM_USER + 2, 2, 0);
    PostThreadMessageA(GetCurrentThreadId(), WM_USER + 3, 3, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 2, WM_USER + 3, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
    ASSERT_TRUE(PeekMessageA(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 3));
    EXPECT_EQ(msg.hwnd, nullptr);
    ASSERT_TRUE(PeekMessageA(&msg, m_window, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
    ASSERT_TRUE(PeekMessageA(&msg, m_window, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER, WM_USER + 10, PM_REMOVE));
}

TEST_F(QueueTest, QuitComesAfterPostedMessagesAndEndsGetMessage)
{
    PostQuitMessage(5);
    PostMessageA(m_window, WM_USER, 0, 0);
    MSG msg;
    EXPECT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(QueueTest, DestroyingAWindowDropsItsPostedMessages)
{
    HWND other = CreateRecordingWindow();
    PostMessageA(other, WM_USER, 0, 0);
    DestroyWindow(other);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
}

TEST_F(QueueTest, TranslateMessageMakesCharactersFromKeys)
{
    MSG key{m_window, WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_TRUE(TranslateMessage(&key));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>('a'));
    MSG f5{m_window, WM_KEYDOWN, VK_F5, 0, 0, {}};
    EXPECT_TRUE(TranslateMessage(&f5)); // nonzero for every key message, translated or not
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_CHAR, WM_CHAR, PM_NOREMOVE));
}

TEST_F(QueueTest, InputGoesToTheFocusAndUpdatesTheKeyStateWhenTaken)
{
    HWND child = CreateRecordingWindow(WS_CHILD | WS_VISIBLE, m_window, 3);
    SetFocus(child);
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event('B', 0, 0, 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0); // not yet taken from the queue
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, child);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    TranslateMessage(&msg);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>('B'));
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    PumpMessages();
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    DestroyWindow(child);
}

TEST_F(QueueTest, AltKeysBecomeSystemKeys)
{
    SetFocus(m_window);
    keybd_event(VK_MENU, 0, 0, 0);
    keybd_event(VK_F4, 0, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_SYSKEYDOWN));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(VK_F4));
    EXPECT_TRUE(msg.lParam & 0x20000000);
    keybd_event(VK_F4, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TEST_F(QueueTest, AcceleratorsTurnKeysIntoCommandsWithTheRightModifiers)
{
    ACCEL table[] = {{FVIRTKEY, VK_F1, 100}, {FVIRTKEY | FSHIFT, VK_F1, 101}, {FVIRTKEY | FALT, VK_F4, 102},
                     {0, 'x', 103}};
    HACCEL accel = CreateAcceleratorTableA(table, 4);
    ASSERT_NE(accel, nullptr);
    MSG f1{m_window, WM_KEYDOWN, VK_F1, 0, 0, {}};
    EXPECT_EQ(TranslateAcceleratorA(m_window, accel, &f1), 1);
    MSG altF4{m_window, WM_SYSKEYDOWN, VK_F4, 0x20000000, 0, {}};
    EXPECT_EQ(TranslateAcceleratorA(m_window, accel, &altF4), 1);
    MSG plainF4{m_window, WM_KEYDOWN, VK_F4, 0, 0, {}};
    EXPECT_EQ(TranslateAcceleratorA(m_window, accel, &plainF4), 0);
    MSG ch{m_window, WM_CHAR, 'x', 0, 0, {}};
    EXPECT_EQ(TranslateAcceleratorA(m_window, accel, &ch), 1);
    std::vector<WPARAM> commands;
    for (auto &e : MessageLog::Instance().Entries())
        if (e.hwnd == m_window && e.message == WM_COMMAND)
            commands.push_back(e.wParam);
    EXPECT_EQ(commands, (std::vector<WPARAM>{MAKEWPARAM(100, 1), MAKEWPARAM(102, 1), MAKEWPARAM(103, 1)}));
    DestroyAcceleratorTable(accel);
}

TEST_F(QueueTest, TimersArriveAsTimerMessagesAndStopWhenKilled)
{
    EXPECT_EQ(SetTimer(m_window, 9, 10, nullptr), 1u);
    Sleep(15);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 9u);
    EXPECT_TRUE(KillTimer(m_window, 9));
    EXPECT_FALSE(KillTimer(m_window, 9));
    Sleep(15);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

int g_hookCalls = 0;
HHOOK g_first = nullptr;
LRESULT CALLBACK SecondHook(int code, WPARAM wParam, LPARAM lParam)
{
    g_hookCalls += 10;
    return 0;
}
LRESULT CALLBACK FirstHook(int code, WPARAM wParam, LPARAM lParam)
{
    g_hookCalls += 1;
    auto *msg = reinterpret_cast<MSG *>(lParam);
    if (code == MSGF_DIALOGBOX && msg->message == WM_USER + 9)
        return 1; // taken
    return CallNextHookEx(g_first, code, wParam, lParam);
}

TEST_F(QueueTest, MessageFilterHooksRunNewestFirstAndChain)
{
    HHOOK second = SetWindowsHookExA(WH_MSGFILTER, SecondHook, nullptr, GetCurrentThreadId());
    g_first = SetWindowsHookExA(WH_MSGFILTER, FirstHook, nullptr, GetCurrentThreadId());
    MSG other{m_window, WM_USER, 0, 0, 0, {}};
    MSG taken{m_window, WM_USER + 9, 0, 0, 0, {}};
    g_hookCalls = 0;
    EXPECT_FALSE(CallMsgFilterA(&other, MSGF_DIALOGBOX));
    EXPECT_EQ(g_hookCalls, 11);
    g_hookCalls = 0;
    EXPECT_TRUE(CallMsgFilterA(&taken, MSGF_DIALOGBOX));
    EXPECT_EQ(g_hookCalls, 1);
    EXPECT_TRUE(UnhookWindowsHookEx(g_first));
    EXPECT_TRUE(UnhookWindowsHookEx(second));
    EXPECT_FALSE(UnhookWindowsHookEx(second));
    g_hookCalls = 0;
    EXPECT_FALSE(CallMsgFilterA(&other, MSGF_DIALOGBOX));
    EXPECT_EQ(g_hookCalls, 0);
}

} // namespace
