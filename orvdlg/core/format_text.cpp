#include "core/format_text.h"

CString FormatText(const char *pattern, std::initializer_list<CString> arguments)
{
    CString text;
    const CString *next = arguments.begin();
    for (const char *p = pattern ? pattern : ""; *p; ++p) {
        if (p[0] != '%' || (p[1] != 's' && p[1] != 'd' && p[1] != '%')) {
            text += *p;
            continue;
        }
        ++p;
        if (*p == '%')
            text += '%';
        else if (next != arguments.end())
            text += *next++;
    }
    return text;
}
