// The pages many element sheets share: the two reporting pages with their load and store tables, and the
// Notes page with its line ends, its routing texts, its limit and the Enter key.
#include "fake_host.h"
#include "guarded_record.h"
#include "testkit.h"

#include <prsht.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr int kOff = 1004, kIndividual = 1005, kByGroup = 1006, kOn = 1040;
constexpr int kNotes = 1000, kFedBy = 1035, kFeeds = 1036;

struct NotesCall {
    int32_t holder;
    std::string text;
    int one, zero, alsoZero;
};
std::vector<NotesCall> g_notesCalls;
void ORVANE_CALL RecordNotes(int32_t holder, const char *text, int one, int zero, int alsoZero)
{
    g_notesCalls.push_back({holder, text ? text : "(null)", one, zero, alsoZero});
}

// A host object whose first member points to the notes text.
struct HostNotes {
    const char *text;
};

bool Checked(int id) { return SendMessageA(Modeller::Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
void ShowPage(int index) { SendMessageA(GetActiveWindow(), PSM_SETCURSEL, index, 0); }
} // namespace

TEST(SharedPages, ReportingPagesLoadAndStoreThroughTheirTables)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    GuardedRecord<OrvNotesBlock> block;
    TestkitSharedPagesRecord record{2, 2, block.Get(), nullptr, 1, 1};
    m.Then([](Modeller &) {
        EXPECT_TRUE(Checked(kOn));
        EXPECT_FALSE(Checked(kOff));
        ShowPage(1);
    });
    m.Then([](Modeller &) {
        EXPECT_TRUE(Checked(kByGroup));
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, TestkitSharedPagesSheet)(&record), IDOK);
    EXPECT_EQ(record.onOffReporting, 2); // On is stored as 2
    EXPECT_EQ(record.threeWayReporting, 2);

    // Any other non-zero value reads as On and as By Group; the modeller's choices are stored as they are.
    record.onOffReporting = 7;
    record.threeWayReporting = 1;
    m.Then([](Modeller &) {
        EXPECT_TRUE(Checked(kOn));
        Modeller::Click(kOff);
    });
    m.Then([](Modeller &) { ShowPage(1); });
    m.Then([](Modeller &) {
        EXPECT_TRUE(Checked(kIndividual));
        Modeller::Click(kOff);
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, TestkitSharedPagesSheet)(&record), IDOK);
    EXPECT_EQ(record.onOffReporting, 0);
    EXPECT_EQ(record.threeWayReporting, 0);

    // Cancel stores nothing.
    record.onOffReporting = 2;
    m.Then([](Modeller &) {
        Modeller::Click(kOff);
        Modeller::Escape();
    });
    ASSERT_EQ(ORV_EXPORT(host, TestkitSharedPagesSheet)(&record), IDCANCEL);
    EXPECT_EQ(record.onOffReporting, 2);
}

TEST(SharedPages, NotesReachTheHostWithSingleLineFeedsAndEnterStaysInTheNotes)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    HostNotes held{"First line\nSecond line"};
    GuardedRecord<OrvNotesBlock> block;
    block->holder = static_cast<int32_t>(reinterpret_cast<uintptr_t>(&held));
    std::strcpy(block->fedBy, "Fed by BUF1");
    // The feeds text fills its field without a terminator, up to the guard page.
    char *feeds = reinterpret_cast<char *>(block.Get()) + offsetof(OrvNotesBlock, feeds);
    std::memset(feeds, 'F', sizeof(OrvNotesBlock) - offsetof(OrvNotesBlock, feeds));
    TestkitSharedPagesRecord record{1, 1, block.Get(), RecordNotes, 1, 1};
    g_notesCalls.clear();
    m.Then([](Modeller &) { ShowPage(2); });
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kNotes), "First line\r\nSecond line");
        EXPECT_EQ(Modeller::Text(kFedBy), "Fed by BUF1");
        EXPECT_EQ(Modeller::Text(kFeeds), std::string(81, 'F'));
        EXPECT_EQ(SendMessageA(Modeller::Control(kNotes), EM_GETLIMITTEXT, 0, 0), 33000);
        // The routing texts sit below the notes, Feeds lowest.
        RECT notes, fedBy, feeds;
        GetWindowRect(Modeller::Control(kNotes), &notes);
        GetWindowRect(Modeller::Control(kFedBy), &fedBy);
        GetWindowRect(Modeller::Control(kFeeds), &feeds);
        EXPECT_LT(notes.bottom, fedBy.top);
        EXPECT_LT(fedBy.bottom, feeds.top);
        SendMessageA(Modeller::Control(kNotes), EM_SETSEL, 0x7FFF, 0x7FFF);
        Modeller::Type(kNotes, "x");
        Modeller::Enter(); // a new line in the notes, not OK
        Modeller::Type(kNotes, "Third");
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(ORV_EXPORT(host, GetActiveDialogCount)(), 1);
        EXPECT_EQ(Modeller::Text(kNotes), "First line\r\nSecond linex\r\nThird");
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, TestkitSharedPagesSheet)(&record), IDOK);
    ASSERT_EQ(g_notesCalls.size(), 1u);
    EXPECT_EQ(g_notesCalls[0].holder, block->holder);
    EXPECT_EQ(g_notesCalls[0].text, "First line\nSecond linex\nThird");
    EXPECT_EQ(g_notesCalls[0].one, 1);
    EXPECT_EQ(g_notesCalls[0].zero, 0);
    EXPECT_EQ(g_notesCalls[0].alsoZero, 0);

    // Without the routing flags the texts are hidden; Cancel hands nothing to the host.
    record.showFedBy = 0;
    record.showFeeds = 0;
    m.Then([](Modeller &) { ShowPage(2); });
    m.Then([](Modeller &) {
        EXPECT_FALSE(Modeller::Visible(kFedBy));
        EXPECT_FALSE(Modeller::Visible(kFeeds));
        Modeller::Escape();
    });
    ASSERT_EQ(ORV_EXPORT(host, TestkitSharedPagesSheet)(&record), IDCANCEL);
    EXPECT_EQ(g_notesCalls.size(), 1u);
}
