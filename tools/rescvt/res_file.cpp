#include "res_file.h"

#include <algorithm>

namespace rescvt {
namespace {

constexpr std::size_t kEntryFixedTail = 16; // DataVersion, MemoryFlags, LanguageId, Version, Characteristics
constexpr std::size_t kMinHeaderSize = 8 + 4 + 4 + kEntryFixedTail; // sizes + two ordinal names + tail

constexpr std::size_t AlignToDword(std::size_t value) { return (value + 3) & ~std::size_t(3); }

// A bounded little-endian cursor over one region of the file. Offsets it reports are absolute
// file offsets so that error messages point at the faulty byte.
class Reader {
public:
    Reader(const std::uint8_t *bytes, std::size_t begin, std::size_t end, ParseError &error)
        : m_bytes(bytes), m_pos(begin), m_end(end), m_error(error) {}

    std::size_t Position() const { return m_pos; }

    bool Fail(const char *what) {
        m_error.what = what;
        m_error.offset = m_pos;
        return false;
    }

    bool ReadWord(std::uint16_t &value, const char *what) {
        if (m_end - m_pos < 2)
            return Fail(what);
        value = std::uint16_t(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
        m_pos += 2;
        return true;
    }

    bool ReadDword(std::uint32_t &value, const char *what) {
        if (m_end - m_pos < 4)
            return Fail(what);
        value = std::uint32_t(m_bytes[m_pos]) | (std::uint32_t(m_bytes[m_pos + 1]) << 8) |
                (std::uint32_t(m_bytes[m_pos + 2]) << 16) | (std::uint32_t(m_bytes[m_pos + 3]) << 24);
        m_pos += 4;
        return true;
    }

    // Type and name fields: 0xFFFF followed by an ordinal, or a zero-terminated UTF-16 string.
    bool ReadName(ResName &name, const char *what) {
        std::uint16_t first = 0;
        if (!ReadWord(first, what))
            return false;
        if (first == 0xFFFF) {
            name.isOrdinal = true;
            return ReadWord(name.ordinal, what);
        }
        name.isOrdinal = false;
        name.text.clear();
        for (std::uint16_t unit = first; unit != 0;) {
            name.text.push_back(char16_t(unit));
            if (!ReadWord(unit, "unterminated resource name"))
                return false;
        }
        if (name.text.empty())
            return Fail("empty resource name");
        return true;
    }

    bool AlignDword(const char *what) {
        std::size_t aligned = AlignToDword(m_pos);
        if (aligned > m_end)
            return Fail(what);
        m_pos = aligned;
        return true;
    }

private:
    const std::uint8_t *m_bytes;
    std::size_t m_pos;
    std::size_t m_end;
    ParseError &m_error;
};

struct EntryExtent {
    std::size_t dataOffset = 0;
    std::size_t dataSize = 0;
    std::size_t next = 0; // offset of the following entry
};

bool ReadHeader(const std::uint8_t *bytes, std::size_t fileSize, std::size_t offset, ResEntry &entry,
                EntryExtent &extent, ParseError &error) {
    Reader sizes(bytes, offset, fileSize, error);
    std::uint32_t dataSize = 0;
    std::uint32_t headerSize = 0;
    if (!sizes.ReadDword(dataSize, "truncated entry size") || !sizes.ReadDword(headerSize, "truncated header size"))
        return false;
    if (headerSize < kMinHeaderSize || headerSize % 4 != 0) {
        error = {"invalid header size " + std::to_string(headerSize), offset + 4};
        return false;
    }
    if (headerSize > fileSize - offset) {
        error = {"header size " + std::to_string(headerSize) + " runs past the end of the file", offset + 4};
        return false;
    }
    std::size_t headerEnd = offset + headerSize;
    Reader header(bytes, offset + 8, headerEnd, error);
    if (!header.ReadName(entry.type, "resource type runs past the header") ||
        !header.ReadName(entry.name, "resource name runs past the header") ||
        !header.AlignDword("header padding runs past the header"))
        return false;
    if (!header.ReadDword(entry.dataVersion, "truncated header fields") ||
        !header.ReadWord(entry.memoryFlags, "truncated header fields") ||
        !header.ReadWord(entry.language, "truncated header fields") ||
        !header.ReadDword(entry.version, "truncated header fields") ||
        !header.ReadDword(entry.characteristics, "truncated header fields"))
        return false;
    if (header.Position() != headerEnd)
        return header.Fail("header size does not match its fields");
    if (dataSize > fileSize - headerEnd) {
        error = {"data size " + std::to_string(dataSize) + " runs past the end of the file", offset};
        return false;
    }
    extent.dataOffset = headerEnd;
    extent.dataSize = dataSize;
    // The last entry's padding may be missing; the padding never holds data.
    extent.next = std::min(AlignToDword(headerEnd + dataSize), fileSize);
    return true;
}

} // namespace

bool ParseResFile(const std::uint8_t *bytes, std::size_t size, std::vector<ResEntry> &entries, ParseError &error) {
    entries.clear();
    if (size == 0) {
        error = {"empty file", 0};
        return false;
    }
    std::size_t offset = 0;
    bool first = true;
    while (offset < size) {
        ResEntry entry;
        EntryExtent extent;
        if (!ReadHeader(bytes, size, offset, entry, extent, error))
            return false;
        if (first) {
            // The file starts with an empty entry that marks it as a 32-bit resource file.
            bool marker = extent.dataSize == 0 && entry.type.isOrdinal && entry.type.ordinal == 0 &&
                          entry.name.isOrdinal && entry.name.ordinal == 0 && extent.next - offset == 32;
            if (!marker) {
                error = {"missing the 32-bit resource file header", 0};
                return false;
            }
            first = false;
        } else {
            entry.data.assign(bytes + extent.dataOffset, bytes + extent.dataOffset + extent.dataSize);
            entries.push_back(std::move(entry));
        }
        offset = extent.next;
    }
    return true;
}

} // namespace rescvt
