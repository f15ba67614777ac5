// The host's expression check decides what CompExp reports to the library: sound expressions compile,
// everything else names its fault.
#include "demo_model.h"
#include "expression_checker.h"

#include <gtest/gtest.h>

namespace {

TEST(ExpressionCheckerTest, AcceptsNumbersNamesIndexesAndFunctions)
{
    DemoModel model;
    ExpressionChecker checker(model);
    for (const char *text : {"2", "1.5", "BATCH * 2", "COUNT(3) + 1", "-(LIMIT - 1) / 2", " negexp(5) ",
                             "UNIFORM(1, BATCH)", "MAX(COUNT(1), COUNT(2)) * (1 + 2)"})
        EXPECT_EQ(checker.Check(text), "") << text;
}

TEST(ExpressionCheckerTest, RefusesWhatTheHostCannotCompile)
{
    DemoModel model;
    ExpressionChecker checker(model);
    EXPECT_EQ(checker.Check(""), "empty expression");
    EXPECT_EQ(checker.Check("   "), "empty expression");
    EXPECT_EQ(checker.Check("FOO + 1"), "unknown name FOO");
    EXPECT_EQ(checker.Check("BATCH *"), "unexpected end");
    EXPECT_EQ(checker.Check("(1 + 2"), "missing ')'");
    EXPECT_EQ(checker.Check("NEGEXP"), "NEGEXP needs arguments");
    EXPECT_EQ(checker.Check("1 2"), "unexpected '2'");
    EXPECT_EQ(checker.Check("BATCH(1, 2)"), "missing ')'") << "only functions take several arguments";
    EXPECT_EQ(checker.Check("BATCH + 1"), "") << "a failed check leaves nothing behind for the next";
}

} // namespace
