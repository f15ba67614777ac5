// A string of the string table (the language library's when one is set), empty when there is none.
#pragma once
#include <framework/text.h>

inline CString ResourceText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
