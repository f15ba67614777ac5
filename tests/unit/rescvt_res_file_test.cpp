// The .res parser of rescvt on a real compiled file and on truncated and corrupted copies of it.
#include "res_emitter.h"
#include "res_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

using rescvt::ParseError;
using rescvt::ParseResFile;
using rescvt::ResEntry;
using rescvt::ResName;

std::vector<std::uint8_t> ReadSample() {
    std::ifstream in(RESCVT_SAMPLE_RES, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ResName Ordinal(std::uint16_t value) { return {true, value, {}}; }
ResName Text(const char16_t *value) { return {false, 0, value}; }

class RescvtParser : public ::testing::Test {
protected:
    void SetUp() override {
        m_bytes = ReadSample();
        ASSERT_FALSE(m_bytes.empty()) << RESCVT_SAMPLE_RES;
        ParseError error;
        ASSERT_TRUE(ParseResFile(m_bytes.data(), m_bytes.size(), m_entries, error)) << error.what;
    }

    // Parses a modified copy; a rejection must point inside the copy and say what is wrong.
    bool ParseCopy(const std::vector<std::uint8_t> &copy, std::vector<ResEntry> &entries, ParseError &error) {
        // An exact-size heap copy, so that AddressSanitizer catches a read past its end.
        std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[copy.size() + 1]);
        std::copy(copy.begin(), copy.end(), exact.get());
        bool accepted = ParseResFile(exact.get(), copy.size(), entries, error);
        if (!accepted) {
            EXPECT_FALSE(error.what.empty());
            EXPECT_LE(error.offset, copy.size());
        }
        return accepted;
    }

    const ResEntry *Find(const ResName &type, const ResName &name) const {
        for (const ResEntry &entry : m_entries) {
            if (entry.type == type && entry.name == name)
                return &entry;
        }
        return nullptr;
    }

    std::vector<std::uint8_t> m_bytes;
    std::vector<ResEntry> m_entries;
};

TEST_F(RescvtParser, ReadsEveryEntryOfACompiledScript) {
    ASSERT_EQ(m_entries.size(), 5u);
    const ResEntry *strings = Find(Ordinal(6), Ordinal(1)); // ids 0..15 are block 1
    ASSERT_NE(strings, nullptr);
    EXPECT_EQ(strings->language, 0x0409);
    // Block 1 holds "one" at index 1: a zero count, then 3 and the UTF-16 text.
    ASSERT_GE(strings->data.size(), 10u);
    EXPECT_EQ(strings->data[0], 0);
    EXPECT_EQ(strings->data[2], 3);
    EXPECT_EQ(strings->data[4], 'o');
    EXPECT_NE(Find(Ordinal(6), Ordinal(2)), nullptr); // id 17 is in block 2

    const ResEntry *dialog = Find(Ordinal(5), Ordinal(100));
    ASSERT_NE(dialog, nullptr);
    EXPECT_GE(dialog->data.size(), 18u);

    // String types and names are stored in capitals by the compiler.
    const ResEntry *custom = Find(Text(u"CUSTOM"), Text(u"SAMPLE"));
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(custom->data, (std::vector<std::uint8_t>{'x', 'y', 'z'}));

    const ResEntry *data = Find(Ordinal(10), Ordinal(7));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data, (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

TEST_F(RescvtParser, TruncatedCopiesAreRejectedUnlessCutBetweenEntries) {
    int accepted = 0;
    for (std::size_t length = 0; length < m_bytes.size(); ++length) {
        std::vector<std::uint8_t> copy(m_bytes.begin(), m_bytes.begin() + std::ptrdiff_t(length));
        std::vector<ResEntry> entries;
        ParseError error;
        if (!ParseCopy(copy, entries, error))
            continue;
        // A cut between entries (or inside the last entry's padding) is a shorter valid file.
        ++accepted;
        ASSERT_LE(entries.size(), m_entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i)
            EXPECT_EQ(entries[i].data, m_entries[i].data) << "entry " << i << " at length " << length;
    }
    // Each entry end, plus at most three bytes of padding after each, and the header alone.
    EXPECT_LE(accepted, int(m_entries.size() * 4 + 1));
    EXPECT_GE(accepted, int(m_entries.size()));
}

TEST_F(RescvtParser, EveryCorruptedByteIsHandled) {
    const std::uint8_t values[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
    for (std::size_t at = 0; at < m_bytes.size(); ++at) {
        for (std::uint8_t value : values) {
            std::vector<std::uint8_t> copy = m_bytes;
            copy[at] = value;
            std::vector<ResEntry> entries;
            ParseError error;
            if (ParseCopy(copy, entries, error)) {
                std::ostringstream out;
                rescvt::EmitResourceTable(entries, "corrupt.res", out);
            }
        }
    }
}

TEST_F(RescvtParser, NamesTheFault) {
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        const char *message;
        std::size_t reportedAt;
    };
    // The first real entry starts at 32: DataSize at 32, HeaderSize at 36, then the type.
    const Case cases[] = {
        {32 + 3, 0x7F, "data size", 32},
        {36 + 3, 0x7F, "header size", 36},
        {36, 0x21, "invalid header size", 36},
        {0, 0x10, "missing the 32-bit resource file header", 0},
    };
    for (const Case &c : cases) {
        std::vector<std::uint8_t> copy = m_bytes;
        copy[c.offset] = c.value;
        std::vector<ResEntry> entries;
        ParseError error;
        ASSERT_FALSE(ParseCopy(copy, entries, error)) << c.message;
        EXPECT_NE(error.what.find(c.message), std::string::npos) << error.what;
        EXPECT_EQ(error.offset, c.reportedAt) << c.message;
    }
}

TEST(RescvtParserInput, RejectsEmptyAndForeignFiles) {
    std::vector<ResEntry> entries;
    ParseError error;
    EXPECT_FALSE(ParseResFile(nullptr, 0, entries, error));
    EXPECT_EQ(error.what, "empty file");

    // A string name that runs to the end of its header without a terminator.
    std::vector<std::uint8_t> bytes(32, 0);
    bytes[4] = 32;
    bytes[8] = bytes[9] = bytes[12] = bytes[13] = 0xFF;
    std::vector<std::uint8_t> entry = {0, 0, 0, 0, 32, 0, 0, 0};
    for (int i = 0; i < 24; ++i)
        entry.push_back('A');
    bytes.insert(bytes.end(), entry.begin(), entry.end());
    EXPECT_FALSE(ParseResFile(bytes.data(), bytes.size(), entries, error));
    EXPECT_EQ(error.what, "unterminated resource name");
    EXPECT_EQ(error.offset, 64u);
}

TEST_F(RescvtParser, EmitsOneRowPerEntryAndTheRegistration) {
    std::ostringstream out;
    rescvt::EmitResourceTable(m_entries, "sample.res", out);
    const std::string text = out.str();
    EXPECT_NE(text.find("{nullptr, nullptr, 10, 7, 0x0409, 0x1030, kData + "), std::string::npos) << text;
    EXPECT_NE(text.find("const WCHAR kType"), std::string::npos);
    EXPECT_NE(text.find("Win32Resources_Register(kEntries, kEntries, 5u)"), std::string::npos);
    // The data literal never holds a raw quote, backslash or question mark.
    std::size_t literal = text.find("kData[] =");
    std::size_t end = text.find(";\n", literal);
    std::string data = text.substr(literal, end - literal);
    EXPECT_EQ(data.find('?'), std::string::npos);
}

} // namespace
