// A sheet's rows of one kind (a machine's cycles, setups or breakdowns, a part's route stages), in order:
// loaded from the record's array (with handles of their own), edited by a page and in the add/remove dialog,
// and stored into a fresh array when the sheet closes. `Row` is a CAddRemoveObject with
//   static std::unique_ptr<Row> FromRecord(const Entry &), static std::unique_ptr<Row> CopyOf(const Row &),
//   bool StoreInto(Entry &) const
// each failing (null, false) when the host could not copy a handle.
#pragma once
#include "core/add_remove_dialog.h"

#include <memory>

template <typename Row, typename Entry> class RowList {
public:
    // Copies `count` entries. False when a copy failed; the list is then empty.
    bool Load(const Entry *entries, int count)
    {
        m_rows.clear();
        for (int i = 0; entries && i < count; ++i) {
            std::unique_ptr<Row> row = Row::FromRecord(entries[i]);
            if (!row) {
                m_rows.clear();
                return false;
            }
            // Entries that carry their own origin index keep it; the others are known by their position.
            if constexpr (!requires(const Entry &entry) { entry.origin; })
                row->SetOriginIndex(i);
            m_rows.push_back(std::move(row));
        }
        return true;
    }
    // Stores the rows into `entries` (room for Count(), zeroed) and lets go of them. Gives the number of
    // rows stored whole: fewer than Count() when a copy failed (that row's copies are already given back).
    int StoreInto(Entry *entries)
    {
        int stored = 0;
        while (stored < Count() && At(stored).StoreInto(entries[stored]))
            ++stored;
        m_rows.clear();
        return stored;
    }

    int Count() const { return static_cast<int>(m_rows.size()); }
    Row &At(int index) const { return static_cast<Row &>(*m_rows[static_cast<size_t>(index)]); }
    AddRemoveRows &Rows() { return m_rows; }

    // Copies of every row for the add/remove dialog (an empty description becomes " "); false when a copy
    // failed (none are then given).
    bool WorkingCopies(AddRemoveRows &copies) const
    {
        copies.clear();
        for (int i = 0; i < Count(); ++i) {
            std::unique_ptr<Row> copy = Row::CopyOf(At(i));
            if (!copy) {
                copies.clear();
                return false;
            }
            if (copy->GetName().IsEmpty())
                copy->SetName(" ");
            copies.push_back(std::move(copy));
        }
        return true;
    }
    // The dialog's rows (all made of class Row) replace these, which give their handles back to the host.
    void Replace(AddRemoveRows rows) { m_rows = std::move(rows); }

private:
    AddRemoveRows m_rows;
};
