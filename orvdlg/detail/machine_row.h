// A machine's rows (cycles, setups, breakdowns) keep the fields of their record entry and their own copies of
// its handles. A row class gives
//   void ReadFields(const Entry &), void WriteFields(Entry &) const   everything but the handles
//   void TakeHandles(const Entry &), void PutHandles(Entry &) const   its own handles, as they are
//   static bool CopyHandles(int32_t element, const Entry &from, Entry &to)
//                                                                     fresh copies, all or none
// and these make what a row list needs of it: a row from a record entry, a copy of a row, a row stored.
#pragma once
#include "core/detail_element.h"

#include <memory>
#include <new>

// A row made from a record entry, with copies of its handles; null when the host could not copy one.
template <typename Row, typename Entry> std::unique_ptr<Row> RowFromEntry(const Entry &entry)
{
    auto row = std::unique_ptr<Row>(new (std::nothrow) Row);
    if (!row)
        return nullptr;
    row->ReadFields(entry);
    Entry copies{};
    if (!Row::CopyHandles(row->m_element, entry, copies))
        return nullptr;
    row->TakeHandles(copies);
    return row;
}

// A copy of a row with handles of its own; null when the host could not copy one.
template <typename Row, typename Entry> std::unique_ptr<Row> CopyOfRow(const Row &source)
{
    Entry image{};
    source.WriteFields(image);
    source.PutHandles(image);
    std::unique_ptr<Row> copy = RowFromEntry<Row>(image);
    if (copy)
        copy->SetOriginIndex(source.GetOriginIndex());
    return copy;
}

// Writes a row into a fresh record entry with handles of its own (-1 until copied); false when a copy failed.
template <typename Row, typename Entry> bool StoreRow(const Row &row, Entry &entry)
{
    row.WriteFields(entry);
    Entry own{};
    row.PutHandles(own);
    return Row::CopyHandles(row.m_element, own, entry);
}
