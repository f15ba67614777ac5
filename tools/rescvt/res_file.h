// Reader of the 32-bit compiled resource format (.res) that the resource compiler writes.
// Every read is bounds-checked: a truncated or corrupted file gives a ParseError naming the
// problem and the byte offset where it was found, never a read past the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rescvt {

// A resource type or name: either a 16-bit ordinal or a UTF-16 string.
struct ResName {
    bool isOrdinal = true;
    std::uint16_t ordinal = 0;
    std::u16string text;

    bool operator==(const ResName &) const = default;
};

struct ResEntry {
    ResName type;
    ResName name;
    std::uint32_t dataVersion = 0;
    std::uint16_t memoryFlags = 0;
    std::uint16_t language = 0;
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;
    std::vector<std::uint8_t> data;
};

struct ParseError {
    std::string what;
    std::size_t offset = 0;
};

// Parses a whole .res image. The leading empty 32-byte header entry is validated and dropped;
// every other entry is returned in file order. Returns false and fills `error` on malformed input.
bool ParseResFile(const std::uint8_t *bytes, std::size_t size, std::vector<ResEntry> &entries, ParseError &error);

} // namespace rescvt
