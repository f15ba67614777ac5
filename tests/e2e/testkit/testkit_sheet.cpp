#include "testkit_sheet.h"

#include "testkit.h"

int RunTestkitSheet(const char *name, std::initializer_list<CPropertyPage *> pages)
{
    COrvanePropertySheet sheet(name, IDS_TESTKIT_SHEET_TITLE);
    for (CPropertyPage *page : pages)
        sheet.AddPage(page);
    return static_cast<int>(sheet.DoModal());
}
