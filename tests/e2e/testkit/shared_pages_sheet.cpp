// The shared pages as an element sheet will use them: loaded from the record before the sheet runs, stored
// and handed to the host after OK.
#include "testkit.h"

#include "core/export_guard.h"
#include "core/notes_page.h"
#include "core/orvane_property_sheet.h"
#include "core/report_pages.h"

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitSharedPagesSheet(TestkitSharedPagesRecord *record)
{
    if (!record)
        return 0;
    return GuardExport(
        [&] {
            CReportOnOffPage onOff;
            CReportOffIndividualGroupPage threeWay;
            CNotesPage notes(record->showFedBy, record->showFeeds);
            onOff.SetReportingField(&record->onOffReporting);
            onOff.Load();
            threeWay.SetReportingField(&record->threeWayReporting);
            threeWay.Load();
            notes.LoadFromBlock(record->notes, record->notesSlot);
            COrvanePropertySheet sheet("PAGES", IDS_TESTKIT_SHEET_TITLE);
            sheet.AddPage(&onOff);
            sheet.AddPage(&threeWay);
            sheet.AddPage(&notes);
            int result = static_cast<int>(sheet.DoModal());
            if (result == IDOK) {
                onOff.Store();
                threeWay.Store();
                notes.CallNotesSlot();
            }
            return result;
        },
        0);
}
