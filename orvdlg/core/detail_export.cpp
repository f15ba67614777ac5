#include "core/detail_export.h"

#include "core/orvane_property_sheet.h"

int RunDetailExport(const DetailExport &detail)
{
    COrvanePropertySheet plain(detail.elementName, detail.titleId);
    COrvanePropertySheet &sheet = detail.sheet ? *detail.sheet : plain;
    for (CPropertyPage *page : detail.pages)
        sheet.AddPage(page);
    if (detail.reporting)
        sheet.AddPage(detail.reporting);
    if (detail.notes)
        sheet.AddPage(detail.notes);
    const int ok = sheet.DoModal() == IDOK ? 1 : 0;
    if (detail.store && !detail.store())
        return 0;
    if (ok) {
        if (detail.apply)
            detail.apply();
        if (detail.reporting && detail.reportState)
            detail.reportState(detail.reporting->StoredValue());
        if (detail.notes)
            detail.notes->CallNotesSlot();
    } else if (detail.cancel) {
        detail.cancel();
    }
    if (detail.finish)
        detail.finish(ok);
    return ok;
}
