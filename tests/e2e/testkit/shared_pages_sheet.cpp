// The shared pages as an element sheet will use them: loaded from the record before the sheet runs, stored
// and handed to the host after OK.
#include "testkit.h"
#include "testkit_sheet.h"

#include "core/export_guard.h"
#include "core/notes_page.h"
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
            int result = RunTestkitSheet("PAGES", {&onOff, &threeWay, &notes});
            if (result == IDOK) {
                onOff.Store();
                threeWay.Store();
                notes.CallNotesSlot();
            }
            return result;
        },
        0);
}
