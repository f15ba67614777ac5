#include "core/format_text.h"
#include "detail/input_amount.h"

#include <gtest/gtest.h>

TEST(InputAmount, TheTextAloneSettlesNumbersAndOnlyExpressionsAskTheHost)
{
    EXPECT_EQ(ReadInputAmount("2"), InputAmount::Positive);
    EXPECT_EQ(ReadInputAmount(" +3 parts"), InputAmount::Positive);
    EXPECT_EQ(ReadInputAmount("-1"), InputAmount::NotPositive);
    EXPECT_EQ(ReadInputAmount("0.0"), InputAmount::NotPositive);
    EXPECT_EQ(ReadInputAmount("-0"), InputAmount::NotPositive);
    EXPECT_EQ(ReadInputAmount(""), InputAmount::NotPositive);
    EXPECT_EQ(ReadInputAmount(nullptr), InputAmount::NotPositive);
    EXPECT_EQ(ReadInputAmount("0.5"), InputAmount::AskHost); // its integer part is 0, but not its value
    EXPECT_EQ(ReadInputAmount("RATE"), InputAmount::AskHost);
    // Far beyond a 32-bit integer: still a positive number, not an overflow.
    EXPECT_EQ(ReadInputAmount("99999999999999999999"), InputAmount::Positive);
    EXPECT_EQ(ReadInputAmount("-99999999999999999999"), InputAmount::NotPositive);
}

TEST(FormatText, PlaceholdersTakeTheArgumentsInOrderAndNeverReadPastThem)
{
    EXPECT_STREQ(FormatText("Edit Actions On Start Cycle%sFor Machine %s", {" Number 3 ", "M1"}),
                 "Edit Actions On Start Cycle Number 3 For Machine M1");
    EXPECT_STREQ(FormatText(" Number %d ", {"12"}), " Number 12 ");
    EXPECT_STREQ(FormatText("100%% of %s", {"M1"}), "100% of M1");
    // A pattern from a language library with more placeholders than arguments, or other printf directives.
    EXPECT_STREQ(FormatText("%s %s %s", {"a"}), "a  ");
    EXPECT_STREQ(FormatText("%n%x%", {"a"}), "%n%x%");
    EXPECT_STREQ(FormatText(nullptr, {"a"}), "");
}
