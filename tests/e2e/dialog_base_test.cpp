// The dialog base: the library's own modality with its active-dialog stack, nesting from inside ProcessEvents,
// ending with and without data exchange, clipboard watching, and the host window kept behind the dialog.
#include "clipboard_text.h"
#include "fake_host.h"
#include "testkit.h"

#include <gtest/gtest.h>

namespace {
constexpr int kCancel = 2;

HWND DialogWindow() { return GetActiveWindow(); }

} // namespace

TEST(DialogBase, NestedDialogsDisableTheOneBelowAndHandBackInOrder)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    auto dialog = ORV_EXPORT(host, TestkitDialog);
    auto count = ORV_EXPORT(host, GetActiveDialogCount);
    EXPECT_EQ(count(), 0);

    HWND first = nullptr;
    int innerResult = 0;
    m.Then([&](Modeller &) {
        first = DialogWindow();
        EXPECT_EQ(count(), 1);
        EXPECT_TRUE(IsWindowEnabled(first));
        // The host window lies directly behind the active dialog.
        EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), host.MainWindow());
        // A host editor opened from the dialog calls another export from inside ProcessEvents.
        innerResult = dialog(0);
    });
    m.Then([&](Modeller &) {
        HWND second = DialogWindow();
        EXPECT_NE(second, first);
        EXPECT_EQ(count(), 2);
        EXPECT_FALSE(IsWindowEnabled(first));
        EXPECT_TRUE(IsWindowEnabled(host.MainWindow())); // the host window is never disabled
        Modeller::Escape();
    });
    m.Then([&](Modeller &) {
        // Back in the first dialog after the inner export returned.
        EXPECT_EQ(innerResult, kCancel);
        EXPECT_EQ(count(), 1);
        EXPECT_TRUE(IsWindowEnabled(first));
        EXPECT_TRUE(GetFocus() == first || IsChild(first, GetFocus()));
        Modeller::Type(IDC_TESTKIT_TEXT, "done");
        Modeller::Enter();
    });
    EXPECT_EQ(dialog(0), IDOK);
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(IsWindowEnabled(host.MainWindow()));
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(DialogBase, OkRunsTheDataExchangeAndARejectedFieldKeepsTheDialogOpen)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    m.Then([](Modeller &) {
        // Still open, the empty field focused.
        EXPECT_EQ(Modeller::FocusId(), IDC_TESTKIT_TEXT);
        Modeller::Type(IDC_TESTKIT_TEXT, "x");
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, TestkitDialog)(0), IDOK);

    // Cancel needs no valid data; neither does the close box.
    m.Then([](Modeller &) { Modeller::Click(IDCANCEL); });
    EXPECT_EQ(ORV_EXPORT(host, TestkitDialog)(0), kCancel);
    m.Then([](Modeller &) { PostMessageA(GetActiveWindow(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(ORV_EXPORT(host, TestkitDialog)(0), kCancel);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(DialogBase, ClipboardWatchingTellsTheHostOnOpeningAndOnEveryChangeWhileOpen)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    CallLog &log = host.Log();
    m.Then([&](Modeller &) {
        EXPECT_EQ(log.Count("HandleWindowsClipboardChange"), 1);
        EXPECT_TRUE(WriteClipboardText("one"));
        EXPECT_EQ(log.Count("HandleWindowsClipboardChange"), 2);
        Modeller::Escape();
    });
    ORV_EXPORT(host, TestkitDialog)(1);
    EXPECT_TRUE(WriteClipboardText("two"));
    EXPECT_EQ(log.Count("HandleWindowsClipboardChange"), 2);

    // Without the watching flag the host hears nothing.
    log.Clear();
    m.Then([&](Modeller &) {
        EXPECT_TRUE(WriteClipboardText("three"));
        Modeller::Escape();
    });
    ORV_EXPORT(host, TestkitDialog)(0);
    EXPECT_EQ(log.Count("HandleWindowsClipboardChange"), 0);
}

TEST(DialogBase, ADialogWhosePushFailedRunsOffTheStackAndLeavesTheOneBelowOnIt)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    auto dialog = ORV_EXPORT(host, TestkitDialog);
    auto count = ORV_EXPORT(host, GetActiveDialogCount);
    HWND first = nullptr;
    m.Then([&](Modeller &) {
        first = DialogWindow();
        ORV_EXPORT(host, TestkitFailNextPush)();
        EXPECT_EQ(dialog(0), kCancel);
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(count(), 1); // the inner dialog was never counted
        EXPECT_FALSE(IsWindowEnabled(first));
        Modeller::Escape();
    });
    m.Then([&](Modeller &) {
        // The first dialog is still on the stack, enabled and focused again.
        EXPECT_EQ(count(), 1);
        EXPECT_EQ(DialogWindow(), first);
        EXPECT_TRUE(IsWindowEnabled(first));
        Modeller::Escape();
    });
    EXPECT_EQ(dialog(0), kCancel);
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}
