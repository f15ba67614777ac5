// The items of a list box or a combo box's list: text, item data and the selection flag of each.
// Items live in a sequence of blocks of at most 256, found by index through a Fenwick tree of
// block sizes, so that inserting in the middle of a long sorted list moves at most a few hundred
// items and 100,000 sorted insertions stay near-linear overall.
#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace win32::user::controls {

struct ListItem {
    std::string text;
    ULONG_PTR data = 0;
    bool selected = false;
};

// True for the item a search looks for.
using ItemMatch = std::function<bool(size_t index, const ListItem &item)>;

class ItemList {
public:
    size_t Count() const { return m_count; }
    bool Empty() const { return m_count == 0; }

    // `index` must be below Count().
    ListItem &At(size_t index);
    const ListItem &At(size_t index) const;

    // Inserts before `index` (Count() appends). Throws std::bad_alloc when memory is short, leaving
    // the list unchanged.
    void Insert(size_t index, ListItem item);
    void Erase(size_t index);
    void Clear();
    // Preallocation hint for `additional` more items.
    void Reserve(size_t additional);

    // The position after every item that does not order after the new one (equal items keep their
    // insertion order): a binary search over the blocks' last items, then inside one block, so
    // `order` is asked O(log n) times.
    template <class Order> size_t SortedPosition(const Order &order) const;

    // The first item matching after `start`, wrapping around to the beginning; `start` past the end
    // (or none) searches the whole list from the first item.
    std::optional<size_t> FindAfter(std::optional<size_t> start, const ItemMatch &match) const;

    // Calls `visit` for each item in order, with its index.
    void ForEach(const std::function<void(size_t index, ListItem &item)> &visit);
    void ForEach(const std::function<void(size_t index, const ListItem &item)> &visit) const;

private:
    using Block = std::vector<ListItem>;
    // The index of the first item of a block.
    size_t BlockStart(size_t block) const;
    struct Position {
        size_t block;
        size_t offset;
    };

    Position Locate(size_t index) const;
    std::optional<size_t> FindInRange(size_t from, size_t to, const ItemMatch &match) const;
    void AddToTree(size_t block, long delta);
    void RebuildTree();
    void SplitBlock(size_t block);
    void MergeAfterErase(size_t block);

    std::vector<Block> m_blocks;
    std::vector<size_t> m_tree; // Fenwick tree over block sizes, 1-based
    size_t m_count = 0;
};

template <class Order> size_t ItemList::SortedPosition(const Order &order) const {
    size_t low = 0;
    size_t high = m_blocks.size();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        const Block &block = m_blocks[middle];
        if (order(BlockStart(middle) + block.size() - 1, block.back()) < 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    if (low == m_blocks.size()) {
        return m_count;
    }
    const Block &block = m_blocks[low];
    const size_t start = BlockStart(low);
    size_t first = 0;
    size_t last = block.size() - 1; // the block's last item is known to order after the new one
    while (first < last) {
        const size_t middle = first + (last - first) / 2;
        if (order(start + middle, block[middle]) < 0) {
            last = middle;
        } else {
            first = middle + 1;
        }
    }
    return start + first;
}

// The list controls' text order: case-insensitive, as lstrcmpiA.
int CompareItemText(const std::string &a, const std::string &b);
// True when `text` starts with `prefix`, ignoring case as CompareItemText does.
bool ItemTextHasPrefix(const std::string &text, const std::string &prefix);

} // namespace win32::user::controls
