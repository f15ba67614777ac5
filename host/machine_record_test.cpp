// The machine record the host hands out and what it takes back in the finish slot: the sheet gives back a
// fresh cycle array whose handles become the host's, so a wrong choice here leaks handles or frees them twice.
#include "demo_model.h"
#include "machine_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

DemoMachine &Press(DemoModel &model)
{
    return *model.FindMachine(model.FindByName("PRESS")->number);
}

// What the library hands to the finish slot: a fresh array whose handles are copies of the host's.
std::vector<OrvMachineCycle> FreshCopies(DemoModel &model, const OrvMachineRecord &record)
{
    std::vector<OrvMachineCycle> fresh(record.cycles, record.cycles + record.cycleCount);
    for (OrvMachineCycle &cycle : fresh) {
        cycle.inputRule = model.CopyRule(cycle.inputRule);
        cycle.labour.labourRule = model.CopyLabourRule(cycle.labour.labourRule);
        cycle.startActions = model.CopyExpression(cycle.startActions);
        cycle.finishActions = model.CopyExpression(cycle.finishActions);
    }
    return fresh;
}

struct HeldString {
    const char *text;
};

TEST(MachineRecordTest, TheRecordCarriesTheMachineAndItsOwnHandles)
{
    DemoModel model;
    const DemoMachine &press = Press(model);
    MachineRecord holder(model, press);
    const OrvMachineRecord &record = holder.Get();
    EXPECT_STREQ(record.name, "PRESS");
    EXPECT_EQ(record.type, OrvMachineMultipleCycle);
    ASSERT_EQ(record.cycleCount, 3);
    EXPECT_EQ(record.cycles, holder.OwnCycles());
    EXPECT_STREQ(record.cycles[1].cycleTime, "NORMAL(4, 0.5)");
    EXPECT_EQ(record.cycles[0].labour.labourRule, press.cycles[0].labourRule);
    EXPECT_EQ(model.Rule(record.cycles[1].inputRule)->word, "Pull");
    EXPECT_EQ(record.cycles[2].inputRule, -1);
    EXPECT_EQ(model.Rule(record.outputRule)->word, "Push");
    EXPECT_STREQ(reinterpret_cast<const HeldString *>(static_cast<uintptr_t>(record.notes.holder))->text,
                 press.notes.c_str());
    EXPECT_EQ(CyclesOf(record).size(), 3u);
}

TEST(MachineRecordTest, CancelFreesTheFreshHandlesAndOkKeepsThemInPlaceOfTheOldOnes)
{
    DemoModel model;
    DemoMachine &press = Press(model);
    const std::vector<DemoCycle> own = press.cycles;
    const int live = model.LiveHandles();
    MachineRecord holder(model, press);
    OrvMachineRecord &record = holder.Get();

    std::vector<OrvMachineCycle> fresh = FreshCopies(model, record);
    record.cycles = fresh.data();
    TakeMachineRecord(model, press, record, 0);
    EXPECT_EQ(model.LiveHandles(), live);
    EXPECT_EQ(press.cycles[1].inputRule, own[1].inputRule) << "the machine keeps its own cycles";
    EXPECT_FALSE(model.DeleteRule(fresh[1].inputRule)) << "the copy was freed";

    fresh = FreshCopies(model, holder.Get());
    record.cycles = fresh.data();
    record.cycleCount = 2; // the modeller removed the last cycle
    std::strcpy(record.name, "STAMPER");
    TakeMachineRecord(model, press, record, 1);
    ASSERT_EQ(press.cycles.size(), 2u);
    EXPECT_EQ(press.cycles[1].inputRule, fresh[1].inputRule);
    EXPECT_EQ(model.LiveHandles(), live - DemoModel::HandleCount(own) + DemoModel::HandleCount(press.cycles));
    EXPECT_EQ(model.Actions(own[2].finishActions), nullptr) << "the removed cycle's actions were freed";
    EXPECT_NE(model.FindByName("STAMPER"), nullptr);
}

} // namespace
