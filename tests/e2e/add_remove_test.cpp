// The add/remove dialog: the modeller adds, removes and moves rows; the count limits, the description rule
// and the variant's texts decide what is possible; the caller gets its rows back in the new order, with the
// index it follows carried along, after OK only.
#include "fake_host.h"
#include "testkit.h"

#include <win32_headless.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
constexpr int kListLabel = 1046, kList = 1037, kDescriptionLabel = 1047, kDescription = 1036, kAdd = 1051;
constexpr int kRemove = 1034, kMoveUp = 3, kMoveDown = 4, kHelp = 0xE145, kMessageText = 1009;

std::vector<std::string> ListTexts()
{
    HWND list = Modeller::Control(kList);
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)), '\0');
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        texts.push_back(text);
    }
    return texts;
}
int Selection() { return static_cast<int>(SendMessageA(Modeller::Control(kList), LB_GETCURSEL, 0, 0)); }
std::vector<std::string> Rows(std::initializer_list<const char *> names) { return {names.begin(), names.end()}; }

class AddRemove : public ::testing::Test {
protected:
    AddRemove() { record.result = result; record.resultSize = sizeof result; }

    // A page's rows, named by `names` (each ended by "|"); described rows, no limits.
    void Open(const char *names, int selected = 0, int tracked = -1)
    {
        record.rowNames = names;
        record.selectedIndex = selected;
        record.trackedIndex = tracked;
        record.description[0] = '\0';
    }
    int Run() { return ORV_EXPORT(host, TestkitAddRemove)(&record); }
    std::string Result() const { return result; }

    FakeHost host{ORVANE_TESTKIT_LIBRARY};
    Modeller &m = host.Driver();
    TestkitAddRemoveRecord record{0, 0, 0, 0, 80, 0, -1, 0, -1, nullptr, {}, nullptr, 0, 0};
    char result[512] = {};
};
} // namespace

TEST_F(AddRemove, TheCountLimitsDisableRemoveAndAdd)
{
    record.minimumCount = 1;
    Open("Only|");
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kRemove));
        EXPECT_FALSE(Modeller::Enabled(kMoveUp));
        EXPECT_FALSE(Modeller::Enabled(kMoveDown));
        Modeller::Type(kDescription, "Second");
    });
    m.Then([](Modeller &) {
        ASSERT_TRUE(Modeller::Enabled(kAdd));
        Modeller::Click(kAdd);
    });
    m.Then([](Modeller &) {
        EXPECT_TRUE(Modeller::Enabled(kRemove)); // two rows, minimum one
        Modeller::Click(kRemove);
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kRemove));
        EXPECT_EQ(ListTexts(), Rows({"Only"}));
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(Run(), IDOK);
    EXPECT_EQ(Result(), "Only/0|");

    record.minimumCount = 0;
    record.maximumCount = 2;
    Open("A|B|");
    m.Then([](Modeller &) {
        Modeller::Type(kDescription, "C");
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kAdd)); // a fresh description, but the list is full
        Modeller::Click(kRemove);
    });
    m.Then([](Modeller &) {
        EXPECT_TRUE(Modeller::Enabled(kAdd)); // room again, and "C" is not listed
        Modeller::Click(kAdd);
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kAdd));
        Modeller::ClearAndType(kDescription, "D");
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kAdd)); // typing does not lift the maximum
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(Run(), IDOK);
    EXPECT_EQ(Result(), "B/1|C/-1|");
}

TEST_F(AddRemove, ADescriptionThatNamesARowCannotBeAddedWhateverItsCase)
{
    Open("Rate|Load|");
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kAdd)); // empty description
        Modeller::Type(kDescription, "Rat");
    });
    m.Then([](Modeller &) {
        EXPECT_TRUE(Modeller::Enabled(kAdd)); // a part of a name is not the name
        Modeller::Type(kDescription, "e");
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kAdd));
        Modeller::ClearAndType(kDescription, "RATE");
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kAdd)); // names differing only in case are the same name
        Modeller::ClearAndType(kDescription, "Rate ");
    });
    m.Then([](Modeller &) {
        EXPECT_TRUE(Modeller::Enabled(kAdd)); // the whole name counts, blanks included
        Modeller::Click(IDCANCEL);
    });
    EXPECT_EQ(Run(), IDCANCEL);
}

TEST_F(AddRemove, AddingInsertsAfterTheSelectionAndMovesCarryTheTrackedRow)
{
    Open("A|B|C|", 0, 2); // the caller follows C
    m.Then([](Modeller &) { Modeller::Type(kDescription, "X"); });
    m.Then([](Modeller &) { Modeller::Click(kAdd); });
    m.Then([](Modeller &) {
        EXPECT_EQ(ListTexts(), Rows({"A", "X", "B", "C"}));
        EXPECT_EQ(Selection(), 1);
        // Ready for the next description: focus in the box, its text selected, and X already listed.
        EXPECT_EQ(Modeller::FocusId(), kDescription);
        DWORD start = 1, end = 0;
        SendMessageA(Modeller::Control(kDescription), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 1u);
        EXPECT_FALSE(Modeller::Enabled(kAdd));
        Modeller::Click(kMoveUp);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(ListTexts(), Rows({"X", "A", "B", "C"}));
        EXPECT_EQ(Selection(), 0);
        EXPECT_FALSE(Modeller::Enabled(kMoveUp));
        EXPECT_TRUE(Modeller::Enabled(kMoveDown));
        Modeller::Choose(kList, 3); // C, the tracked row
    });
    m.Then([](Modeller &) {
        EXPECT_TRUE(Modeller::Enabled(kMoveUp));
        EXPECT_FALSE(Modeller::Enabled(kMoveDown));
        Modeller::Click(kMoveUp); // the tracked row moves: its index follows
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(ListTexts(), Rows({"X", "A", "C", "B"}));
        Modeller::Choose(kList, 1);
    });
    m.Then([](Modeller &) {
        Modeller::Click(kMoveDown); // the tracked row is the neighbour: it moves the other way
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(ListTexts(), Rows({"X", "C", "A", "B"}));
        EXPECT_EQ(Selection(), 2);
        Modeller::Choose(kList, 0);
    });
    m.Then([](Modeller &) {
        Modeller::ClearAndType(kDescription, "Y");
    });
    m.Then([](Modeller &) {
        Modeller::Click(kAdd); // before the tracked row: it moves down
    });
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    ASSERT_EQ(Run(), IDOK);
    EXPECT_EQ(Result(), "X/-1|Y/-1|C/2|A/0|B/1|");
    EXPECT_EQ(record.trackedIndex, 2);
    EXPECT_EQ(record.selectedIndex, 1);
    EXPECT_STREQ(record.description, "Y");
}

TEST_F(AddRemove, RemovingShiftsTheTrackedIndexAndRemovingTheTrackedRowForgetsIt)
{
    Open("A|B|C|D|", 1, 2);
    m.Then([](Modeller &) { Modeller::Click(kRemove); }); // B, before the tracked C
    m.Then([](Modeller &) {
        EXPECT_EQ(ListTexts(), Rows({"A", "C", "D"}));
        EXPECT_EQ(Selection(), 1); // the same position
        Modeller::Click(kRemove); // C itself
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Selection(), 1);
        Modeller::Click(kRemove); // D, the last: the one before is selected
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(ListTexts(), Rows({"A"}));
        EXPECT_EQ(Selection(), 0);
        Modeller::Click(kRemove);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(Selection(), -1);
        for (int id : {kRemove, kMoveUp, kMoveDown, kAdd})
            EXPECT_FALSE(Modeller::Enabled(id)) << id;
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(Run(), IDOK);
    EXPECT_EQ(Result(), "");
    EXPECT_EQ(record.trackedIndex, -1);
    EXPECT_EQ(record.selectedIndex, -1);
}

TEST_F(AddRemove, NumberedRowsAreRenumberedOnOk)
{
    record.numbered = 1;
    record.maximumCount = 5;
    Open("first|second|third|", 0);
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Visible(kDescription));
        EXPECT_FALSE(Modeller::Visible(kDescriptionLabel));
        EXPECT_FALSE(Modeller::Enabled(kDescriptionLabel));
        EXPECT_EQ(ListTexts(), Rows({"1", "2", "3"}));
        EXPECT_TRUE(Modeller::Enabled(kAdd)); // no description needed
        Modeller::Click(kAdd);
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(ListTexts(), Rows({"1", "4", "2", "3"})); // named by the count until saved
        Modeller::Click(kAdd);
    });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Enabled(kAdd)); // the maximum
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(Run(), IDOK);
    EXPECT_EQ(Result(), "1/0|2/-1|3/-1|4/1|5/2|");
}

TEST_F(AddRemove, RowsThatKeepTheirNamesAreMadeOfThePrototypesClass)
{
    record.keepOwnNames = 1;
    record.rowClass = 1;
    Open("Cycle 1|", 0);
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Visible(kDescription));
        Modeller::Click(kAdd);
    });
    m.Then([](Modeller &) { Modeller::Click(kAdd); }); // the same name twice is fine here
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    ASSERT_EQ(Run(), IDOK);
    EXPECT_EQ(Result(), "Cycle 1/0|New Row/-1|New Row/-1|");
    EXPECT_EQ(record.rowsOfRowClass, 3);

    record.rowClass = 0; // the plain row's own name is a blank
    Open("", 0);
    m.Then([](Modeller &) { Modeller::Click(kAdd); });
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    ASSERT_EQ(Run(), IDOK);
    EXPECT_EQ(Result(), " /-1|");
}

TEST_F(AddRemove, CancelLeavesTheCallersRows)
{
    Open("A|B|", 1, 1);
    m.Then([](Modeller &) { Modeller::Type(kDescription, "C"); });
    m.Then([](Modeller &) { Modeller::Click(kAdd); });
    m.Then([](Modeller &) { Modeller::Click(kMoveUp); });
    m.Then([](Modeller &) { Modeller::Choose(kList, 0); });
    m.Then([](Modeller &) { Modeller::Click(kRemove); });
    m.Then([](Modeller &) {
        EXPECT_EQ(ListTexts(), Rows({"C", "B"}));
        Modeller::Click(IDCANCEL);
    });
    ASSERT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(Result(), "A/0|B/1|");
    EXPECT_EQ(record.trackedIndex, 1);
    EXPECT_EQ(record.selectedIndex, 1);
}

TEST_F(AddRemove, ARowThatCannotBeMadeShowsTheMemoryMessageAndChangesNothing)
{
    record.rowClass = 2;
    Open("A|B|", 0, 1);
    m.Then([](Modeller &) { Modeller::Type(kDescription, "C"); });
    m.Then([](Modeller &) { Modeller::Click(kAdd); });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kMessageText), "There is not enough memory to perform the requested operation");
        Modeller::Enter();
    });
    m.Then([](Modeller &) {
        EXPECT_EQ(ListTexts(), Rows({"A", "B"}));
        EXPECT_EQ(Selection(), 0);
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(Run(), IDOK);
    EXPECT_EQ(Result(), "A/0|B/1|");
    EXPECT_EQ(record.trackedIndex, 1);
}

TEST_F(AddRemove, TheSelectionIsClampedAndTheDescriptionLimited)
{
    struct Case {
        const char *names;
        int selected, expected;
    };
    for (const Case &c : {Case{"A|B|", 5, 0}, Case{"A|B|", -3, 0}, Case{"A|B|", 1, 1}, Case{"", 0, -1}}) {
        Open(c.names, c.selected);
        m.Then([&](Modeller &) {
            EXPECT_EQ(Selection(), c.expected) << c.names << c.selected;
            Modeller::Escape();
        });
        EXPECT_EQ(Run(), IDCANCEL);
    }
    record.descriptionLimit = 5;
    Open("A|");
    m.Then([](Modeller &) { Modeller::Type(kDescription, "abcdefgh"); });
    m.Then([](Modeller &) { Modeller::Click(IDOK); });
    ASSERT_EQ(Run(), IDOK);
    EXPECT_STREQ(record.description, "abcde");
}

TEST_F(AddRemove, EachVariantShowsItsOwnTexts)
{
    struct Case {
        const char *caption, *list, *description;
    };
    const Case cases[] = {
        {"Add / Remove Cycles", "&Cycles:", "Cycle D&escription:"},
        {"Add / Remove Setups", "&Setups:", "Setup D&escription:"},
        {"Add / Remove Breakdowns", "&Breakdowns:", "Breakdown D&escription:"},
        {"Add / Remove Stages", "&Stages:", "D&escription:"}, // the template's label
        {"Add / Remove Sectors", "&Sectors:", "Sector D&escription:"},
        {"Add / Remove Periods", "&Periods:", "Period D&escription:"},
        {"Add / Remove Situations", "&Situations:", "Situation D&escription:"},
        {"Add / Remove Replications", "&Replications:", "Replication D&escription:"},
        {"Add / Remove Function Parameters", "&Parameters:", "Parameter D&escription:"},
        {"Add / Remove Labor Shifts", "&Shifts: ", " Shift D&escription:"},
    };
    for (int variant = 0; variant < 10; ++variant) {
        record.variant = variant;
        Open("A|");
        const Case &c = cases[variant];
        m.Then([&](Modeller &) {
            EXPECT_EQ(Modeller::Text(Modeller::ActiveWindow()), c.caption);
            EXPECT_EQ(Modeller::Text(kListLabel), c.list);
            EXPECT_EQ(Modeller::Text(kDescriptionLabel), c.description);
            Modeller::Escape();
        });
        EXPECT_EQ(Run(), IDCANCEL) << variant;
    }
    for (int bad : {-1, 10}) {
        record.variant = bad;
        EXPECT_EQ(Run(), 0);
    }
    record.variant = 0;
    record.rowClass = 3;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(ORV_EXPORT(host, TestkitAddRemove)(nullptr), 0);
}

TEST_F(AddRemove, HelpShowsTheDialogsTopic)
{
    Win32Headless_ClearHelpCalls();
    Open("A|");
    m.Then([](Modeller &) { Modeller::Click(kHelp); });
    m.Then([](Modeller &) {
        ASSERT_EQ(Win32Headless_GetHelpCallCount(), 1);
        WIN32_HELP_CALL call{};
        Win32Headless_GetHelpCall(0, &call);
        EXPECT_EQ(call.data, 0x20000u + 132u);
        Modeller::Click(IDCANCEL);
    });
    EXPECT_EQ(Run(), IDCANCEL);
}

TEST(AddRemoveTexts, VariantTextsComeFromTheLanguageLibrary)
{
    FakeHostOptions options;
    options.languageLibrary = ORVANE_LANGUAGE_LIBRARY;
    FakeHost host(ORVANE_TESTKIT_LIBRARY, options);
    TestkitAddRemoveRecord record{0, 0, 0, 0, 80, 0, -1, 0, -1, "A|", {}, nullptr, 0, 0};
    host.Driver().Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(Modeller::ActiveWindow()), "Zyklen bearbeiten");
        EXPECT_EQ(Modeller::Text(kListLabel), "&Zyklen:");
        EXPECT_EQ(Modeller::Text(kDescriptionLabel), "D&escription:"); // not in that library: the template's
        Modeller::Escape();
    });
    EXPECT_EQ(ORV_EXPORT(host, TestkitAddRemove)(&record), IDCANCEL);
}
