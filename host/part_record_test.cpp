// The part record the host hands out, what it keeps from the slots, and its check of a route stage: a wrong
// choice here loses the modeller's route or lets a stage through that the run cannot follow.
#include "demo_model.h"
#include "part_record.h"
#include "route_checker.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
DemoPart &Widget(DemoModel &model)
{
    return *model.FindPart(model.FindByName("WIDGET")->number);
}

OrvRouteStage Stage(const char *destination, const char *setup, const char *cycle)
{
    OrvRouteStage stage{};
    Fill(stage.destination, destination);
    Fill(stage.setupText, setup);
    Fill(stage.cycleText, cycle);
    return stage;
}
} // namespace

TEST(PartRecordTest, TheRecordCarriesThePartAndTheSlotsGiveItBack)
{
    DemoModel model;
    DemoPart &widget = Widget(model);
    PartRecord holder(model, widget);
    OrvPartRecord &record = holder.Get();
    EXPECT_STREQ(record.name, "WIDGET");
    EXPECT_STREQ(record.interArrival, "NEGEXP(4)");
    ASSERT_EQ(record.stageCount, 2);
    EXPECT_EQ(record.stages, holder.OwnStages());
    EXPECT_STREQ(record.stages[1].destination, "PACK");
    EXPECT_EQ(record.leaveActions, -1);
    EXPECT_STREQ(*reinterpret_cast<const char *const *>(static_cast<uintptr_t>(record.notes.holder)),
                 widget.notes.c_str());

    Fill(record.name, "BLANK");
    record.activeArrivals = 0;
    record.leaveActions = 7; // an editor gave the part actions in place
    record.containsFluids = 1;
    Fill(record.groupNumber, "3");
    TakePartGeneral(model, widget, record);
    TakePartAttributes(widget, record);
    EXPECT_EQ(model.Find(widget.element)->name, "BLANK");
    EXPECT_FALSE(widget.activeArrivals);
    EXPECT_EQ(widget.leaveActions, 7);
    EXPECT_TRUE(widget.containsFluids);
    EXPECT_EQ(widget.groupNumber, "3");

    // The routes slot's array may be the library's own, with texts that fill their fields.
    OrvRouteStage fresh[2] = {Stage("SHIP", "0", "0"), Stage("LATHE", "1", "2")};
    std::memset(fresh[1].cycleText, 'C', sizeof fresh[1].cycleText);
    const std::vector<DemoStage> kept = StagesOf(fresh, 2);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].destination, "SHIP");
    EXPECT_EQ(kept[1].cycle, std::string(sizeof fresh[1].cycleText, 'C'));
    EXPECT_TRUE(StagesOf(nullptr, 0).empty());
}

TEST(PartRecordTest, TheRouteCheckerNamesTheFirstWrongFieldAndWorksOutNumbers)
{
    DemoModel model;
    struct Case {
        const char *destination, *setup, *cycle;
        int32_t field;
    };
    const Case cases[] = {
        {"SHIP", "0", "0", -1},       {"scrap", "1", "2", -1},    {"DRILL", "1", "NORMAL(3, 1)", -1},
        {"BELT1", "1", "2", -1},      {"CELL", "1", "2", -1},     {"WIDGET", "1", "2", 0}, // a part goes nowhere
        {"NOWHERE", "1", "2", 0},     {"", "1", "2", 0},          {"LATHE", "", "2", 1},
        {"LATHE", "1 +", "2", 1},     {"LATHE", "1", "2.5 *", 2},
    };
    for (const Case &c : cases) {
        OrvRouteStage stage = Stage(c.destination, c.setup, c.cycle);
        EXPECT_EQ(CheckRouteStage(model, stage).field, c.field) << c.destination << " " << c.setup << " " << c.cycle;
    }
    OrvRouteStage numbers = Stage("LATHE", " 2.5 ", "NEGEXP(3)");
    numbers.cycleValue = 9;
    ASSERT_EQ(CheckRouteStage(model, numbers).field, -1);
    EXPECT_FLOAT_EQ(numbers.setupValue, 2.5F);
    EXPECT_FLOAT_EQ(numbers.cycleValue, 0.0F); // an expression is worked out when the run starts
}
