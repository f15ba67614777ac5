// lstrlenA, lstrcpyA, lstrcpynA, lstrcmpA, lstrcmpiA, MulDiv, OutputDebugStringA.
#include "kernel/ansi_codepage.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// lstrcmp compares words as a user reads them, not by code: symbols sort before digits, digits
// before letters, letters alphabetically whatever their case; only when two strings are equal
// that way does case decide, lowercase first.
unsigned PrimaryWeight(unsigned char ch) {
    using namespace win32::kernel;
    if (IsAnsiAlpha(ch))
        return 0x300 + AnsiToLower(ch);
    if (ch >= '0' && ch <= '9')
        return 0x200 + ch;
    return 0x100 + ch;
}

int Sign(int value) { return (value > 0) - (value < 0); }

int CompareStrings(LPCSTR a, LPCSTR b, bool ignoreCase) {
    if (!a || !b)
        return Sign(int(a != nullptr) - int(b != nullptr));
    int caseDifference = 0;
    std::size_t i = 0;
    for (;; ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (ca == 0 || cb == 0)
            break;
        unsigned wa = PrimaryWeight(ca);
        unsigned wb = PrimaryWeight(cb);
        if (wa != wb)
            return wa < wb ? -1 : 1;
        if (caseDifference == 0 && ca != cb)
            caseDifference = win32::kernel::IsAnsiLower(ca) ? -1 : 1;
    }
    if (a[i] != b[i]) // one is a prefix of the other: the shorter sorts first
        return a[i] == 0 ? -1 : 1;
    return ignoreCase ? 0 : caseDifference;
}

} // namespace

int WINAPI lstrlenA(LPCSTR lpString) { return lpString ? static_cast<int>(std::strlen(lpString)) : 0; }

LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2) {
    if (!lpString1 || !lpString2)
        return nullptr;
    return std::strcpy(lpString1, lpString2);
}

LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
    if (!lpString1 || !lpString2)
        return nullptr;
    if (iMaxLength <= 0)
        return lpString1;
    // Copies at most iMaxLength - 1 characters and always terminates.
    int i = 0;
    for (; i < iMaxLength - 1 && lpString2[i]; ++i)
        lpString1[i] = lpString2[i];
    lpString1[i] = 0;
    return lpString1;
}

int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2) { return CompareStrings(lpString1, lpString2, false); }

int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) { return CompareStrings(lpString1, lpString2, true); }

int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
    if (nDenominator == 0)
        return -1;
    std::int64_t product = std::int64_t(nNumber) * nNumerator;
    std::int64_t divisor = nDenominator;
    bool negative = (product < 0) != (divisor < 0);
    std::uint64_t magnitude = product < 0 ? std::uint64_t(-product) : std::uint64_t(product);
    std::uint64_t absDivisor = divisor < 0 ? std::uint64_t(-divisor) : std::uint64_t(divisor);
    // Rounded to the nearest integer, halves away from zero; a result out of range gives -1.
    std::uint64_t quotient = (magnitude + absDivisor / 2) / absDivisor;
    if (quotient > (negative ? 0x80000000ull : 0x7FFFFFFFull))
        return -1;
    return negative ? static_cast<int>(-std::int64_t(quotient)) : static_cast<int>(quotient);
}

void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
    if (lpOutputString)
        std::fputs(lpOutputString, stderr);
}
