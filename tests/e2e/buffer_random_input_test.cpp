// A modeller who does anything, in any order, for thousands of steps: typing into any field, choosing any
// option, clicking buttons, switching pages, while the host rejects fields at random. The library must
// never crash and never write into the record outside the fields the pages edit.
#include "fake_host.h"
#include "guarded_record.h"
#include "random_modeller.h"

#include <orvane/orvdlg.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <random>

namespace {
constexpr int kEdits[] = {1020, 1021, 1110, 1013, 1195, 1015, 1019, 1022, 1000 /* notes, on the last page */};
constexpr int kCombos[] = {1000, 1002, 1194, 1012, 1188};
constexpr int kButtons[] = {1017, 1018, 1010, 1011, 1004, 1008, 1009, 1197, 1196, 1005, 1006};
constexpr int kSteps = 2000;

std::mt19937 g_verdicts(20261208);
int32_t ORVANE_CALL RandomVerdict(OrvBufferRecord *) { return static_cast<int32_t>(g_verdicts() % 12) - 2; }
void ORVANE_CALL Nothing(OrvBufferRecord *) {}
void ORVANE_CALL NoState(int32_t, int32_t) {}
void ORVANE_CALL NoNotes(int32_t, const char *, int, int, int) {}

void RandomStep(RandomModeller &modeller)
{
    switch (modeller.Pick(5)) {
    case 0:
        modeller.TypeInto(Modeller::Control(modeller.PickOf(kEdits)));
        break;
    case 1:
        modeller.ChooseIn(Modeller::Control(modeller.PickOf(kCombos)));
        break;
    case 2:
        modeller.Click(Modeller::Control(modeller.PickOf(kButtons)));
        break;
    case 3:
        modeller.SwitchPage(GetActiveWindow());
        break;
    default:
        Modeller::Key(VK_TAB);
        break;
    }
}
} // namespace

TEST(BufferRandomInput, ThousandsOfStepsNeverCrashAndNeverWriteOutsideTheEditedFields)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    host.Model().Add({201, 12, "COLOUR", 2, true, 1});
    host.Model().Add({401, 25, "DAYS", 1, true});
    Modeller &m = host.Driver();
    RandomModeller modeller(m, 20261208);
    for (int ending : {IDOK, IDCANCEL}) {
        GuardedRecord<OrvBufferRecord> record;
        OrvBufferRecord &b = *record;
        b.element = 101;
        std::strcpy(b.name, "B1");
        std::strcpy(b.defaultExpression, "DEFAULT");
        b.inputActions = b.minimumDelayActions = b.maximumDelayActions = b.outputActions = -1;
        b.apply = Nothing;
        b.cancel = Nothing;
        b.validate = RandomVerdict;
        b.reporting = 1;
        b.reportState = NoState;
        b.notesSlot = NoNotes;
        std::strcpy(b.notes.fedBy, "IN");
        const OrvBufferRecord before = b;
        // The host may have refused a field on a page switch: a system message never appears, so the sheet is
        // always the active window.
        modeller.Run(
            kSteps, [&] { RandomStep(modeller); },
            [&] {
                b.validate = nullptr; // the host accepts at the end
                PostMessageA(GetActiveWindow(), WM_COMMAND, static_cast<WPARAM>(ending), 0);
                return true;
            });
        const int result = ORV_EXPORT(host, BufferDetailDialog)(record.Get());
        EXPECT_EQ(result, ending == IDOK ? 1 : 0);
        // What the pages never edit stays as it was.
        EXPECT_EQ(b.element, before.element);
        EXPECT_STREQ(b.defaultExpression, before.defaultExpression);
        EXPECT_EQ(b.apply, before.apply);
        EXPECT_EQ(b.cancel, before.cancel);
        EXPECT_EQ(b.reportState, before.reportState);
        EXPECT_EQ(b.notesSlot, before.notesSlot);
        EXPECT_EQ(std::memcmp(&b.notes, &before.notes, sizeof b.notes), 0);
        EXPECT_EQ(b.reporting, before.reporting);
        // Every text the pages wrote is terminated within its field.
        for (const char *field : {b.name, b.quantity, b.capacity, b.minimumDelay, b.maximumDelay, b.shiftName,
                                  b.allowance, b.inputPosition, b.outputExpression})
            EXPECT_NE(std::memchr(field, 0, 81), nullptr);
        EXPECT_LE(std::strlen(b.name), 8u);
        EXPECT_TRUE(m.Complaint().empty()) << m.Complaint();
    }
}
