// The demo model answers the library's enumeration and handle callbacks; these cases hold it to what the
// library relies on: the filtered walk over the display order, array quantities, handle copies and the
// object lists that must come back exactly once.
#include "demo_model.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<std::string> Walk(const DemoModel &model, int32_t filter)
{
    std::vector<std::string> names;
    int32_t *order = *const_cast<DemoModel &>(model).OrderArrayAddress();
    for (int index = model.FirstFiltered(filter); index != -1; index = model.NextFiltered(filter, index + 1))
        names.push_back(model.Find(order[index])->name);
    return names;
}

TEST(DemoModelTest, FilteredWalkFollowsTheDisplayOrderAndStopsAtTheEnd)
{
    DemoModel model;
    int32_t filter = DemoModel::TypeFlag(ElementType::Buffer) + DemoModel::TypeFlag(ElementType::Shift);
    EXPECT_EQ(Walk(model, filter), (std::vector<std::string>{"INQ", "BUF", "OUTQ", "DAYS", "NIGHTS", "BREAKS"}));
    EXPECT_EQ(model.FirstFiltered(0), -1);
    EXPECT_EQ(model.NextFiltered(filter, static_cast<int>(model.Elements().size())), -1);
    EXPECT_EQ(DemoModel::TypeFlag(40), 0) << "a type outside the filter word matches nothing";
}

TEST(DemoModelTest, ElementsKeepTheLimitsTheDialogsRelyOn)
{
    DemoModel model;
    std::set<int32_t> numbers;
    for (const DemoElement &element : model.Elements()) {
        EXPECT_LE(element.name.size(), 8u) << element.name;
        EXPECT_STRNE(DemoModel::TypeName(element.type), "") << element.name;
        EXPECT_EQ(element.listString.substr(0, element.name.size()), element.name);
        EXPECT_TRUE(numbers.insert(element.number).second) << "duplicate number " << element.number;
    }
    EXPECT_EQ(model.FindByName("buf")->quantity, 3);
    EXPECT_EQ(model.FindByName("BUF")->listString, "BUF|Work-in-progress store");
    EXPECT_EQ(model.FindByName("PAINTER")->listString, "PAINTER") << "no description, no separator";
    EXPECT_EQ(model.FindByName("NOSUCH"), nullptr);
    EXPECT_TRUE(model.FindByName("BREAKS")->subShift);
    EXPECT_EQ(model.FindByName("WEIGHT")->attributeType, AttributeType::Real);
}

TEST(DemoModelTest, CopiedHandlesAreIndependentAndDeletedOnesAreGone)
{
    DemoModel model;
    int32_t rule = model.AddRule("PUSH to OUTQ", "Push");
    int32_t copy = model.CopyRule(rule);
    ASSERT_NE(copy, rule);
    EXPECT_EQ(model.Rule(copy)->word, "Push");
    model.DeleteRule(rule);
    EXPECT_EQ(model.Rule(rule), nullptr);
    EXPECT_NE(model.Rule(copy), nullptr);
    EXPECT_EQ(model.CopyRule(rule), -1) << "a deleted rule cannot be copied";
    EXPECT_EQ(model.Rule(-1), nullptr);
    EXPECT_EQ(model.Expression(1000), nullptr);

    EXPECT_FALSE(model.DeleteRule(rule)) << "a handle freed twice is noticed";

    int live = model.LiveExpressions();
    EXPECT_TRUE(model.DeleteExpression(model.AddExpression("BATCH + 1")));
    EXPECT_EQ(model.LiveExpressions(), live);
}

// The library gives labour rules back through DeleteRule and copies actions through CopyExpression: one
// handle must name the same thing in either call.
TEST(DemoModelTest, LabourRulesAndActionsShareTheTablesTheLibraryFreesThemFrom)
{
    DemoModel model;
    int32_t labour = model.AddLabourRule("PAINTER");
    int32_t actions = model.AddActions("COUNT(1) = 0");
    int32_t copied = model.CopyExpression(actions);
    EXPECT_EQ(model.Actions(copied)->text, "COUNT(1) = 0");
    EXPECT_TRUE(model.DeleteRule(labour));
    EXPECT_EQ(model.LabourRule(labour), nullptr);
    EXPECT_TRUE(model.DeleteExpression(copied));
    EXPECT_NE(model.Actions(actions), nullptr);
}

TEST(DemoModelTest, ObjectListsComeBackOnceAndOnlyTheHostsOwn)
{
    DemoModel model;
    int count = 0;
    int32_t *machines = model.NewObjectList(ElementType::Machine, &count);
    ASSERT_EQ(count, 5);
    EXPECT_EQ(model.Find(machines[0])->type, ElementType::Machine);
    int32_t foreign[1] = {101};
    EXPECT_FALSE(model.FreeObjectList(foreign));
    EXPECT_EQ(model.OutstandingObjectLists(), 1);
    EXPECT_TRUE(model.FreeObjectList(machines));
    EXPECT_FALSE(model.FreeObjectList(machines)) << "a list freed twice is refused, not freed again";
    EXPECT_EQ(model.OutstandingObjectLists(), 0);

    model.NewObjectList(ElementType::Variable, &count); // still held when the model goes: freed with it
}

} // namespace
