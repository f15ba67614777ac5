#include "framework/text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "framework/module_state.h"

namespace {

// Clamps a (first, count) pair to the text, as the substring operations promise.
void ClampRange(int length, int &first, int &count) {
    first = std::clamp(first, 0, length);
    count = std::clamp(count, 0, length - first);
}

bool IsBlank(char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; }

} // namespace

CString::CString(const char *text) : m_text(text != nullptr ? text : "") {}

CString::CString(const char *text, int length) {
    if (text != nullptr && length > 0)
        m_text.assign(text, strnlen(text, static_cast<size_t>(length)));
}

CString::CString(char ch, int repeat) {
    if (repeat > 0)
        m_text.assign(static_cast<size_t>(repeat), ch);
}

char CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength())
        return '\0';
    return m_text[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch) {
    if (index >= 0 && index < GetLength())
        m_text[static_cast<size_t>(index)] = ch;
}

CString &CString::operator=(const char *text) {
    m_text = text != nullptr ? text : "";
    return *this;
}

CString &CString::operator=(char ch) {
    m_text.assign(1, ch);
    return *this;
}

CString &CString::operator+=(const CString &text) {
    m_text += text.m_text;
    return *this;
}

CString &CString::operator+=(const char *text) {
    if (text != nullptr)
        m_text += text;
    return *this;
}

CString &CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}

int CString::Compare(const char *text) const { return std::strcmp(m_text.c_str(), text != nullptr ? text : ""); }

int CString::CompareNoCase(const char *text) const { return lstrcmpiA(m_text.c_str(), text != nullptr ? text : ""); }

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    ClampRange(GetLength(), first, count);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)).c_str());
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return Mid(GetLength() - count, count);
}

int CString::Find(char ch, int start) const {
    if (start < 0 || start >= GetLength())
        return -1;
    size_t at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char *sub, int start) const {
    if (sub == nullptr || start < 0 || start > GetLength())
        return -1;
    size_t at = m_text.find(sub, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
    size_t at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const char *set) const {
    if (set == nullptr)
        return -1;
    size_t at = m_text.find_first_of(set);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

void CString::MakeUpper() {
    if (!m_text.empty())
        CharUpperBuffA(m_text.data(), static_cast<DWORD>(m_text.size()));
}

void CString::MakeLower() {
    if (!m_text.empty())
        CharLowerBuffA(m_text.data(), static_cast<DWORD>(m_text.size()));
}

void CString::MakeReverse() { std::reverse(m_text.begin(), m_text.end()); }

void CString::TrimLeft() {
    auto first = std::find_if_not(m_text.begin(), m_text.end(), IsBlank);
    m_text.erase(m_text.begin(), first);
}

void CString::TrimLeft(char ch) {
    char set[2] = {ch, '\0'};
    TrimLeft(set);
}

void CString::TrimLeft(const char *set) {
    if (set == nullptr)
        return;
    size_t first = m_text.find_first_not_of(set);
    m_text.erase(0, first == std::string::npos ? m_text.size() : first);
}

void CString::TrimRight() {
    auto last = std::find_if_not(m_text.rbegin(), m_text.rend(), IsBlank);
    m_text.erase(last.base(), m_text.end());
}

void CString::TrimRight(char ch) {
    char set[2] = {ch, '\0'};
    TrimRight(set);
}

void CString::TrimRight(const char *set) {
    if (set == nullptr)
        return;
    size_t last = m_text.find_last_not_of(set);
    m_text.erase(last == std::string::npos ? 0 : last + 1);
}

int CString::Replace(char from, char to) {
    int count = 0;
    for (char &ch : m_text) {
        if (ch == from) {
            ch = to;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char *from, const char *to) {
    if (from == nullptr || *from == '\0')
        return 0;
    const std::string replacement = to != nullptr ? to : "";
    const size_t fromLength = std::strlen(from);
    int count = 0;
    for (size_t at = m_text.find(from); at != std::string::npos; at = m_text.find(from, at + replacement.size())) {
        m_text.replace(at, fromLength, replacement);
        ++count;
    }
    return count;
}

int CString::Remove(char ch) {
    const size_t before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, const char *text) {
    if (text != nullptr)
        m_text.insert(static_cast<size_t>(std::clamp(index, 0, GetLength())), text);
    return GetLength();
}

int CString::Delete(int index, int count) {
    ClampRange(GetLength(), index, count);
    m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

void CString::Format(const char *format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char *format, va_list args) {
    if (format == nullptr) {
        m_text.clear();
        return;
    }
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        m_text.clear();
        return;
    }
    std::string text(static_cast<size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    m_text = std::move(text);
}

BOOL CString::LoadString(UINT id) {
    // A string table entry holds at most 65535 characters; grow until the text fits.
    for (int size = 256; size <= 65536; size *= 4) {
        std::string buffer(static_cast<size_t>(size), '\0');
        const int length = ::LoadStringA(FrameworkGetResourceHandle(), id, buffer.data(), size);
        if (length <= 0) {
            m_text.clear();
            return FALSE;
        }
        if (length < size - 1) {
            buffer.resize(static_cast<size_t>(length));
            m_text = std::move(buffer);
            return TRUE;
        }
    }
    return FALSE;
}

char *CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_text.resize(static_cast<size_t>(minLength));
    return m_text.data();
}

char *CString::GetBufferSetLength(int length) {
    m_text.resize(static_cast<size_t>(std::max(length, 0)));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        newLength = static_cast<int>(strnlen(m_text.c_str(), m_text.size()));
    m_text.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

CString operator+(const CString &a, const CString &b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString &a, const char *b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const char *a, const CString &b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString &a, char b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(char a, const CString &b) {
    CString result(a);
    result += b;
    return result;
}
