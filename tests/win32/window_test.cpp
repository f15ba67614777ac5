// Window creation and destruction, the window tree, window longs and texts.
#include "recording_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { MessageLog::Instance().Clear(); }
    void TearDown() override
    {
        SetRecordingHandler(nullptr);
        for (HWND h : m_windows)
            if (IsWindow(h))
                DestroyWindow(h);
        PumpMessages();
    }
    HWND Make(DWORD style = WS_OVERLAPPEDWINDOW, HWND parent = nullptr, int id = 0)
    {
        HWND h = CreateRecordingWindow(style, parent, id);
        m_windows.push_back(h);
        return h;
    }
    std::vector<HWND> m_windows;
};

TEST_F(WindowTest, CreationSendsNcCreateCreateSizeMoveInOrder)
{
    HWND w = Make(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(w, nullptr);
    auto msgs = MessageLog::Instance().MessagesOf(w, {WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE});
    EXPECT_EQ(msgs, (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}));
    char text[16];
    EXPECT_EQ(GetWindowTextA(w, text, sizeof text), 4);
    EXPECT_STREQ(text, "Test");
    EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(WindowTest, RefusedCreationGivesNullAndNoWindow)
{
    SetRecordingHandler([](HWND, UINT msg, WPARAM, LPARAM, LRESULT &r) {
        if (msg == WM_CREATE) {
            r = -1;
            return true;
        }
        return false;
    });
    HWND w = CreateRecordingWindow();
    EXPECT_EQ(w, nullptr);
    int destroys = 0;
    for (auto &e : MessageLog::Instance().Entries())
        destroys += e.message == WM_NCDESTROY;
    EXPECT_EQ(destroys, 1);
}

TEST_F(WindowTest, ChildNeedsParentAndUnknownClassFails)
{
    SetLastError(0);
    EXPECT_EQ(CreateRecordingWindow(WS_CHILD, nullptr), nullptr);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

TEST_F(WindowTest, ChildrenKeepCreationOrderAndGetWindowWalksIt)
{
    HWND top = Make();
    HWND a = Make(WS_CHILD | WS_VISIBLE, top, 1);
    HWND b = Make(WS_CHILD | WS_VISIBLE, top, 2);
    HWND c = Make(WS_CHILD | WS_VISIBLE, top, 3);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(a, GW_HWNDLAST), c);
    EXPECT_EQ(GetParent(b), top);
    EXPECT_EQ(GetDlgCtrlID(b), 2);
    EXPECT_EQ(GetDlgItem(top, 3), c);
    EXPECT_TRUE(IsChild(top, c));
    EXPECT_EQ(GetAncestor(c, GA_ROOT), top);
}

TEST_F(WindowTest, DestroySendsDestroyParentFirstAndNcDestroyChildFirst)
{
    HWND top = Make();
    HWND child = Make(WS_CHILD, top, 1);
    MessageLog::Instance().Clear();
    DestroyWindow(top);
    std::vector<std::pair<HWND, UINT>> order;
    for (auto &e : MessageLog::Instance().Entries())
        if (e.message == WM_DESTROY || e.message == WM_NCDESTROY)
            order.push_back({e.hwnd, e.message});
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[0], std::make_pair(top, static_cast<UINT>(WM_DESTROY)));
    EXPECT_EQ(order[1], std::make_pair(child, static_cast<UINT>(WM_DESTROY)));
    EXPECT_EQ(order[2], std::make_pair(child, static_cast<UINT>(WM_NCDESTROY)));
    EXPECT_EQ(order[3], std::make_pair(top, static_cast<UINT>(WM_NCDESTROY)));
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(WindowTest, StaleHandlesFailWithTheDocumentedError)
{
    HWND w = Make();
    DestroyWindow(w);
    HWND again = Make(); // may reuse the slot; the old handle must still be dead
    EXPECT_NE(again, w);
    SetLastError(0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(GetWindowLongA(w, GWL_STYLE), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(DestroyWindow(w));
    EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageA(w, WM_USER, 0, 0));
}

TEST_F(WindowTest, OwnedWindowsAreDestroyedWithTheirOwner)
{
    HWND owner = Make();
    HWND popup = Make(WS_POPUP, owner);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(popup), owner);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(popup));
}

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "previous"));
    if (msg == WM_USER + 7)
        return 77;
    return CallWindowProcA(previous, hwnd, msg, wParam, lParam);
}

TEST_F(WindowTest, SubclassingThroughWndProcChainsToThePreviousProcedure)
{
    HWND w = Make();
    LONG previous = SetWindowLongA(w, GWL_WNDPROC, static_cast<LONG>(reinterpret_cast<uintptr_t>(&SubclassProc)));
    SetPropA(w, "previous", reinterpret_cast<HANDLE>(static_cast<uintptr_t>(previous)));
    EXPECT_EQ(SendMessageA(w, WM_USER + 7, 0, 0), 77);
    MessageLog::Instance().Clear();
    SetWindowTextA(w, "Renamed");
    EXPECT_EQ(MessageLog::Instance().Count(w, WM_SETTEXT), 1);
    EXPECT_EQ(GetWindowTextLengthA(w), 7);
    EXPECT_EQ(GetWindowLongA(w, GWL_WNDPROC), static_cast<LONG>(reinterpret_cast<uintptr_t>(&SubclassProc)));
}

TEST_F(WindowTest, ExtraBytesAreBoundedByTheClass)
{
    HWND w = Make();
    EXPECT_EQ(SetWindowLongA(w, 4, 1234), 0);
    EXPECT_EQ(GetWindowLongA(w, 4), 1234);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongA(w, 6), 0); // 6 + 4 > 8 extra bytes
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    SetWindowLongA(w, GWL_USERDATA, 99);
    EXPECT_EQ(GetWindowLongA(w, GWL_USERDATA), 99);
}

TEST_F(WindowTest, GetWindowTextTruncatesToTheBuffer)
{
    HWND w = Make();
    SetWindowTextA(w, "abcdef");
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(GetWindowTextA(w, buffer, 4), 3);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(GetWindowTextA(w, buffer, 0), 0);
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND> *>(lParam)->push_back(hwnd);
    return TRUE;
}

TEST_F(WindowTest, EnumerationCoversDescendantsAndThreadWindows)
{
    HWND top = Make();
    HWND a = Make(WS_CHILD, top, 1);
    HWND a1 = Make(WS_CHILD, a, 11);
    HWND b = Make(WS_CHILD, top, 2);
    std::vector<HWND> found;
    EXPECT_TRUE(EnumChildWindows(top, Collect, reinterpret_cast<LPARAM>(&found)));
    EXPECT_EQ(found, (std::vector<HWND>{a, a1, b}));
    found.clear();
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&found));
    EXPECT_NE(std::find(found.begin(), found.end(), top), found.end());
    EXPECT_EQ(std::find(found.begin(), found.end(), a), found.end());
    SetWindowTextA(top, "Unique Title 42");
    EXPECT_EQ(FindWindowA(kRecordingClass, "Unique Title 42"), top);
    EXPECT_EQ(FindWindowA(nullptr, "No Such Title"), nullptr);
}

TEST_F(WindowTest, CoordinatesMapThroughParents)
{
    HWND top = Make(WS_POPUP);
    MoveWindow(top, 100, 50, 300, 200, FALSE);
    HWND child = Make(WS_CHILD, top, 1);
    MoveWindow(child, 10, 20, 50, 40, FALSE);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 110);
    EXPECT_EQ(r.top, 70);
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 110);
    EXPECT_EQ(p.y, 70);
    GetClientRect(child, &r);
    EXPECT_EQ(r.right, 50);
    EXPECT_EQ(r.bottom, 40);
    POINT q{5, 5};
    MapWindowPoints(child, top, &q, 1);
    EXPECT_EQ(q.x, 15);
    EXPECT_EQ(q.y, 25);
}

TEST_F(WindowTest, CaptionAndBordersShrinkTheClientArea)
{
    RECT r{0, 0, 100, 100};
    AdjustWindowRectEx(&r, WS_POPUP | WS_CAPTION, FALSE, WS_EX_DLGMODALFRAME);
    HWND w = CreateRecordingWindow(WS_POPUP | WS_CAPTION, nullptr, 0, WS_EX_DLGMODALFRAME);
    m_windows.push_back(w);
    ASSERT_NE(w, nullptr);
    SetWindowPos(w, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, 100);
    EXPECT_EQ(client.bottom, 100);
    EXPECT_GT(r.bottom - r.top, r.right - r.left); // the caption is taller than the side frames
}

} // namespace
