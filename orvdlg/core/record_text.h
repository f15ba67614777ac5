// Texts in host records are fixed-size fields. A host may leave one unterminated, and text put into a control
// without typing may be longer than the field: reads stop at the field's end, writes truncate and terminate.
#pragma once
#include <framework/text.h>

#include <cstddef>
#include <cstring>

// The text of a field of `size` bytes, up to its terminator or its end.
inline CString ReadRecordText(const char *field, size_t size)
{
    const void *end = std::memchr(field, 0, size);
    size_t length = end ? static_cast<size_t>(static_cast<const char *>(end) - field) : size;
    return CString(field, static_cast<int>(length));
}
template <size_t N> CString ReadRecordText(const char (&field)[N]) { return ReadRecordText(field, N); }

// Writes at most size - 1 characters and a terminator; the rest of the field is cleared.
inline void WriteRecordText(char *field, size_t size, const char *text)
{
    if (size == 0)
        return;
    size_t length = text ? strnlen(text, size - 1) : 0;
    if (length)
        std::memcpy(field, text, length);
    std::memset(field + length, 0, size - length);
}
template <size_t N> void WriteRecordText(char (&field)[N], const char *text) { WriteRecordText(field, N, text); }
// The same for a field whose texts hold at most `limit` characters although the field has room for more.
template <size_t N> void WriteRecordText(char (&field)[N], const char *text, size_t limit)
{
    const size_t used = limit + 1 < N ? limit + 1 : N;
    WriteRecordText(field, used, text);
    std::memset(field + used, 0, N - used);
}
