// The common sequence of a detail export: the caption, the pages in order with the shared ones last, and the
// host's slots: apply, report state and notes in that order after OK, only cancel otherwise.
#include "fake_host.h"
#include "guarded_record.h"
#include "testkit.h"

#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
std::vector<std::string> g_slots;
void ORVANE_CALL Apply(TestkitDetailRecord *record) { g_slots.push_back(std::string("apply ") + record->name); }
void ORVANE_CALL Cancel(TestkitDetailRecord *) { g_slots.push_back("cancel"); }
void ORVANE_CALL ReportState(int32_t element, int32_t state)
{
    g_slots.push_back("report " + std::to_string(element) + " " + std::to_string(state));
}
void ORVANE_CALL Notes(int32_t, const char *text, int, int, int) { g_slots.push_back(std::string("notes ") + text); }
int32_t g_validateAnswer = -1;
int32_t ORVANE_CALL Validate(TestkitDetailRecord *) { return g_validateAnswer; }

struct HostNotes {
    const char *text;
};
HostNotes g_notes{"Note"};

void Fill(TestkitDetailRecord &record)
{
    record.element = 17;
    std::strcpy(record.name, "B1");
    record.apply = Apply;
    record.validate = Validate;
    record.cancel = Cancel;
    record.reporting = 1;
    record.reportState = ReportState;
    record.notes.holder = static_cast<int32_t>(reinterpret_cast<uintptr_t>(&g_notes));
    record.notesSlot = Notes;
}

std::vector<std::string> TabTexts(HWND sheet)
{
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    std::vector<std::string> texts;
    int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}
} // namespace

TEST(DetailExport, OkCallsApplyReportStateAndNotesInOrderAndCancelOnlyCancel)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    GuardedRecord<TestkitDetailRecord> record;
    Fill(*record);
    g_slots.clear();
    g_validateAnswer = -1;
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(GetActiveWindow()), "Detail Test - B1");
        EXPECT_EQ(TabTexts(GetActiveWindow()), (std::vector<std::string>{"General", "Reporting", "Notes"}));
        Modeller::ClearAndType(IDC_TESTKIT_DETAIL_NAME, "B2");
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, TestkitDetailDialog)(record.Get()), 1);
    EXPECT_EQ(g_slots, (std::vector<std::string>{"apply B2", "report 17 1", "notes Note"}));

    g_slots.clear();
    m.Then([](Modeller &) { Modeller::Escape(); });
    EXPECT_EQ(ORV_EXPORT(host, TestkitDetailDialog)(record.Get()), 0);
    EXPECT_EQ(g_slots, (std::vector<std::string>{"cancel"}));
}

TEST(DetailExport, AFieldTheHostRejectsKeepsThePageOpenOnItsControl)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    Modeller &m = host.Driver();
    GuardedRecord<TestkitDetailRecord> record;
    Fill(*record);
    g_slots.clear();
    g_validateAnswer = 0;
    m.Then([](Modeller &) {
        Modeller::ClearAndType(IDC_TESTKIT_DETAIL_NAME, "BAD");
        Modeller::Click(IDOK);
    });
    m.Then([&](Modeller &) {
        EXPECT_EQ(Modeller::FocusId(), IDC_TESTKIT_DETAIL_NAME);
        EXPECT_TRUE(g_slots.empty()); // nothing reaches the host before OK succeeds
        EXPECT_STREQ(record->name, "BAD"); // written while validating, as the host's cancel slot knows
        g_validateAnswer = -1;
        Modeller::Click(IDOK);
    });
    EXPECT_EQ(ORV_EXPORT(host, TestkitDetailDialog)(record.Get()), 1);
    ASSERT_FALSE(g_slots.empty());
    EXPECT_EQ(g_slots.front(), "apply BAD");
}
