// Message maps, command routing, reflection, subclassing and the handle maps.
#include <algorithm>
#include <string>
#include <vector>

#include "framework_test_support.h"
#include "framework_tests_ids.h"

namespace {

using fwtest::FrameworkTest;

constexpr UINT WM_TEST_PING = WM_APP + 1;
constexpr UINT kNotifyCode = 0U - 1000U;

class CRecordingWnd : public CWnd {
public:
    std::vector<std::string> m_log;

protected:
    void OnSize(UINT, int cx, int cy) { m_log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy)); }
    LRESULT OnPing(WPARAM wParam, LPARAM lParam) {
        m_log.push_back("ping");
        return static_cast<LRESULT>(wParam) + lParam;
    }
    void OnGo() { m_log.push_back("go"); }
    void OnRange(UINT id) { m_log.push_back("range " + std::to_string(id)); }
    void OnClicked() { m_log.push_back("clicked"); }
    void OnCustomNotify(NMHDR *header, LRESULT *result) {
        m_log.push_back("notify " + std::to_string(header->idFrom));
        *result = 77;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
    ON_WM_SIZE()
    ON_MESSAGE(WM_TEST_PING, OnPing)
    ON_COMMAND(100, OnGo)
    ON_COMMAND_RANGE(200, 209, OnRange)
    ON_BN_CLICKED(300, OnClicked)
    ON_NOTIFY(kNotifyCode, 400, OnCustomNotify)
END_MESSAGE_MAP()

class CDerivedWnd : public CRecordingWnd {
protected:
    void OnGoDerived() { m_log.push_back("derived go"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CRecordingWnd)
    ON_COMMAND(100, OnGoDerived)
END_MESSAGE_MAP()

// A button that handles its own click; `m_passOn` lets the parent see it too.
class CSelfHandlingButton : public CButton {
public:
    BOOL m_passOn = FALSE;
    int m_clicks = 0;

protected:
    BOOL OnReflectedClick() {
        ++m_clicks;
        return !m_passOn;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfHandlingButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnReflectedClick)
END_MESSAGE_MAP()

BOOL CreateTopLevel(CWnd &wnd) {
    return wnd.CreateEx(0, nullptr, "Frame", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr);
}

class MessageMapTest : public FrameworkTest {};

TEST_F(MessageMapTest, TypedHandlersReceiveUnpackedParameters) {
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    wnd.m_log.clear();

    EXPECT_EQ(wnd.SendMessage(WM_TEST_PING, 2, 3), 5);
    wnd.MoveWindow(10, 10, 320, 240);
    RECT client{};
    wnd.GetClientRect(&client);
    ASSERT_FALSE(wnd.m_log.empty());
    EXPECT_EQ(wnd.m_log.front(), "ping");
    EXPECT_EQ(wnd.m_log.back(), "size " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
}

TEST_F(MessageMapTest, CommandsRouteByIdentifierAndRange) {
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    wnd.m_log.clear();
    wnd.SendMessage(WM_COMMAND, 100);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(205, 1)); // from an accelerator
    wnd.SendMessage(WM_COMMAND, 210);                // outside the range: nobody
    EXPECT_EQ(wnd.m_log, (std::vector<std::string>{"go", "range 205"}));
}

TEST_F(MessageMapTest, DerivedMapsComeFirstAndChainToTheBase) {
    CDerivedWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    wnd.m_log.clear();
    wnd.SendMessage(WM_COMMAND, 100);
    wnd.SendMessage(WM_COMMAND, 201);
    EXPECT_EQ(wnd.SendMessage(WM_TEST_PING, 1, 1), 2);
    EXPECT_EQ(wnd.m_log, (std::vector<std::string>{"derived go", "range 201", "ping"}));
}

TEST_F(MessageMapTest, NotificationsFromChildrenReachTheParentMap) {
    CRecordingWnd parent;
    ASSERT_TRUE(CreateTopLevel(parent));
    CButton button;
    ASSERT_TRUE(button.Create("Click", WS_VISIBLE | BS_PUSHBUTTON, RECT{5, 5, 80, 30}, &parent, 300));
    EXPECT_EQ(CWnd::FromHandlePermanent(button.m_hWnd), &button);
    parent.m_log.clear();

    button.SendMessage(BM_CLICK);
    NMHDR header{button.m_hWnd, 400, kNotifyCode};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 400, reinterpret_cast<LPARAM>(&header)), 77);
    NMHDR other{button.m_hWnd, 401, kNotifyCode};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 401, reinterpret_cast<LPARAM>(&other)), 0);
    EXPECT_EQ(parent.m_log, (std::vector<std::string>{"clicked", "notify 400"}));
}

TEST_F(MessageMapTest, AControlHandlesItsOwnReflectedNotificationFirst) {
    CRecordingWnd parent;
    ASSERT_TRUE(CreateTopLevel(parent));
    CSelfHandlingButton button;
    ASSERT_TRUE(button.Create("Click", WS_VISIBLE | BS_PUSHBUTTON, RECT{5, 5, 80, 30}, &parent, 300));
    parent.m_log.clear();

    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.m_clicks, 1);
    EXPECT_TRUE(parent.m_log.empty());

    button.m_passOn = TRUE;
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.m_clicks, 2);
    EXPECT_EQ(parent.m_log, (std::vector<std::string>{"clicked"}));
}

// ---- subclassing a window of another module ----

std::vector<UINT> g_originalMessages;

LRESULT CALLBACK OriginalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    g_originalMessages.push_back(message);
    if (message == WM_TEST_PING)
        return 1000;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateForeignWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = OriginalProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ForeignWindow";
    WNDCLASSA existing{};
    if (!GetClassInfoA(wc.hInstance, wc.lpszClassName, &existing))
        RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "Foreign", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

class CPassingWnd : public CWnd {
public:
    int m_sizes = 0;
    static int s_postNcDestroy;

protected:
    void OnSize(UINT type, int cx, int cy) {
        ++m_sizes;
        CWnd::OnSize(type, cx, cy); // the default processing reaches the original procedure
    }
    void PostNcDestroy() override { ++s_postNcDestroy; }
    DECLARE_MESSAGE_MAP()
};
int CPassingWnd::s_postNcDestroy = 0;

BEGIN_MESSAGE_MAP(CPassingWnd, CWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()

TEST_F(MessageMapTest, SubclassingSeesMessagesFirstAndPassesTheRestOn) {
    HWND foreign = CreateForeignWindow();
    ASSERT_NE(foreign, nullptr);
    const LONG original = GetWindowLongA(foreign, GWL_WNDPROC);
    {
        CPassingWnd wnd;
        ASSERT_TRUE(wnd.SubclassWindow(foreign));
        EXPECT_NE(GetWindowLongA(foreign, GWL_WNDPROC), original);
        EXPECT_FALSE(CPassingWnd().SubclassWindow(foreign)) << "a window has one permanent object";

        g_originalMessages.clear();
        EXPECT_EQ(SendMessageA(foreign, WM_TEST_PING, 0, 0), 1000);
        MoveWindow(foreign, 0, 0, 250, 120, TRUE);
        EXPECT_GE(wnd.m_sizes, 1);
        EXPECT_NE(std::count(g_originalMessages.begin(), g_originalMessages.end(), WM_SIZE), 0);

        EXPECT_EQ(wnd.UnsubclassWindow(), foreign);
        EXPECT_EQ(GetWindowLongA(foreign, GWL_WNDPROC), original);
        EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    }
    EXPECT_TRUE(IsWindow(foreign)) << "an object that did not create its window leaves it alone";
    DestroyWindow(foreign);
}

TEST_F(MessageMapTest, DestroyingTheWindowDetachesTheObject) {
    HWND foreign = CreateForeignWindow();
    CPassingWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(foreign));
    CPassingWnd::s_postNcDestroy = 0;
    DestroyWindow(foreign);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    EXPECT_EQ(CPassingWnd::s_postNcDestroy, 1);
}

class CSelfDeletingWnd : public CWnd {
public:
    static int s_deleted;
    ~CSelfDeletingWnd() override { ++s_deleted; }

protected:
    void PostNcDestroy() override { delete this; }
};
int CSelfDeletingWnd::s_deleted = 0;

TEST_F(MessageMapTest, AnObjectMayDeleteItselfAfterItsWindow) {
    auto *wnd = new CSelfDeletingWnd;
    ASSERT_TRUE(CreateTopLevel(*wnd));
    CSelfDeletingWnd::s_deleted = 0;
    EXPECT_TRUE(wnd->DestroyWindow());
    EXPECT_EQ(CSelfDeletingWnd::s_deleted, 1);
}

TEST_F(MessageMapTest, AnOwningObjectDestroysItsWindow) {
    HWND hwnd = nullptr;
    {
        CRecordingWnd wnd;
        ASSERT_TRUE(CreateTopLevel(wnd));
        hwnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST_F(MessageMapTest, ForeignWindowsGetTemporaryObjectsUntilIdle) {
    HWND foreign = CreateForeignWindow();
    CWnd::DeleteTempMap();
    CWnd *first = CWnd::FromHandle(foreign);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_hWnd, foreign);
    EXPECT_EQ(CWnd::FromHandle(foreign), first);
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    EXPECT_EQ(CWnd::GetTempMapCount(), 1);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    // A typed temporary object for control-class operations; the plain one stays usable.
    CEdit *edit = CWnd::FromHandleAs<CEdit>(foreign);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->IsKindOf(RUNTIME_CLASS(CEdit)));
    EXPECT_EQ(edit->m_hWnd, foreign);
    EXPECT_EQ(CWnd::FromHandleAs<CEdit>(foreign), edit);
    EXPECT_EQ(first->m_hWnd, foreign);
    EXPECT_EQ(CWnd::GetTempMapCount(), 2);

    EXPECT_TRUE(FrameworkOnIdle(0));
    EXPECT_EQ(CWnd::GetTempMapCount(), 2) << "the first idle call only updates controls";
    EXPECT_FALSE(FrameworkOnIdle(1));
    EXPECT_EQ(CWnd::GetTempMapCount(), 0);
    EXPECT_TRUE(IsWindow(foreign)) << "freeing a temporary object leaves its window alone";
    DestroyWindow(foreign);
}

} // namespace
