// KERNEL: modules, global memory, errors, threads, strings and the USER character helpers.
#include "win32_tests_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <thread>

namespace {

DWORD ErrorAfter(DWORD before) { return (SetLastError(before), GetLastError()); }

// ---- modules ----

TEST(KernelModules, SystemLibraryNamesAreTheStandInItself) {
    HMODULE user = LoadLibraryA("user32.dll");
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(LoadLibraryA("KERNEL32"), user);
    EXPECT_EQ(LoadLibraryA("Gdi32.DLL"), user);
    EXPECT_EQ(LoadLibraryA("comctl32.dll"), user);
    EXPECT_EQ(GetModuleHandleA("user32.dll"), user);
    EXPECT_NE(user, GetModuleHandleA(nullptr));

    using MulDivProc = int(WINAPI *)(int, int, int);
    // Through the generic function type, as an export's real type is only known to its caller.
    auto mulDiv = reinterpret_cast<MulDivProc>(reinterpret_cast<void (*)()>(GetProcAddress(user, "MulDiv")));
    ASSERT_NE(mulDiv, nullptr);
    EXPECT_EQ(mulDiv(10, 3, 4), 8);

    SetLastError(0);
    EXPECT_EQ(GetProcAddress(user, "NoSuchExport"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    // An export of another library is not an export of this one.
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(user, "malloc"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));

    EXPECT_TRUE(FreeLibrary(user));
    EXPECT_TRUE(FreeLibrary(user));
    EXPECT_NE(GetProcAddress(user, "GetLastError"), nullptr);
}

TEST(KernelModules, UnknownLibrariesAndModulesFail) {
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA("no_such_library_here.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleA("no_such_library_here.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));

    HMODULE bogus = reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(0x10));
    char path[MAX_PATH];
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(bogus, path, sizeof path), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(GetProcAddress(bogus, "MulDiv"), nullptr);
    EXPECT_FALSE(FreeLibrary(bogus));
}

TEST(KernelModules, ModuleFileNamesAreFullPathsAndTruncate) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(length, std::strlen(path));
    std::string name(path);
    EXPECT_NE(name.find("win32_tests"), std::string::npos) << name;
    char again[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameA(GetModuleHandleA(nullptr), again, sizeof again), length);
    EXPECT_STREQ(again, path);

    // A module is found again by its file name.
    EXPECT_EQ(GetModuleHandleA(name.substr(name.find_last_of("/\\") + 1).c_str()), GetModuleHandleA(nullptr));

    char small[5];
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), 5u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::strlen(small), 4u);
    EXPECT_EQ(std::string(small), name.substr(0, 4));
}

// The fixture library (module_fixture/) carries the same resource ids as this executable.
TEST(KernelModules, LoadedLibrariesHaveTheirOwnExportsAndResources) {
    HMODULE library = LoadLibraryA("win32fixture.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_NE(library, GetModuleHandleA(nullptr));
    EXPECT_NE(library, GetModuleHandleA("user32.dll"));
    EXPECT_EQ(LoadLibraryA("WIN32FIXTURE.DLL"), library);
    EXPECT_EQ(GetModuleHandleA("win32fixture.dll"), library);

    using AnswerProc = int (*)();
    auto answer = reinterpret_cast<AnswerProc>(reinterpret_cast<void (*)()>(GetProcAddress(library, "FixtureAnswer")));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(GetProcAddress(GetModuleHandleA(nullptr), "FixtureAnswer"), nullptr);

    char text[64];
    EXPECT_EQ(LoadStringA(library, IDS_RES_FIRST, text, sizeof text), 14);
    EXPECT_STREQ(text, "Fixture string");
    EXPECT_EQ(LoadStringA(GetModuleHandleA(nullptr), IDS_RES_FIRST, text, sizeof text), 12);
    EXPECT_STREQ(text, "First string");
    EXPECT_EQ(LoadStringA(library, IDS_RES_SECOND, text, sizeof text), 0);
    HRSRC data = FindResourceA(library, MAKEINTRESOURCEA(IDR_RES_DATA), RT_RCDATA);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(SizeofResource(library, data), 7u);
    EXPECT_EQ(FindResourceA(library, MAKEINTRESOURCEA(IDD_RES_DIALOG), RT_DIALOG), nullptr);

    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(library, path, sizeof path), 0u);
    std::string file = std::string(path).substr(std::string(path).find_last_of("/\\") + 1);
    EXPECT_EQ(GetModuleHandleA(file.c_str()), library);

    // The first FreeLibrary balances the second load; the last one unloads the library.
    EXPECT_TRUE(FreeLibrary(library));
    EXPECT_EQ(GetModuleHandleA(file.c_str()), library);
    EXPECT_TRUE(FreeLibrary(library));
    EXPECT_EQ(GetModuleHandleA(file.c_str()), nullptr);
    // Loaded again, it is whole again.
    HMODULE again = LoadLibraryA("win32fixture.dll");
    ASSERT_NE(again, nullptr);
    auto answerAgain =
        reinterpret_cast<AnswerProc>(reinterpret_cast<void (*)()>(GetProcAddress(again, "FixtureAnswer")));
    ASSERT_NE(answerAgain, nullptr);
    EXPECT_EQ(answerAgain(), 42);
    EXPECT_EQ(LoadStringA(again, IDS_RES_FIRST, text, sizeof text), 14);
    EXPECT_TRUE(FreeLibrary(again));
}

// ---- errors, threads, time ----

TEST(KernelThreads, LastErrorAndThreadIdsArePerThread) {
    SetLastError(1234);
    DWORD otherError = 1;
    DWORD otherId = 0;
    std::thread other([&] {
        otherError = GetLastError();
        otherId = GetCurrentThreadId();
        SetLastError(99);
    });
    other.join();
    EXPECT_EQ(otherError, 0u);
    EXPECT_EQ(GetLastError(), 1234u);
    EXPECT_NE(otherId, GetCurrentThreadId());
    EXPECT_EQ(GetCurrentThreadId(), GetCurrentThreadId());
    EXPECT_NE(GetCurrentProcessId(), 0u);
    EXPECT_EQ(ErrorAfter(ERROR_SUCCESS), 0u);
}

TEST(KernelThreads, TickCountAdvancesAcrossSleep) {
    DWORD start = GetTickCount();
    Sleep(30);
    DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 25u);
    EXPECT_LT(elapsed, 5000u);
    Sleep(0);
}

// ---- global memory ----

TEST(KernelMemory, FixedBlocksAreTheirOwnHandles) {
    HGLOBAL block = GlobalAlloc(GPTR, 10);
    ASSERT_NE(block, nullptr);
    auto *bytes = static_cast<unsigned char *>(GlobalLock(block));
    EXPECT_EQ(static_cast<void *>(bytes), block);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(GlobalSize(block), 10u);
    EXPECT_EQ(GlobalHandle(bytes), block);
    EXPECT_EQ(GlobalFlags(block), 0u);
    EXPECT_EQ(GlobalFree(block), nullptr);

    HLOCAL local = LocalAlloc(LPTR, 4);
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(static_cast<char *>(local)[3], 0);
    EXPECT_EQ(LocalFree(local), nullptr);
}

TEST(KernelMemory, MoveableBlocksCountLocks) {
    HGLOBAL block = GlobalAlloc(GHND, 16);
    ASSERT_NE(block, nullptr);
    char *first = static_cast<char *>(GlobalLock(block));
    ASSERT_NE(first, nullptr);
    EXPECT_NE(static_cast<void *>(first), block);
    EXPECT_EQ(first[15], 0);
    EXPECT_EQ(GlobalLock(block), first);
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 2u);
    EXPECT_EQ(GlobalHandle(first), block);

    EXPECT_TRUE(GlobalUnlock(block));
    SetLastError(12345);
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(KernelMemory, ReAllocKeepsMoveableHandlesAndContents) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_NE(block, nullptr);
    std::memcpy(GlobalLock(block), "abc", 4);
    GlobalUnlock(block);
    EXPECT_EQ(GlobalReAlloc(block, 4096, GMEM_ZEROINIT), block);
    EXPECT_EQ(GlobalSize(block), 4096u);
    char *text = static_cast<char *>(GlobalLock(block));
    EXPECT_STREQ(text, "abc");
    EXPECT_EQ(text[4095], 0);
    GlobalUnlock(block);

    // Reallocating an unlocked moveable block to zero discards it.
    EXPECT_EQ(GlobalReAlloc(block, 0, GMEM_MOVEABLE), block);
    EXPECT_NE(GlobalFlags(block) & GMEM_DISCARDED, 0u);
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalReAlloc(block, 8, 0), block);
    EXPECT_NE(GlobalLock(block), nullptr);
    GlobalUnlock(block);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(KernelMemory, FixedBlocksMoveOnlyWhenAllowedAndMayBecomeMoveable) {
    HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 8);
    ASSERT_NE(fixed, nullptr);
    std::memcpy(fixed, "fixed", 6);
    EXPECT_EQ(GlobalReAlloc(fixed, 4, 0), fixed); // shrinking never moves
    EXPECT_EQ(GlobalSize(fixed), 4u);
    HGLOBAL moved = GlobalReAlloc(fixed, 100000, GMEM_MOVEABLE);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(std::memcmp(moved, "fixe", 4), 0);
    EXPECT_EQ(GlobalSize(moved), 100000u);

    HGLOBAL moveable = GlobalReAlloc(moved, 0, GMEM_MODIFY | GMEM_MOVEABLE);
    ASSERT_NE(moveable, nullptr);
    EXPECT_NE(moveable, moved);
    void *data = GlobalLock(moveable);
    EXPECT_EQ(data, moved);
    EXPECT_EQ(GlobalHandle(data), moveable);
    GlobalUnlock(moveable);
    EXPECT_EQ(GlobalFree(moveable), nullptr);
}

TEST(KernelMemory, InvalidHandlesAreReportedNotTouched) {
    HGLOBAL bogus = reinterpret_cast<HGLOBAL>(static_cast<ULONG_PTR>(0x4321));
    SetLastError(0);
    EXPECT_EQ(GlobalLock(bogus), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GlobalSize(bogus), 0u);
    EXPECT_EQ(GlobalFlags(bogus), static_cast<UINT>(GMEM_INVALID_HANDLE));
    EXPECT_FALSE(GlobalUnlock(bogus));
    EXPECT_EQ(GlobalReAlloc(bogus, 10, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalHandle(bogus), nullptr);
    EXPECT_EQ(GlobalFree(bogus), bogus);
    EXPECT_EQ(GlobalFree(nullptr), nullptr);

    HGLOBAL freed = GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_EQ(GlobalFree(freed), nullptr);
    SetLastError(0);
    EXPECT_EQ(GlobalFree(freed), freed);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GlobalLock(freed), nullptr);
}

// ---- strings ----

TEST(KernelStrings, LengthsAndCopies) {
    EXPECT_EQ(lstrlenA(nullptr), 0);
    EXPECT_EQ(lstrlenA("four"), 4);
    char buffer[8] = "zzzzzzz";
    EXPECT_EQ(lstrcpyA(buffer, "abc"), buffer);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(lstrcpynA(buffer, "abcdefghij", 5), buffer);
    EXPECT_STREQ(buffer, "abcd"); // at most n - 1 characters and a terminator
    lstrcpynA(buffer, "xy", 8);
    EXPECT_STREQ(buffer, "xy");
}

TEST(KernelStrings, ComparisonFollowsWordOrder) {
    EXPECT_EQ(lstrcmpA("abc", "abc"), 0);
    EXPECT_LT(lstrcmpA("abc", "abd"), 0);
    EXPECT_GT(lstrcmpA("abd", "abc"), 0);
    EXPECT_LT(lstrcmpA("ab", "abc"), 0);
    EXPECT_LT(lstrcmpA("a", "B"), 0);   // letters alphabetically, not by code
    EXPECT_LT(lstrcmpA("a", "A"), 0);   // then lowercase first
    EXPECT_LT(lstrcmpA("9", "a"), 0);   // digits before letters
    EXPECT_LT(lstrcmpA("_", "0"), 0);   // symbols before digits
    EXPECT_LT(lstrcmpA("Zebra", "zoo"), 0);
    EXPECT_EQ(lstrcmpiA("Hello", "hELLO"), 0);
    EXPECT_LT(lstrcmpiA("apple", "Banana"), 0);
    EXPECT_EQ(lstrcmpiA("\xC9t\xE9", "\xE9T\xC9"), 0); // Latin-1 letters fold too
    EXPECT_LT(lstrcmpA(nullptr, "a"), 0);
    EXPECT_EQ(lstrcmpA(nullptr, nullptr), 0);
}

TEST(KernelStrings, MulDivRoundsAndReportsOverflow) {
    EXPECT_EQ(MulDiv(10, 3, 4), 8); // 7.5 rounds away from zero
    EXPECT_EQ(MulDiv(-10, 3, 4), -8);
    EXPECT_EQ(MulDiv(10, 3, -4), -8);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);
    EXPECT_EQ(MulDiv(5, 1, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDiv(1 << 30, 4, 2), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
}

TEST(KernelCharacters, CaseMappingOfTheCodePage) {
    char text[] = "stra\xDF" "e \xE9t\xE9 Mix";
    EXPECT_EQ(CharUpperA(text), text);
    EXPECT_STREQ(text, "STRA\xDF" "E \xC9T\xC9 MIX"); // sharp s has no capital
    CharLowerA(text);
    EXPECT_STREQ(text, "stra\xDF" "e \xE9t\xE9 mix");
    // A pointer with a zero high word carries one character.
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(CharUpperA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>('q')))),
              static_cast<ULONG_PTR>('Q'));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(CharLowerA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(0xC0)))), 0xE0u);

    char buffer[] = "abcdef";
    EXPECT_EQ(CharUpperBuffA(buffer, 3), 3u);
    EXPECT_STREQ(buffer, "ABCdef");
    EXPECT_EQ(CharLowerBuffA(buffer, 2), 2u);
    EXPECT_STREQ(buffer, "abCdef");
}

TEST(KernelCharacters, ClassificationAndStepping) {
    EXPECT_TRUE(IsCharAlphaA('x'));
    EXPECT_TRUE(IsCharAlphaA('\xE9'));
    EXPECT_FALSE(IsCharAlphaA('5'));
    EXPECT_TRUE(IsCharAlphaNumericA('5'));
    EXPECT_FALSE(IsCharAlphaNumericA('-'));
    EXPECT_TRUE(IsCharUpperA('\xC9'));
    EXPECT_FALSE(IsCharUpperA('a'));
    EXPECT_TRUE(IsCharLowerA('\xDF'));
    EXPECT_FALSE(IsCharLowerA('1'));

    const char *text = "ab";
    EXPECT_EQ(CharNextA(text), text + 1);
    EXPECT_EQ(CharNextA(text + 2), text + 2); // never past the terminator
    EXPECT_EQ(CharPrevA(text, text + 2), text + 1);
    EXPECT_EQ(CharPrevA(text, text), text);
}

std::string Format(const char *format, ...) {
    char buffer[1100];
    va_list args;
    va_start(args, format);
    int written = wvsprintfA(buffer, format, args);
    va_end(args);
    EXPECT_EQ(written, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

TEST(KernelFormat, IntegersWithFlagsAndWidths) {
    EXPECT_EQ(Format("%d %i %u", -42, 7, 4000000000u), "-42 7 4000000000");
    EXPECT_EQ(Format("[%5d][%-5d][%05d][%05d]", 42, 42, 42, -42), "[   42][42   ][00042][-0042]");
    EXPECT_EQ(Format("%x %X %#x %#X %08lx", 255, 255, 255, 255, 0xBEEFul), "ff FF 0xff 0XFF 0000beef");
    EXPECT_EQ(Format("%ld %lu %.3d", -5l, 5ul, 7), "-5 5 007");
    EXPECT_EQ(Format("%c%c %%", 'o', 'k'), "ok %");
}

TEST(KernelFormat, StringsWithPrecisionAndNoFloatingPoint) {
    EXPECT_EQ(Format("<%s>", "text"), "<text>");
    EXPECT_EQ(Format("<%.2s>", "text"), "<te>");
    EXPECT_EQ(Format("<%6s><%-6s>", "ab", "ab"), "<    ab><ab    >");
    EXPECT_EQ(Format("%s", static_cast<const char *>(nullptr)), "(null)");
    EXPECT_EQ(Format("%f", 1), "f"); // no floating point; the type letter stands alone
}

TEST(KernelFormat, OutputStopsAt1024Characters) {
    std::string longText(2000, 'y');
    char buffer[1100];
    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(wsprintfA(buffer, "%s", longText.c_str()), 1024);
    EXPECT_EQ(buffer[1023], 'y');
    EXPECT_EQ(buffer[1024], 0);
    EXPECT_EQ(buffer[1025], 'z');
}

} // namespace
