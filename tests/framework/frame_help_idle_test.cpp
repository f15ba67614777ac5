// The main-window object bound to a host window, accelerators, help routing, idle processing
// and the framework's message box.
#include <win32_headless.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "framework_test_support.h"
#include "framework_tests_ids.h"

namespace {

using fwtest::FrameworkTest;
using fwtest::HostWindow;
using fwtest::MessageBoxAnswerer;

class CMainFrameForTest : public CFrameWnd {
public:
    std::vector<UINT> m_menuItems;
    int m_testCommands = 0;
    void OnMenuSelect(UINT item, UINT flags, HMENU menu) override {
        m_menuItems.push_back(item);
        CFrameWnd::OnMenuSelect(item, flags, menu);
    }

protected:
    void OnTestCommand() { ++m_testCommands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainFrameForTest, CFrameWnd)
    ON_COMMAND(ID_TEST_COMMAND, OnTestCommand)
END_MESSAGE_MAP()

// A dialog whose push button follows a flag through the update-command-UI pass.
class CUpdatingDialog : public CDialog {
public:
    CUpdatingDialog() : CDialog(IDD_FW_DATA) {}
    BOOL m_pushEnabled = TRUE;
    int m_updates = 0;

protected:
    void OnUpdatePush(CCmdUI *ui) {
        ++m_updates;
        ui->Enable(m_pushEnabled);
    }
    void OnUpdateCheck(CCmdUI *ui) { ui->SetCheck(m_pushEnabled ? 1 : 0); }
    void OnUpdateName(CCmdUI *ui) { ui->SetText(m_pushEnabled ? "enabled" : "disabled"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdatingDialog, CDialog)
    ON_UPDATE_COMMAND_UI(IDC_PUSH, OnUpdatePush)
    ON_UPDATE_COMMAND_UI(IDC_CHECK, OnUpdateCheck)
    ON_UPDATE_COMMAND_UI(IDC_NAME, OnUpdateName)
END_MESSAGE_MAP()

class FrameTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        m_host = std::make_unique<HostWindow>();
        ASSERT_TRUE(m_frame.SubclassWindow(m_host->Get()));
        FrameworkSetMainWnd(&m_frame);
    }
    void TearDown() override {
        m_frame.UnsubclassWindow();
        m_host.reset();
        FrameworkTest::TearDown();
    }

    static std::vector<WIN32_HELP_CALL> HelpCalls() {
        std::vector<WIN32_HELP_CALL> calls(static_cast<size_t>(Win32Headless_GetHelpCallCount()));
        for (size_t index = 0; index < calls.size(); ++index)
            Win32Headless_GetHelpCall(static_cast<int>(index), &calls[index]);
        return calls;
    }

    std::unique_ptr<HostWindow> m_host;
    CMainFrameForTest m_frame;
};

TEST_F(FrameTest, AcceleratorsOfTheMainWindowAreTranslatedFirst) {
    ASSERT_TRUE(m_frame.LoadAccelTable(IDR_FW_ACCEL));
    EXPECT_FALSE(m_frame.LoadAccelTable(4711));
    EXPECT_NE(m_frame.m_hAccelTable, nullptr) << "a missing table leaves the loaded one";

    SetFocus(m_host->Get());
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(VK_F2, 0, 0, 0);
    keybd_event(VK_F2, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    fwtest::Pump();
    EXPECT_EQ(m_frame.m_testCommands, 1);
    EXPECT_TRUE(m_host->Commands().empty()) << "a handled command does not reach the host's procedure";
}

TEST_F(FrameTest, ContextHelpAsksTheWindowsFromTheFocusUpward) {
    CDialog dialog(IDD_FW_DATA);
    ASSERT_TRUE(dialog.Create(IDD_FW_DATA));
    dialog.ShowWindow(SW_SHOW);
    SetFocus(GetDlgItem(dialog.m_hWnd, IDC_NAME));

    m_frame.SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    auto calls = HelpCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(calls[0].data, static_cast<ULONG_PTR>(0x20000 + IDD_FW_DATA));
    EXPECT_STREQ(calls[0].path, kHelpPath);

    // F1 through the accelerator table, with the focus in the dialog.
    Win32Headless_ClearHelpCalls();
    ASSERT_TRUE(m_frame.LoadAccelTable(IDR_FW_ACCEL));
    MSG msg{GetFocus(), WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
    EXPECT_TRUE(m_frame.PreTranslateMessage(&msg));
    calls = HelpCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].data, static_cast<ULONG_PTR>(0x20000 + IDD_FW_DATA));
    dialog.DestroyWindow();
}

TEST_F(FrameTest, HelpWithoutAnAnsweringWindowFallsBackToTheIndex) {
    SetFocus(m_host->Get());
    m_frame.SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    const auto calls = HelpCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].command, static_cast<UINT>(HELP_INDEX));
    EXPECT_EQ(calls[0].hwnd, m_host->Get());
}

TEST_F(FrameTest, HelpCommandsCallTheHelpSystemWithThePathBuffer) {
    // The framework reads the buffer it was given, so a later change of the text counts.
    char path[261] = "first.hlp";
    FrameworkSetHelpFilePath(path);
    m_frame.SendMessage(WM_COMMAND, ID_HELP_INDEX);
    lstrcpyA(path, "second.hlp");
    m_frame.SendMessage(WM_COMMAND, ID_HELP_FINDER);
    m_frame.SendMessage(WM_COMMAND, ID_HELP_USING);
    const auto calls = HelpCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_STREQ(calls[0].path, "first.hlp");
    EXPECT_EQ(calls[0].command, static_cast<UINT>(HELP_INDEX));
    EXPECT_STREQ(calls[1].path, "second.hlp");
    EXPECT_EQ(calls[1].command, static_cast<UINT>(HELP_FINDER));
    EXPECT_EQ(calls[2].command, static_cast<UINT>(HELP_HELPONHELP));
}

TEST_F(FrameTest, MenuSelectionReachesTheVirtualAndTheHostWindow) {
    m_frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(42, MF_STRING), 0);
    EXPECT_EQ(m_frame.m_menuItems, std::vector<UINT>{42});
    const auto &messages = m_host->Messages();
    EXPECT_NE(std::find(messages.begin(), messages.end(), static_cast<UINT>(WM_MENUSELECT)), messages.end());
}

TEST_F(FrameTest, IdleUpdatesOptedInDialogsOnly) {
    CUpdatingDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_FW_DATA));
    dialog.ShowWindow(SW_SHOW);
    HWND push = GetDlgItem(dialog.m_hWnd, IDC_PUSH);
    dialog.m_pushEnabled = FALSE;
    FrameworkOnIdle(0);
    EXPECT_EQ(dialog.m_updates, 0) << "dialogs opt in";
    EXPECT_TRUE(IsWindowEnabled(push));

    dialog.SetUpdateControlsAtIdle(TRUE);
    EXPECT_TRUE(FrameworkOnIdle(0));
    EXPECT_EQ(dialog.m_updates, 1);
    EXPECT_FALSE(IsWindowEnabled(push));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog.m_hWnd, IDC_CHECK), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(fwtest::DialogItemText(dialog.m_hWnd, IDC_NAME), "disabled");

    dialog.m_pushEnabled = TRUE;
    FrameworkOnIdle(0);
    EXPECT_TRUE(IsWindowEnabled(push));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog.m_hWnd, IDC_CHECK), BM_GETCHECK, 0, 0), BST_CHECKED);
    dialog.DestroyWindow();
}

TEST_F(FrameTest, IdleIsDueAfterInputButNotAfterPaintingOrStillMouseMoves) {
    MSG msg{m_host->Get(), WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    EXPECT_TRUE(FrameworkIsIdleMessage(&msg));
    msg.message = WM_PAINT;
    EXPECT_FALSE(FrameworkIsIdleMessage(&msg));
    msg.message = 0x0118;
    EXPECT_FALSE(FrameworkIsIdleMessage(&msg));
    msg.message = WM_TIMER;
    EXPECT_TRUE(FrameworkIsIdleMessage(&msg));
    msg.message = WM_MOUSEMOVE;
    msg.pt = POINT{5, 6};
    EXPECT_TRUE(FrameworkIsIdleMessage(&msg));
    EXPECT_FALSE(FrameworkIsIdleMessage(&msg)) << "the mouse did not move";
    msg.pt = POINT{6, 6};
    EXPECT_TRUE(FrameworkIsIdleMessage(&msg));
    msg.message = WM_NCMOUSEMOVE;
    EXPECT_TRUE(FrameworkIsIdleMessage(&msg)) << "another kind of move counts as a move";
}

TEST_F(FrameTest, MessageBoxesAreOwnedByTheMainWindowAndCarryTheTitle) {
    MessageBoxAnswerer answerer;
    EXPECT_EQ(FrameworkMessageBox("Plain", MB_OKCANCEL), IDOK);
    EXPECT_EQ(FrameworkMessageBox(IDS_FW_TITLE), IDOK);
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[0].text, "Plain");
    EXPECT_EQ(answerer.Boxes()[0].caption, "Framework Test");
    EXPECT_EQ(answerer.Boxes()[0].owner, m_host->Get());
    EXPECT_FALSE(answerer.Boxes()[0].ownerEnabled) << "the box is modal to its owner";
    EXPECT_EQ(answerer.Boxes()[1].text, "Framework Test");
    EXPECT_TRUE(IsWindowEnabled(m_host->Get()));
}

} // namespace
