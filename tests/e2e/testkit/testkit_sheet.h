// The test kit's sheets: the given pages in a COrvanePropertySheet titled "Detail Test - <name>", run to
// the end; the sheet's result (1 OK, 2 Cancel).
#pragma once
#include "core/orvane_property_sheet.h"

#include <initializer_list>

int RunTestkitSheet(const char *name, std::initializer_list<CPropertyPage *> pages);
