// The Shift page: controls shown by the element kind, enabled by the check box, the sub-record written back
// and judged by the host, which can keep the page open on the field it names.
#include "fake_host.h"
#include "guarded_record.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
constexpr int kName = 1012, kAllowance = 1004, kAllowanceLabel = 1053, kPenalty = 1089, kEnabled = 1052;
constexpr int kContinue = 1069, kStop = 1070, kGroup = 1051;

int32_t g_validateAnswer = -1;
int g_validateCalls = 0;
std::string g_nameSeen;
int32_t ORVANE_CALL Judge(OrvShiftBlock *block)
{
    ++g_validateCalls;
    g_nameSeen = block->shiftName;
    if (g_validateAnswer == -1)
        std::strcpy(block->allowance, "ALLOW*2"); // the host may rewrite what it accepts
    return g_validateAnswer;
}

void AddShifts(FakeModel &model)
{
    model.Add({401, 25, "DAYS", 1, true});
    model.Add({402, 25, "NIGHTS", 1, true});
    model.Add({403, 25, "BREAKS", 1, false});
}
} // namespace

TEST(ShiftPage, TheElementKindDecidesWhichControlsShow)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    struct Case {
        int32_t kind;
        bool allowance, penalty, endOfShift;
    };
    const Case cases[] = {{0, false, false, false}, {7, false, false, false}, {2, true, true, false},
                          {10, true, true, false},  {3, true, false, true},   {11, true, true, true},
                          {-4, false, false, false}};
    for (const Case &c : cases) {
        GuardedRecord<OrvShiftBlock> block;
        block->kindCode = c.kind;
        block->shiftsEnabled = 1;
        host.Driver().Then([&](Modeller &) {
            EXPECT_EQ(Modeller::Visible(kAllowance), c.allowance) << c.kind;
            EXPECT_EQ(Modeller::Visible(kAllowanceLabel), c.allowance) << c.kind;
            EXPECT_EQ(Modeller::Visible(kPenalty), c.penalty) << c.kind;
            EXPECT_EQ(Modeller::Visible(kStop), c.endOfShift) << c.kind;
            EXPECT_EQ(Modeller::Visible(kGroup), c.endOfShift) << c.kind;
            // Hidden controls are disabled too.
            if (!c.allowance) {
                EXPECT_FALSE(Modeller::Enabled(kAllowanceLabel)) << c.kind;
            }
            EXPECT_TRUE(Modeller::Visible(kName));
            Modeller::Escape();
        });
        EXPECT_EQ(ORV_EXPORT(host, TestkitShiftSheet)(block.Get()), IDCANCEL);
    }
}

TEST(ShiftPage, TheCheckBoxEnablesTheRestAndTheHostJudgesTheSubRecord)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    AddShifts(host.Model());
    Modeller &m = host.Driver();
    GuardedRecord<OrvShiftBlock> block;
    block->kindCode = 11;
    block->endOfShift = 5; // any non-zero value is Stop Immediately
    std::strcpy(block->shiftName, "DAYS");
    std::strcpy(block->allowance, "ALLOW");
    std::strcpy(block->penalty, "PEN");
    block->validate = Judge;
    g_validateCalls = 0;
    m.Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kName), "DAYS");
        EXPECT_EQ(SendMessageA(Modeller::Control(kName), CB_GETCOUNT, 0, 0), 2); // main shifts only
        EXPECT_EQ(SendMessageA(Modeller::Control(kStop), BM_GETCHECK, 0, 0), BST_CHECKED);
        for (int id : {kName, kAllowance, kPenalty, kContinue})
            EXPECT_FALSE(Modeller::Enabled(id)) << id;
        Modeller::Click(kEnabled);
    });
    m.Then([](Modeller &) {
        for (int id : {kName, kAllowance, kPenalty, kContinue})
            EXPECT_TRUE(Modeller::Enabled(id)) << id;
        Modeller::Click(kContinue);
        Modeller::ClearAndType(kPenalty, "BAD");
        g_validateAnswer = 2;
        Modeller::Click(IDOK);
    });
    m.Then([](Modeller &) {
        // The host named the penalty: the page stays, its text selected.
        EXPECT_EQ(Modeller::FocusId(), kPenalty);
        DWORD start = 0, end = 0;
        SendMessageA(Modeller::Control(kPenalty), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end - start, 3u);
        g_validateAnswer = -1;
        Modeller::ClearAndType(kPenalty, "PEN+1");
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, TestkitShiftSheet)(block.Get()), IDOK);
    EXPECT_EQ(g_validateCalls, 2);
    EXPECT_EQ(g_nameSeen, "DAYS");
    EXPECT_EQ(block->shiftsEnabled, 1);
    EXPECT_EQ(block->endOfShift, 0);
    EXPECT_STREQ(block->penalty, "PEN+1");
    EXPECT_STREQ(block->allowance, "ALLOW*2");
}

TEST(ShiftPage, UnterminatedTextsAreReadToTheirFieldsAndWrittenBackTerminated)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    GuardedRecord<OrvShiftBlock> block;
    block->kindCode = 11;
    block->shiftsEnabled = 1;
    FillUnterminated(block->shiftName, 'S');
    FillUnterminated(block->allowance, 'A');
    FillUnterminated(block->penalty, 'P');
    host.Driver().Then([](Modeller &) {
        EXPECT_EQ(Modeller::Text(kAllowance), std::string(81, 'A'));
        Modeller::Click(IDOK);
    });
    ASSERT_EQ(ORV_EXPORT(host, TestkitShiftSheet)(block.Get()), IDOK);
    EXPECT_EQ(std::string(block->allowance), std::string(80, 'A'));
    EXPECT_EQ(std::string(block->penalty), std::string(80, 'P'));
    EXPECT_EQ(std::string(block->shiftName), std::string(80, 'S'));
}
