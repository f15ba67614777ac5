#include "user/controls/item_list.h"

#include <utility>

namespace win32::user::controls {

namespace {

// Blocks split above twice this size and merge with a neighbour when they fall below a quarter of
// it, so every block but the last stays between kBlockSize / 4 and 2 * kBlockSize items.
constexpr size_t kBlockSize = 128;

size_t HighestPowerOfTwoAtMost(size_t n) {
    size_t power = 1;
    while (power * 2 <= n) {
        power *= 2;
    }
    return power;
}

} // namespace

ListItem &ItemList::At(size_t index) {
    const Position position = Locate(index);
    return m_blocks[position.block][position.offset];
}

const ListItem &ItemList::At(size_t index) const {
    const Position position = Locate(index);
    return m_blocks[position.block][position.offset];
}

ItemList::Position ItemList::Locate(size_t index) const {
    const size_t blocks = m_blocks.size();
    size_t position = 0;
    size_t remaining = index;
    for (size_t step = HighestPowerOfTwoAtMost(blocks); step > 0; step /= 2) {
        if (position + step <= blocks && m_tree[position + step] <= remaining) {
            position += step;
            remaining -= m_tree[position];
        }
    }
    return Position{position, remaining};
}

void ItemList::AddToTree(size_t block, long delta) {
    for (size_t i = block + 1; i < m_tree.size(); i += i & (~i + 1)) {
        m_tree[i] = static_cast<size_t>(static_cast<long>(m_tree[i]) + delta);
    }
}

void ItemList::RebuildTree() {
    m_tree.assign(m_blocks.size() + 1, 0);
    for (size_t i = 1; i < m_tree.size(); ++i) {
        m_tree[i] += m_blocks[i - 1].size();
        const size_t parent = i + (i & (~i + 1));
        if (parent < m_tree.size()) {
            m_tree[parent] += m_tree[i];
        }
    }
}

void ItemList::Insert(size_t index, ListItem item) {
    if (index > m_count) {
        index = m_count;
    }
    if (m_blocks.empty()) {
        // Reserve the tree first: once the block exists, nothing may fail.
        std::vector<size_t> tree(2, 0);
        Block block;
        block.reserve(kBlockSize);
        block.push_back(std::move(item));
        m_blocks.push_back(std::move(block));
        m_tree = std::move(tree);
        m_tree[1] = 1;
        m_count = 1;
        return;
    }
    Position position = index == m_count ? Position{m_blocks.size() - 1, m_blocks.back().size()} : Locate(index);
    Block &block = m_blocks[position.block];
    block.insert(block.begin() + static_cast<std::ptrdiff_t>(position.offset), std::move(item));
    ++m_count;
    AddToTree(position.block, 1);
    if (block.size() > 2 * kBlockSize) {
        try {
            SplitBlock(position.block);
        } catch (...) {
            // An oversized block is still a valid list; the next insertion tries again.
            RebuildTree();
        }
    }
}

void ItemList::SplitBlock(size_t blockIndex) {
    m_blocks.reserve(m_blocks.size() + 1);
    Block &block = m_blocks[blockIndex];
    const size_t half = block.size() / 2;
    Block tail;
    tail.reserve(kBlockSize * 2);
    tail.insert(tail.end(), std::make_move_iterator(block.begin() + static_cast<std::ptrdiff_t>(half)),
                std::make_move_iterator(block.end()));
    block.erase(block.begin() + static_cast<std::ptrdiff_t>(half), block.end());
    m_blocks.insert(m_blocks.begin() + static_cast<std::ptrdiff_t>(blockIndex + 1), std::move(tail));
    RebuildTree();
}

void ItemList::Erase(size_t index) {
    if (index >= m_count) {
        return;
    }
    const Position position = Locate(index);
    Block &block = m_blocks[position.block];
    block.erase(block.begin() + static_cast<std::ptrdiff_t>(position.offset));
    --m_count;
    if (block.empty()) {
        m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(position.block));
        RebuildTree();
        return;
    }
    AddToTree(position.block, -1);
    if (block.size() < kBlockSize / 4) {
        MergeAfterErase(position.block);
    }
}

void ItemList::MergeAfterErase(size_t blockIndex) {
    // Merge with the smaller neighbour when the two fit in one block; a list of many tiny blocks
    // would make every lookup slower.
    size_t first = blockIndex;
    if (blockIndex + 1 < m_blocks.size() && m_blocks[blockIndex].size() + m_blocks[blockIndex + 1].size() <= kBlockSize) {
        first = blockIndex;
    } else if (blockIndex > 0 && m_blocks[blockIndex - 1].size() + m_blocks[blockIndex].size() <= kBlockSize) {
        first = blockIndex - 1;
    } else {
        return;
    }
    Block &target = m_blocks[first];
    Block &source = m_blocks[first + 1];
    try {
        target.insert(target.end(), std::make_move_iterator(source.begin()), std::make_move_iterator(source.end()));
    } catch (...) {
        return; // the blocks stay as they are, which is still a valid list
    }
    m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(first + 1));
    RebuildTree();
}

void ItemList::Clear() {
    m_blocks.clear();
    m_tree.clear();
    m_count = 0;
}

void ItemList::Reserve(size_t additional) {
    m_blocks.reserve(m_blocks.size() + additional / kBlockSize + 1);
}

size_t ItemList::BlockStart(size_t block) const {
    size_t start = 0;
    for (size_t i = block; i > 0; i -= i & (~i + 1)) {
        start += m_tree[i];
    }
    return start;
}

std::optional<size_t> ItemList::FindAfter(std::optional<size_t> start, const ItemMatch &match) const {
    if (m_count == 0) {
        return std::nullopt;
    }
    const size_t first = start && *start < m_count ? (*start + 1) % m_count : 0;
    // From the item after the start to the end, then from the beginning up to the start itself.
    if (const std::optional<size_t> found = FindInRange(first, m_count, match)) {
        return found;
    }
    return FindInRange(0, first, match);
}

std::optional<size_t> ItemList::FindInRange(size_t from, size_t to, const ItemMatch &match) const {
    if (from >= to) {
        return std::nullopt;
    }
    const Position position = Locate(from);
    size_t index = from;
    for (size_t block = position.block; block < m_blocks.size() && index < to; ++block) {
        for (size_t offset = block == position.block ? position.offset : 0; offset < m_blocks[block].size() && index < to;
             ++offset, ++index) {
            if (match(index, m_blocks[block][offset])) {
                return index;
            }
        }
    }
    return std::nullopt;
}

void ItemList::ForEach(const std::function<void(size_t, ListItem &)> &visit) {
    size_t index = 0;
    for (Block &block : m_blocks) {
        for (ListItem &item : block) {
            visit(index++, item);
        }
    }
}

void ItemList::ForEach(const std::function<void(size_t, const ListItem &)> &visit) const {
    size_t index = 0;
    for (const Block &block : m_blocks) {
        for (const ListItem &item : block) {
            visit(index++, item);
        }
    }
}

int CompareItemText(const std::string &a, const std::string &b) {
    return lstrcmpiA(a.c_str(), b.c_str());
}

bool ItemTextHasPrefix(const std::string &text, const std::string &prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    return CompareItemText(text.substr(0, prefix.size()), prefix) == 0;
}

} // namespace win32::user::controls
