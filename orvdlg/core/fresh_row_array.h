// The fresh array a sheet stores one kind of row into when it closes (a machine's cycles, setups or
// breakdowns). While it lives the record points to it, so that the host reads it in its finish slot;
// afterwards the record gets its own array pointer back and the fresh array is freed. The count stays the
// number of rows handed over, as hosts expect after the finish call; only when nothing was handed over (a
// failed store) does the record get its own count back too.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <functional>

template <typename Entry> class FreshRowArray {
public:
    FreshRowArray(Entry *&pointer, int32_t &count) : m_pointer(pointer), m_count(count) {}
    ~FreshRowArray()
    {
        if (m_swapped) {
            m_pointer = m_ownEntries;
            if (!m_handedOver)
                m_count = m_ownCount;
        }
        std::free(m_fresh);
    }
    FreshRowArray(const FreshRowArray &) = delete;
    FreshRowArray &operator=(const FreshRowArray &) = delete;

    // Stores `rows` (a RowList) into a fresh, zeroed array that the record then points to; an empty
    // list gives no array. False when memory ran out or a host copy failed: the handles already stored are
    // handed to `giveBack` and the record keeps its own array.
    template <typename Rows> bool Store(Rows &rows, std::function<void(Entry &)> giveBack)
    {
        m_giveBack = std::move(giveBack);
        const int count = rows.Count();
        if (count > 0) {
            m_fresh = static_cast<Entry *>(std::calloc(static_cast<size_t>(count), sizeof(Entry)));
            if (!m_fresh)
                return false;
        }
        m_ownEntries = m_pointer;
        m_ownCount = m_count;
        m_pointer = m_fresh;
        m_swapped = true;
        m_count = count;
        m_stored = rows.StoreInto(m_fresh);
        if (m_stored < count) {
            GiveBackStored();
            return false;
        }
        m_handedOver = true;
        return true;
    }
    // A later store failed and the host will not see these rows: their handles go back to it.
    void GiveBackStored()
    {
        for (int i = 0; m_fresh && i < m_stored; ++i)
            m_giveBack(m_fresh[i]);
        m_stored = 0;
        m_handedOver = false;
    }

private:
    Entry *&m_pointer;
    int32_t &m_count;
    Entry *m_fresh = nullptr;
    std::function<void(Entry &)> m_giveBack;
    int m_stored = 0;
    bool m_swapped = false;
    bool m_handedOver = false;
    Entry *m_ownEntries = nullptr;
    int32_t m_ownCount = 0;
};
