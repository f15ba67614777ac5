#include "core/caption_case.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Cased(std::string text)
{
    std::string buffer = text;
    buffer.push_back(0);
    CaptionCase(buffer.data(), buffer.size());
    return buffer.c_str();
}
} // namespace

TEST(CaptionCase, WordsStartUpperCaseAndGoOnLowerCase)
{
    EXPECT_EQ(Cased("TEXT ITEM"), "Text Item");
    EXPECT_EQ(Cased("input value"), "Input Value");
    EXPECT_EQ(Cased("2ND RUN"), "2nd Run");
    EXPECT_EQ(Cased(""), "");
    EXPECT_EQ(Cased("   "), "   ");
    EXPECT_EQ(Cased("  two  BLANKS"), "  Two  Blanks");
}

TEST(CaptionCase, ApostropheStartsAWordOnlyAfterAWordInitialCapitalDOrL)
{
    EXPECT_EQ(Cased("D'ARCY"), "D'Arcy");
    EXPECT_EQ(Cased("d'arcy"), "D'arcy");
    EXPECT_EQ(Cased("MEET L'ORANGE"), "Meet L'Orange");
    EXPECT_EQ(Cased("RUN'S END"), "Run's End");
    EXPECT_EQ(Cased("OLD'S"), "Old's"); // the D does not begin a word
}

TEST(CaptionCase, StopsAtTheEndOfAnUnterminatedText)
{
    char text[4] = {'A', 'B', 'C', 'D'};
    char after = 'X';
    CaptionCase(text, sizeof text);
    EXPECT_EQ(std::string(text, 4), "Abcd");
    EXPECT_EQ(after, 'X');
}
