// The fixed-size text fields of the library's records, as the host writes and reads them.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>

// The notes holder of the host's element records: the host object whose first member points to the notes text.
// The record carries its address.
struct NotesHolder {
    const char *text = nullptr;
    int32_t Address() const { return static_cast<int32_t>(reinterpret_cast<uintptr_t>(this)); }
};

// At most N - 1 characters, always terminated.
template <size_t N> void Fill(char (&field)[N], const std::string &text)
{
    std::strncpy(field, text.c_str(), N - 1);
    field[N - 1] = '\0';
}

// Up to the terminator or the field's end: a field the library left unterminated still reads safely.
template <size_t N> std::string Read(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}
