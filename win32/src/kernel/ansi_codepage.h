// The stand-in's ANSI code page: Windows-1252, the code page the resource compiler uses to turn
// script text into UTF-16. Resource strings are converted back through it, and the A-suffixed
// character functions classify and map case by it.
#pragma once

#include <windows.h>

#include <string>

namespace win32::kernel {

char16_t AnsiToUnicode(unsigned char ch);
// Characters outside the code page become '?', as the platform's default conversion does.
unsigned char UnicodeToAnsi(char16_t unit);
std::u16string AnsiToUnicode(const char *text);

bool IsAnsiUpper(unsigned char ch);
bool IsAnsiLower(unsigned char ch);
bool IsAnsiAlpha(unsigned char ch);
unsigned char AnsiToUpper(unsigned char ch);
unsigned char AnsiToLower(unsigned char ch);

// Case folding for case-insensitive comparison of resource names.
char16_t FoldUnicodeCase(char16_t unit);
bool EqualsIgnoreCase(const std::u16string &a, const WCHAR *b);

} // namespace win32::kernel
