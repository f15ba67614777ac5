// Captions put together from string-table patterns ("Edit Actions On Start Cycle%sFor Machine %s"). The
// patterns may come from a language library, so they are never handed to printf: each "%s" or "%d" takes
// the next argument as text, "%%" gives "%", and a placeholder with no argument left stays empty.
#pragma once
#include <framework/text.h>

#include <initializer_list>

CString FormatText(const char *pattern, std::initializer_list<CString> arguments);
