// Compares a host record's bytes before and after a library wrote into it: every byte outside the fields the
// library may write must keep its value.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

struct FieldSpan {
    size_t offset;
    size_t size;
};

// Where `member` lies in a Record: FieldOf(&OrvMachineRecord::name).
template <typename Record, typename T> FieldSpan FieldOf(T Record::*member)
{
    static const Record probe{};
    const auto *base = reinterpret_cast<const char *>(&probe);
    return {static_cast<size_t>(reinterpret_cast<const char *>(&(probe.*member)) - base), sizeof(T)};
}

inline std::vector<unsigned char> Bytes(const void *data, size_t size)
{
    const auto *bytes = static_cast<const unsigned char *>(data);
    return {bytes, bytes + size};
}

// Offsets at which `after` differs from `before` outside `writable`.
inline std::vector<size_t> ChangedOutside(const std::vector<unsigned char> &before,
                                          const std::vector<unsigned char> &after,
                                          const std::vector<FieldSpan> &writable)
{
    std::vector<bool> mayChange(before.size(), false);
    for (const FieldSpan &field : writable)
        std::fill_n(mayChange.begin() + static_cast<std::ptrdiff_t>(field.offset), field.size, true);
    std::vector<size_t> changed;
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (!mayChange[i] && before[i] != after[i])
            changed.push_back(i);
    }
    return changed;
}

// A text field the library wrote: terminated within the field and at most `longest` characters long.
template <size_t N> bool Terminated(const char (&field)[N]) { return std::memchr(field, 0, N) != nullptr; }
template <size_t N> void ExpectText(const char (&field)[N], const char *what, size_t longest = N - 1)
{
    EXPECT_TRUE(Terminated(field) && std::strlen(field) <= longest) << what << ": " << std::string(field, N);
}
