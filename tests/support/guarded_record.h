// A host record placed so that it ends exactly where an inaccessible page begins: reading or writing one byte
// past it faults, so a library that reads past an unterminated text crashes the test instead of passing.
#pragma once
#include <cstddef>
#include <cstring>
#include <new>

class GuardedMemory {
public:
    explicit GuardedMemory(size_t size);
    ~GuardedMemory();
    GuardedMemory(const GuardedMemory &) = delete;
    GuardedMemory &operator=(const GuardedMemory &) = delete;
    // `size` bytes ending at the guard page.
    void *Data() const { return m_data; }

private:
    void *m_base = nullptr;
    size_t m_length = 0;
    void *m_data = nullptr;
};

template <typename Record> class GuardedRecord {
public:
    // Zero-filled, as a host would clear a record before filling it.
    GuardedRecord() : m_memory(sizeof(Record)) { std::memset(m_memory.Data(), 0, sizeof(Record)); }
    Record *operator->() const { return Get(); }
    Record &operator*() const { return *Get(); }
    Record *Get() const { return static_cast<Record *>(m_memory.Data()); }

private:
    GuardedMemory m_memory;
};

// Fills a text field to its last byte with `fill` and no terminator.
template <size_t N> void FillUnterminated(char (&field)[N], char fill = 'X') { std::memset(field, fill, N); }
