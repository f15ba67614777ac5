#include "kernel/ansi_codepage.h"

namespace win32::kernel {
namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the same code point, as the
// platform's conversion does.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The letters of 0x80..0x9F that have a case partner in the code page.
struct CasePair {
    unsigned char upper;
    unsigned char lower;
};
constexpr CasePair kHighPairs[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};

bool IsLatin1Upper(unsigned char ch) { return ch >= 0xC0 && ch <= 0xDE && ch != 0xD7; }
bool IsLatin1LowerWithUpper(unsigned char ch) { return ch >= 0xE0 && ch <= 0xFE && ch != 0xF7; }

} // namespace

char16_t AnsiToUnicode(unsigned char ch) {
    if (ch >= 0x80 && ch < 0xA0)
        return kHighControls[ch - 0x80];
    return ch;
}

unsigned char UnicodeToAnsi(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<unsigned char>(unit);
    for (unsigned i = 0; i < 32; ++i) {
        if (kHighControls[i] == unit)
            return static_cast<unsigned char>(0x80 + i);
    }
    return '?';
}

std::u16string AnsiToUnicode(const char *text) {
    std::u16string result;
    for (; *text; ++text)
        result.push_back(AnsiToUnicode(static_cast<unsigned char>(*text)));
    return result;
}

bool IsAnsiUpper(unsigned char ch) {
    if ((ch >= 'A' && ch <= 'Z') || IsLatin1Upper(ch))
        return true;
    for (const CasePair &pair : kHighPairs) {
        if (pair.upper == ch)
            return true;
    }
    return false;
}

bool IsAnsiLower(unsigned char ch) {
    // Lowercase letters without an uppercase partner in the code page: f-hook, micro sign,
    // the ordinal indicators and sharp s.
    if ((ch >= 'a' && ch <= 'z') || IsLatin1LowerWithUpper(ch) || ch == 0x83 || ch == 0xAA || ch == 0xB5 ||
        ch == 0xBA || ch == 0xDF)
        return true;
    for (const CasePair &pair : kHighPairs) {
        if (pair.lower == ch)
            return true;
    }
    return false;
}

bool IsAnsiAlpha(unsigned char ch) { return IsAnsiUpper(ch) || IsAnsiLower(ch); }

unsigned char AnsiToUpper(unsigned char ch) {
    if (ch >= 'a' && ch <= 'z')
        return static_cast<unsigned char>(ch - 'a' + 'A');
    if (IsLatin1LowerWithUpper(ch))
        return static_cast<unsigned char>(ch - 0x20);
    for (const CasePair &pair : kHighPairs) {
        if (pair.lower == ch)
            return pair.upper;
    }
    return ch;
}

unsigned char AnsiToLower(unsigned char ch) {
    if (ch >= 'A' && ch <= 'Z')
        return static_cast<unsigned char>(ch - 'A' + 'a');
    if (IsLatin1Upper(ch))
        return static_cast<unsigned char>(ch + 0x20);
    for (const CasePair &pair : kHighPairs) {
        if (pair.upper == ch)
            return pair.lower;
    }
    return ch;
}

char16_t FoldUnicodeCase(char16_t unit) {
    unsigned char ansi = UnicodeToAnsi(unit);
    if (ansi == '?' && unit != u'?')
        return unit;
    return AnsiToUnicode(AnsiToUpper(ansi));
}

bool EqualsIgnoreCase(const std::u16string &a, const WCHAR *b) {
    std::size_t i = 0;
    for (; i < a.size(); ++i) {
        if (b[i] == 0 || FoldUnicodeCase(a[i]) != FoldUnicodeCase(char16_t(b[i])))
            return false;
    }
    return b[i] == 0;
}

} // namespace win32::kernel
