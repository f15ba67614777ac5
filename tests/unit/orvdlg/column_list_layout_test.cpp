// The column list's arithmetic: column positions in pixels, the fields' spans, the descriptor limit and how a
// text is cut into pieces; the Summary dialog's kinds and the check its callers read the answer through.
#include "core/column_list_layout.h"
#include "core/summary_dialog_kinds.h"
#include "core/summary_dialog_result.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {
std::vector<std::string> Pieces(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    ForEachPiece(text, separator, [&](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
}

ColumnLayout LayoutAt(std::initializer_list<double> positions)
{
    std::vector<ColumnDescriptor> columns;
    for (double position : positions)
        columns.push_back({position, 0});
    ColumnLayout layout;
    layout.Set(columns.data(), static_cast<int>(columns.size()));
    return layout;
}
} // namespace

TEST(ColumnPixel, PercentOfTheRowWidthRoundedHalfUp)
{
    EXPECT_EQ(ColumnPixel(50, 400), 200);
    EXPECT_EQ(ColumnPixel(0, 400), 0);
    EXPECT_EQ(ColumnPixel(100, 400), 400);
    EXPECT_EQ(ColumnPixel(12.5, 100), 13); // 12.5 + 0.5, truncated
    EXPECT_EQ(ColumnPixel(33.3, 100), 33); // 33.8, truncated
    EXPECT_EQ(ColumnPixel(29, 333), 97);   // 96.57 + 0.5
    EXPECT_EQ(ColumnPixel(50, 0), 0);
}

TEST(ColumnPixel, PositionsNoWindowCouldShowStayInRange)
{
    EXPECT_EQ(ColumnPixel(std::numeric_limits<double>::quiet_NaN(), 400), 0);
    EXPECT_EQ(ColumnPixel(1e300, 400), 1 << 24);
    EXPECT_EQ(ColumnPixel(-1e300, 400), -(1 << 24));
    EXPECT_EQ(ColumnPixel(std::numeric_limits<double>::infinity(), 400), 1 << 24);
}

TEST(ColumnLayout, TakesAtMost255DescriptorsAndNothingFromNoArray)
{
    std::vector<ColumnDescriptor> many(300, ColumnDescriptor{10, 1});
    ColumnLayout layout;
    layout.Set(many.data(), 300);
    EXPECT_EQ(layout.Count(), ColumnLayout::kMaxColumns);
    layout.Set(many.data(), 3);
    EXPECT_EQ(layout.Count(), 3);
    layout.Set(nullptr, 5);
    EXPECT_EQ(layout.Count(), 0);
    layout.Set(many.data(), -1);
    EXPECT_EQ(layout.Count(), 0);
}

TEST(ColumnLayout, AFieldRunsToTheNextColumnAndTheLastToTheRowsEdge)
{
    const ColumnLayout layout = LayoutAt({0, 50, 40, 100});
    ColumnSpan span;
    ASSERT_TRUE(layout.FieldSpan(0, 400, span));
    EXPECT_EQ(span.left, 0);
    EXPECT_EQ(span.right, 200);
    // The next column starts before this one: no room at all, never a negative width.
    ASSERT_TRUE(layout.FieldSpan(1, 400, span));
    EXPECT_EQ(span.left, 200);
    EXPECT_EQ(span.right, 200);
    ASSERT_TRUE(layout.FieldSpan(3, 400, span));
    EXPECT_EQ(span.left, 400);
    EXPECT_EQ(span.right, 400);
    // Fields beyond the descriptors have no column.
    EXPECT_FALSE(layout.FieldSpan(4, 400, span));
    EXPECT_FALSE(layout.FieldSpan(-1, 400, span));

    const ColumnLayout single = LayoutAt({25});
    ASSERT_TRUE(single.FieldSpan(0, 400, span));
    EXPECT_EQ(span.left, 100);
    EXPECT_EQ(span.right, 400);
}

TEST(ColumnLayout, AlignmentCodesOutsideTheKnownOnesDrawLeft)
{
    const ColumnDescriptor columns[] = {{0, 0}, {10, 1}, {20, 2}, {30, 3}, {40, -7}};
    ColumnLayout layout;
    layout.Set(columns, 5);
    EXPECT_EQ(layout.AlignmentOf(0), ColumnAlignment::Left);
    EXPECT_EQ(layout.AlignmentOf(1), ColumnAlignment::Right);
    EXPECT_EQ(layout.AlignmentOf(2), ColumnAlignment::Centre);
    EXPECT_EQ(layout.AlignmentOf(3), ColumnAlignment::Left);
    EXPECT_EQ(layout.AlignmentOf(4), ColumnAlignment::Left);
}

TEST(ForEachPiece, ATrailingSeparatorEndsTheLastPieceAndEmptyOnesBetweenAreKept)
{
    using Texts = std::vector<std::string>;
    EXPECT_EQ(Pieces("a|b?c|d?e|f?", '?'), (Texts{"a|b", "c|d", "e|f"}));
    EXPECT_EQ(Pieces("a?b", '?'), (Texts{"a", "b"}));
    EXPECT_EQ(Pieces("a??b?", '?'), (Texts{"a", "", "b"}));
    EXPECT_EQ(Pieces("?", '?'), (Texts{""}));
    EXPECT_EQ(Pieces("", '?'), Texts{});
    EXPECT_EQ(Pieces("||Working|Rest", '|'), (Texts{"", "", "Working", "Rest"}));
}

TEST(SummaryKinds, EightKindsWithColumnsInOrderInsideTheRow)
{
    for (int kind = 0; kind < kSummaryKindCount; ++kind) {
        const SummaryKind *found = FindSummaryKind(kind);
        ASSERT_NE(found, nullptr) << kind;
        EXPECT_NE(found->caption, 0u) << kind;
        EXPECT_NE(found->lowerHeading, 0u) << kind;
        ASSERT_GE(found->columnCount, 2) << kind;
        ASSERT_LE(found->columnCount, SummaryKind::kMaxColumns) << kind;
        EXPECT_EQ(found->columns[0], 0) << kind;
        for (int i = 1; i < found->columnCount; ++i) {
            EXPECT_GT(found->columns[static_cast<size_t>(i)], found->columns[static_cast<size_t>(i - 1)]) << kind;
            EXPECT_LT(found->columns[static_cast<size_t>(i)], 100) << kind;
        }
    }
    EXPECT_EQ(FindSummaryKind(-1), nullptr);
    EXPECT_EQ(FindSummaryKind(kSummaryKindCount), nullptr);
}

TEST(SummaryRowOrCurrent, AnAnswerOutsideTheCallersRowsKeepsTheCurrentRow)
{
    EXPECT_EQ(SummaryRowOrCurrent(2, 3, 0), 2);
    EXPECT_EQ(SummaryRowOrCurrent(0, 3, 1), 0);
    // A field with "?" made the dialog show one row more than the caller built.
    EXPECT_EQ(SummaryRowOrCurrent(3, 3, 1), 1);
    EXPECT_EQ(SummaryRowOrCurrent(-1, 3, 1), 1); // nothing selected
    EXPECT_EQ(SummaryRowOrCurrent(0, 0, -1), -1);
}
