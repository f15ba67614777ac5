// The sheet base: its own button row, its end codes (Apply Now and Help never end it, OK only when the page
// accepts), its caption, help from the active page, and the clipboard notice on opening.
#include "fake_host.h"
#include "guarded_record.h"
#include "testkit.h"

#include <prsht.h>
#include <win32_headless.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {
constexpr int kCancel = 2;
constexpr int kApplyNow = 3;
constexpr int kHelp = 0xE145;

void Defaults(TestkitSheetRecord &record)
{
    record.types[0] = -1;
    record.attributeTypes[0] = -1;
    std::strcpy(record.elementName, "B1");
    record.number = 5;
}

std::string Caption() { return Modeller::Text(GetActiveWindow()); }
} // namespace

TEST(PropertySheet, ButtonRowCaptionAndEndCodes)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    GuardedRecord<TestkitSheetRecord> record;
    Defaults(*record);
    m.Then([&](Modeller &) {
        EXPECT_EQ(Caption(), "Detail Test - B1");
        EXPECT_EQ(host.Log().Count("HandleWindowsClipboardChange"), 1);
        for (int id : {IDOK, IDCANCEL, kHelp})
            EXPECT_TRUE(Modeller::Visible(id)) << id;
        // Without the apply option the Apply button exists, hidden and disabled.
        EXPECT_FALSE(Modeller::Visible(kApplyNow));
        EXPECT_FALSE(Modeller::Enabled(kApplyNow));
        EXPECT_EQ(LOWORD(SendMessageA(GetActiveWindow(), DM_GETDEFID, 0, 0)), IDOK);
        RECT ok, cancel;
        GetWindowRect(Modeller::Control(IDOK), &ok);
        GetWindowRect(Modeller::Control(IDCANCEL), &cancel);
        EXPECT_EQ(cancel.left - ok.right, 8);
        EXPECT_EQ(cancel.top, ok.top);
        Win32Headless_ClearHelpCalls();
        Modeller::Click(kHelp);
    });
    m.Then([&](Modeller &) {
        // Help asked for the active page's context and left the sheet open.
        ASSERT_EQ(Win32Headless_GetHelpCallCount(), 1);
        WIN32_HELP_CALL call{};
        Win32Headless_GetHelpCall(0, &call);
        EXPECT_EQ(call.command, static_cast<UINT>(HELP_CONTEXT));
        EXPECT_EQ(call.data, 0x20000u + IDD_TESTKIT_ELEMENTS_PAGE);
        Modeller::ClearAndType(IDC_TESTKIT_NUMBER, "42");
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, TestkitSheet)(record.Get()), IDOK);
    EXPECT_EQ(record->number, 42);
    EXPECT_EQ(ORV_EXPORT(host, GetActiveDialogCount)(), 0);

    // Escape and the close box cancel without taking the page's data.
    m.Then([](Modeller &) {
        Modeller::ClearAndType(IDC_TESTKIT_NUMBER, "7");
        Modeller::Escape();
    });
    EXPECT_EQ(ORV_EXPORT(host, TestkitSheet)(record.Get()), kCancel);
    m.Then([](Modeller &) { PostMessageA(GetActiveWindow(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(ORV_EXPORT(host, TestkitSheet)(record.Get()), kCancel);
    EXPECT_EQ(record->number, 42);
    EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
}

TEST(PropertySheet, ARejectedPageKeepsTheSheetOpenOnOkApplyAndPageSwitch)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    GuardedRecord<TestkitSheetRecord> record;
    Defaults(*record);
    record->applyOption = 1;
    record->elementName[0] = 0;
    // The range message is a system message box; the modeller reads and answers it.
    auto dismissMessageBox = [](Modeller &) {
        EXPECT_EQ(Modeller::Text(GetActiveWindow()), "ORVANE");
        Modeller::Enter();
    };
    m.Then([&](Modeller &) {
        EXPECT_EQ(Caption(), "Detail Test"); // no name, no " - "
        EXPECT_TRUE(Modeller::Visible(kApplyNow));
        EXPECT_FALSE(Modeller::Enabled(kApplyNow)); // starts disabled
        EnableWindow(Modeller::Control(kApplyNow), TRUE);
        Modeller::ClearAndType(IDC_TESTKIT_NUMBER, "0");
        Modeller::Click(IDOK);
    });
    m.Then(dismissMessageBox);
    m.Then([&](Modeller &) {
        EXPECT_EQ(Modeller::FocusId(), IDC_TESTKIT_NUMBER);
        // Switching pages runs the same check: the page stays.
        HWND sheet = GetActiveWindow();
        SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    });
    m.Then(dismissMessageBox);
    m.Then([&](Modeller &) {
        HWND sheet = GetActiveWindow();
        HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        EXPECT_EQ(GetDlgCtrlID(GetWindow(page, GW_CHILD)), -1);
        EXPECT_NE(GetDlgItem(page, IDC_TESTKIT_NUMBER), nullptr);
        Modeller::ClearAndType(IDC_TESTKIT_NUMBER, "12");
        Modeller::Click(kApplyNow); // accepted, and the sheet stays open
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(ORV_EXPORT(host, GetActiveDialogCount)(), 1);
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, TestkitSheet)(record.Get()), IDOK);
    EXPECT_EQ(record->number, 12);
}

TEST(PropertySheet, ButtonTextsComeFromTheLanguageLibrary)
{
    FakeHostOptions options;
    options.languageLibrary = ORVANE_LANGUAGE_LIBRARY;
    FakeHost host(ORVANE_TESTKIT_LIBRARY, options);
    GuardedRecord<TestkitSheetRecord> record;
    Defaults(*record);
    host.Driver().Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(IDOK), "Bestaetigen");
        EXPECT_EQ(Modeller::Text(IDCANCEL), "Abbrechen");
        EXPECT_EQ(Modeller::Text(kHelp), "&Hilfe");
        Modeller::Escape();
    });
    EXPECT_EQ(ORV_EXPORT(host, TestkitSheet)(record.Get()), kCancel);
}
