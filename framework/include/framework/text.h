// CString: 8-bit text with value semantics, the framework's string type.
#pragma once
#include <windows.h>

#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char *text);
    CString(const char *text, int length);
    CString(char ch, int repeat = 1);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    char GetAt(int index) const;
    void SetAt(int index, char ch);
    char operator[](int index) const { return GetAt(index); }
    operator LPCSTR() const { return m_text.c_str(); }
    LPCSTR GetString() const { return m_text.c_str(); }

    CString &operator=(const char *text);
    CString &operator=(char ch);
    CString &operator+=(const CString &text);
    CString &operator+=(const char *text);
    CString &operator+=(char ch);

    int Compare(const char *text) const;
    int CompareNoCase(const char *text) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Index of the first match at or after `start`, or -1.
    int Find(char ch, int start = 0) const;
    int Find(const char *sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char *set) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    void TrimLeft();
    void TrimLeft(char ch);
    void TrimLeft(const char *set);
    void TrimRight();
    void TrimRight(char ch);
    void TrimRight(const char *set);
    void Trim() { TrimRight(); TrimLeft(); }
    int Replace(char from, char to);
    int Replace(const char *from, const char *to);
    int Remove(char ch);
    int Insert(int index, const char *text);
    int Delete(int index, int count = 1);

    void Format(const char *format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char *format, va_list args);
    // Loads string `id` from the resource module; FALSE (and empty text) when it does not exist.
    BOOL LoadString(UINT id);

    // Direct access for Win32 calls that fill a buffer: room for `minLength` characters and a
    // terminator; ReleaseBuffer takes the length up to the terminator (or `newLength`).
    char *GetBuffer(int minLength = 0);
    char *GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    const std::string &Str() const { return m_text; }

private:
    std::string m_text;
};

CString operator+(const CString &a, const CString &b);
CString operator+(const CString &a, const char *b);
CString operator+(const char *a, const CString &b);
CString operator+(const CString &a, char b);
CString operator+(char a, const CString &b);

inline bool operator==(const CString &a, const CString &b) { return a.Str() == b.Str(); }
inline bool operator==(const CString &a, const char *b) { return a.Compare(b) == 0; }
inline bool operator==(const char *a, const CString &b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString &a, const CString &b) { return !(a == b); }
inline bool operator!=(const CString &a, const char *b) { return !(a == b); }
inline bool operator!=(const char *a, const CString &b) { return !(a == b); }
inline bool operator<(const CString &a, const CString &b) { return a.Str() < b.Str(); }
inline bool operator<(const CString &a, const char *b) { return a.Compare(b) < 0; }
inline bool operator>(const CString &a, const CString &b) { return b < a; }
inline bool operator>(const CString &a, const char *b) { return a.Compare(b) > 0; }
