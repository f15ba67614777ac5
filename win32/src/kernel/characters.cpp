// The USER character helpers of the ANSI code page: CharUpperA, CharLowerA and their Buff forms,
// CharNextA, CharPrevA, IsCharAlphaA, IsCharAlphaNumericA, IsCharUpperA, IsCharLowerA.
#include "kernel/ansi_codepage.h"

namespace {

using CaseMap = unsigned char (*)(unsigned char);

// A pointer whose high word is zero carries a single character in its low byte.
LPSTR MapCase(LPSTR text, CaseMap map) {
    auto value = reinterpret_cast<ULONG_PTR>(text);
    if (HIWORD(value) == 0)
        return reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(map(static_cast<unsigned char>(value))));
    for (char *at = text; *at; ++at)
        *at = static_cast<char>(map(static_cast<unsigned char>(*at)));
    return text;
}

DWORD MapCaseBuffer(LPSTR text, DWORD length, CaseMap map) {
    if (!text)
        return 0;
    for (DWORD i = 0; i < length; ++i)
        text[i] = static_cast<char>(map(static_cast<unsigned char>(text[i])));
    return length;
}

unsigned char Byte(CHAR ch) { return static_cast<unsigned char>(ch); }

} // namespace

using namespace win32::kernel;

LPSTR WINAPI CharUpperA(LPSTR lpsz) { return MapCase(lpsz, AnsiToUpper); }
LPSTR WINAPI CharLowerA(LPSTR lpsz) { return MapCase(lpsz, AnsiToLower); }
DWORD WINAPI CharUpperBuffA(LPSTR lpsz, DWORD cchLength) { return MapCaseBuffer(lpsz, cchLength, AnsiToUpper); }
DWORD WINAPI CharLowerBuffA(LPSTR lpsz, DWORD cchLength) { return MapCaseBuffer(lpsz, cchLength, AnsiToLower); }

// The code page is single-byte: a character is a byte, and the terminator is never passed.
LPSTR WINAPI CharNextA(LPCSTR lpsz) {
    if (!lpsz)
        return nullptr;
    return const_cast<LPSTR>(*lpsz ? lpsz + 1 : lpsz);
}

LPSTR WINAPI CharPrevA(LPCSTR lpszStart, LPCSTR lpszCurrent) {
    if (!lpszStart || !lpszCurrent)
        return const_cast<LPSTR>(lpszCurrent);
    return const_cast<LPSTR>(lpszCurrent > lpszStart ? lpszCurrent - 1 : lpszStart);
}

BOOL WINAPI IsCharAlphaA(CHAR ch) { return IsAnsiAlpha(Byte(ch)); }
BOOL WINAPI IsCharAlphaNumericA(CHAR ch) { return IsAnsiAlpha(Byte(ch)) || (ch >= '0' && ch <= '9'); }
BOOL WINAPI IsCharUpperA(CHAR ch) { return IsAnsiUpper(Byte(ch)); }
BOOL WINAPI IsCharLowerA(CHAR ch) { return IsAnsiLower(Byte(ch)); }
