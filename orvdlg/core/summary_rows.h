// The rows text of the Summary dialog: fields separated by "|", each row ended by "?".
#pragma once
#include <framework/text.h>

#include <initializer_list>

class SummaryRows {
public:
    void Add(std::initializer_list<CString> fields);
    const CString &Text() const { return m_text; }

private:
    CString m_text;
};

// "Yes" or "No" from the string table, for a handle that is set (not -1) or not.
CString YesIfSet(int handle);
