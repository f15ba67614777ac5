// The Summary dialog as a detail page meets it: the rows it shows and the one selected, the caption and both
// heading lines of every kind, the heading lines over the list's rows, and the row it answers after a double
// click, Close, Escape or the close box; an unknown kind opens nothing.
#include "fake_host.h"
#include "png_writer.h"
#include "testkit.h"

#include <win32_headless.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// Identifiers of the dialog (a language library keeps them).
constexpr int kList = 1061, kUpperHeading = 1596, kLowerHeading = 1597, kClose = 2, kHelp = 0xE146;

int RowCount() { return static_cast<int>(SendMessageA(Modeller::Control(kList), LB_GETCOUNT, 0, 0)); }
int SelectedRow() { return static_cast<int>(SendMessageA(Modeller::Control(kList), LB_GETCURSEL, 0, 0)); }
std::string RowText(int row)
{
    char text[256] = "";
    SendMessageA(Modeller::Control(kList), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    return text;
}

// Presses and releases the mouse twice on `row` of the list, as the system delivers a double click.
void DoubleClickRow(int row)
{
    HWND list = Modeller::Control(kList);
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
}

const char kThreeRows[] = "1|Early|8.00|0.50?2|Late|8.00|0.50?3|Night|7.50|0.75?";

class SummaryDialog : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(m.Complaint().empty()) << m.Complaint(); }
    int Run(int kind, const char *rows, int current) { return summary(kind, rows, current); }

    FakeHost host{ORVANE_TESTKIT_LIBRARY};
    Modeller &m = host.Driver();
    decltype(&TestkitSummary) summary = ORV_EXPORT(host, TestkitSummary);
};
} // namespace

TEST_F(SummaryDialog, ShowsOneRowPerQuestionMarkWithTheCurrentOneSelected)
{
    m.Then([](Modeller &) {
        ASSERT_EQ(RowCount(), 3);
        EXPECT_EQ(RowText(0), "1|Early|8.00|0.50");
        EXPECT_EQ(RowText(2), "3|Night|7.50|0.75");
        EXPECT_EQ(SelectedRow(), 1);
        Modeller::Escape();
    });
    EXPECT_EQ(Run(0, kThreeRows, 1), 1);

    // Without the last "?" the rest is still a row; "??" holds an empty one.
    m.Then([](Modeller &) {
        ASSERT_EQ(RowCount(), 3);
        EXPECT_EQ(RowText(1), "");
        EXPECT_EQ(RowText(2), "b");
        EXPECT_EQ(SelectedRow(), 2);
        Modeller::Click(kClose);
    });
    EXPECT_EQ(Run(3, "a??b", 2), 2);

    // No rows at all, or no text: an empty list, nothing selected.
    m.Then([](Modeller &) {
        EXPECT_EQ(RowCount(), 0);
        Modeller::Click(kClose);
    });
    EXPECT_EQ(Run(3, nullptr, 0), -1);
}

TEST_F(SummaryDialog, EveryKindHasItsCaptionAndHeadingLines)
{
    struct Kind {
        const char *caption;
        const char *upper;
        const char *lower;
    };
    const Kind kinds[] = {
        {"Shift Period Summary", "||Working|Rest", "Period|Sub-Shift|Time|Time|Overtime"},
        {"Machine Setup Summary", "||Setup|Setup|Actions|||Station", "Setup|Description|mode|time|S|F|Lab|Number"},
        {"Machine Cycles Summary", "||Input||Actions|||Cycle|Finish",
         "Cycle|Description|Rule|Qty|S|F|Lab|Time|Qty "},
        {"Pie Chart Summary", "", "Sector|Expression"},
        {"Experiment Situation Summary", "||Situation|Command", "Situation|Title|File|File"},
        {"Experiment Replicate(All) Summary", "|Replication|PRN", "Number|Description|Selection          "},
        {"Part Route Summary", "", "Stage|Destination|R_SETUP|R_CYCLE"},
        {"Machine Breakdown Summary", "|Breakdown|Breakdown|Repair|Actions",
         "Breakdown|Description|mode|time|D|R|Lab"},
    };
    for (int kind = 0; kind < 8; ++kind) {
        const Kind &expected = kinds[kind];
        m.Then([&expected, kind](Modeller &) {
            EXPECT_EQ(Modeller::Text(GetActiveWindow()), expected.caption) << kind;
            EXPECT_EQ(Modeller::Text(kUpperHeading), expected.upper) << kind;
            EXPECT_EQ(Modeller::Text(kLowerHeading), expected.lower) << kind;
            Modeller::Click(kClose);
        });
        EXPECT_EQ(Run(kind, "x?", 0), 0) << kind;
    }
}

TEST_F(SummaryDialog, HeadingLinesStandOverTheListsRows)
{
    m.Then([](Modeller &) {
        HWND list = Modeller::Control(kList);
        RECT rows;
        GetClientRect(list, &rows);
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT *>(&rows), 2);
        for (int id : {kUpperHeading, kLowerHeading}) {
            RECT line;
            GetWindowRect(Modeller::Control(id), &line);
            EXPECT_EQ(line.left, rows.left) << id;
            EXPECT_EQ(line.right, rows.right) << id;
        }
        EXPECT_TRUE(SaveWindowPng(GetActiveWindow(), ORVANE_OUT_DIR "/summary_dialog.png"));
        Modeller::Escape();
    });
    Run(2, "1|Load bar|FIFO|1|S|F|2|10.00|1?2|Turn|FIFO|1|||1|4.50|1?3|Polish|LIFO|2|S||3|12.25|2?", 0);
}

TEST_F(SummaryDialog, ADoubleClickedRowIsTheAnswer)
{
    m.Then([](Modeller &) { DoubleClickRow(2); });
    EXPECT_EQ(Run(0, kThreeRows, 0), 2);
}

TEST_F(SummaryDialog, CloseEscapeAndTheCloseBoxAnswerTheSelection)
{
    const std::vector<std::function<void()>> closings = {
        [] { Modeller::Click(kClose); }, [] { Modeller::Escape(); },
        [] { PostMessageA(GetActiveWindow(), WM_CLOSE, 0, 0); }};
    for (const auto &close : closings) {
        m.Then([&close](Modeller &) {
            Modeller::Choose(kList, 0);
            close();
        });
        EXPECT_EQ(Run(1, kThreeRows, 2), 0);
    }
    // A current row outside the rows selects nothing, and nothing selected answers -1.
    m.Then([](Modeller &) {
        EXPECT_EQ(SelectedRow(), -1);
        Modeller::Click(kClose);
    });
    EXPECT_EQ(Run(1, kThreeRows, 7), -1);
}

TEST_F(SummaryDialog, AnUnknownKindOpensNothingAndKeepsTheCurrentRow)
{
    auto count = ORV_EXPORT(host, GetActiveDialogCount);
    EXPECT_EQ(Run(8, kThreeRows, 1), 1);
    EXPECT_EQ(Run(-1, kThreeRows, 2), 2);
    EXPECT_EQ(count(), 0);
}

TEST_F(SummaryDialog, HelpShowsTheDialogsTopicAndKeepsItOpen)
{
    Win32Headless_ClearHelpCalls();
    m.Then([](Modeller &) {
        Modeller::Choose(kList, 2);
        Modeller::Click(kHelp);
    });
    m.Then([](Modeller &) {
        ASSERT_EQ(Win32Headless_GetHelpCallCount(), 1);
        WIN32_HELP_CALL call{};
        Win32Headless_GetHelpCall(0, &call);
        EXPECT_EQ(call.command, static_cast<UINT>(HELP_CONTEXT));
        EXPECT_EQ(call.data, 0x20000u + 1568u);
        Modeller::Click(kClose);
    });
    EXPECT_EQ(Run(4, kThreeRows, 0), 2);
}
