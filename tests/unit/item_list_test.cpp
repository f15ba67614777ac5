// The item store of the list controls: positions stay right while blocks split and merge, the
// sorted position is an upper bound, and searches wrap to end on their start item.
#include "user/controls/item_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using win32::user::controls::ItemList;
using win32::user::controls::ListItem;

ListItem Item(int value) {
    ListItem item;
    item.text = std::to_string(value);
    item.data = static_cast<ULONG_PTR>(value);
    return item;
}

void ExpectSame(const ItemList &list, const std::vector<int> &model) {
    ASSERT_EQ(list.Count(), model.size());
    for (size_t i = 0; i < model.size(); ++i) {
        ASSERT_EQ(list.At(i).data, static_cast<ULONG_PTR>(model[i])) << "at " << i;
    }
    std::vector<int> visited;
    list.ForEach([&](size_t index, const ListItem &item) {
        EXPECT_EQ(index, visited.size());
        visited.push_back(static_cast<int>(item.data));
    });
    EXPECT_EQ(visited, model);
}

TEST(ItemListTest, RandomInsertionsAndErasuresAcrossManyBlocksKeepEveryPosition) {
    ItemList list;
    std::vector<int> model;
    unsigned state = 7;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int step = 0; step < 4000; ++step) {
        // Mostly insertions first (blocks split), then mostly erasures (blocks empty and merge).
        const bool insert = model.empty() || next() % 100 < (step < 2800 ? 80u : 15u);
        if (insert) {
            const size_t at = next() % (model.size() + 1);
            list.Insert(at, Item(step));
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), step);
        } else {
            const size_t at = next() % model.size();
            list.Erase(at);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
        }
        if (step % 1000 == 0) {
            ExpectSame(list, model);
        }
    }
    ExpectSame(list, model);
    list.Erase(list.Count()); // past the end: nothing happens
    ExpectSame(list, model);
    list.Clear();
    EXPECT_TRUE(list.Empty());
    list.Insert(5, Item(1)); // past the end of an empty list appends
    ExpectSame(list, {1});
}

TEST(ItemListTest, SortedPositionGoesAfterEqualItemsAndAsksOnlyLogarithmicallyOften) {
    ItemList list;
    for (int value = 0; value < 3000; ++value) {
        list.Insert(list.Count(), Item(value / 3)); // each value three times
    }
    int asked = 0;
    const auto orderOf = [&](ULONG_PTR wanted) {
        return [&asked, wanted](size_t, const ListItem &item) {
            ++asked;
            return wanted < item.data ? -1 : wanted > item.data ? 1 : 0;
        };
    };
    EXPECT_EQ(list.SortedPosition(orderOf(500)), 1503u);
    EXPECT_LE(asked, 30);
    EXPECT_EQ(list.SortedPosition(orderOf(0)), 3u);
    EXPECT_EQ(list.SortedPosition(orderOf(999)), 3000u);
    EXPECT_EQ(list.SortedPosition(orderOf(5000)), 3000u);
    ItemList empty;
    EXPECT_EQ(empty.SortedPosition(orderOf(1)), 0u);
}

TEST(ItemListTest, FindAfterStartsAfterTheStartWrapsAndEndsOnTheStartItself) {
    ItemList list;
    for (int value : {5, 1, 5, 2, 5}) {
        list.Insert(list.Count(), Item(value));
    }
    const auto is = [](ULONG_PTR wanted) {
        return [wanted](size_t, const ListItem &item) { return item.data == wanted; };
    };
    EXPECT_EQ(list.FindAfter(std::nullopt, is(5)), 0u);
    EXPECT_EQ(list.FindAfter(0u, is(5)), 2u);
    EXPECT_EQ(list.FindAfter(4u, is(5)), 0u);
    EXPECT_EQ(list.FindAfter(1u, is(1)), 1u);
    EXPECT_EQ(list.FindAfter(99u, is(2)), 3u);
    EXPECT_EQ(list.FindAfter(2u, is(7)), std::nullopt);
}

TEST(ItemListTest, TextComparisonIgnoresCase) {
    using win32::user::controls::CompareItemText;
    using win32::user::controls::ItemTextHasPrefix;
    EXPECT_EQ(CompareItemText("Apple", "aPPLE"), 0);
    EXPECT_LT(CompareItemText("apple", "Banana"), 0);
    EXPECT_TRUE(ItemTextHasPrefix("Alphabet", "aLP"));
    EXPECT_FALSE(ItemTextHasPrefix("Al", "Alp"));
    EXPECT_TRUE(ItemTextHasPrefix("anything", ""));
}

} // namespace
