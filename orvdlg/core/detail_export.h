// The sequence every element detail export follows: the sheet titled "Title - name" with the element's own
// pages, then the reporting page and the Notes page last; run to the end; whatever the end, the edited
// lists are stored for the host; on OK the apply slots, the report-state slot and the notes slot in that
// order, result 1; otherwise the cancel slot, result 0; last the finish slot with the outcome.
#pragma once
#include "core/notes_page.h"
#include "core/record_text.h"
#include "core/report_pages.h"

#include <functional>
#include <vector>

class COrvanePropertySheet;

struct DetailExport {
    // The element's own sheet class, when it has one; otherwise a plain sheet with the title and name.
    COrvanePropertySheet *sheet = nullptr;
    UINT titleId = 0;
    CString elementName;
    std::vector<CPropertyPage *> pages; // the element's own, in order
    CReportPage *reporting = nullptr;   // after them
    CNotesPage *notes = nullptr;        // the last tab
    // The apply slot, then any further apply slots, in order.
    std::function<void()> apply;
    // The report-state slot with the state the reporting page stands for.
    std::function<void(int32_t state)> reportState;
    std::function<void()> cancel;
    // Records whose lists the host reads back (a machine's cycles): stores them after the sheet ended, OK or
    // not. False (out of memory) ends the export with 0 and calls no slot.
    std::function<bool()> store;
    // Records with one closing slot: called last, with 1 after OK and 0 otherwise.
    std::function<void(int ok)> finish;
};

// 1 after OK, 0 after Cancel or when the sheet could not be shown.
int RunDetailExport(const DetailExport &detail);

// The parts most detail records share under the same names: the element number and name, the apply,
// cancel (for records that have one) and report-state slots, the reporting field and the notes block with
// its slot.
template <typename Record>
void UseCommonRecordParts(DetailExport &detail, Record *record, CReportPage &reporting, CNotesPage &notes)
{
    detail.elementName = ReadRecordText(record->name);
    reporting.SetReportingField(&record->reporting);
    reporting.Load();
    detail.reporting = &reporting;
    notes.LoadFromBlock(&record->notes, record->notesSlot);
    detail.notes = &notes;
    detail.apply = [record] {
        if (record->apply)
            record->apply(record);
    };
    detail.reportState = [record](int32_t state) {
        if (record->reportState)
            record->reportState(record->element, state);
    };
    if constexpr (requires { record->cancel; }) {
        detail.cancel = [record] {
            if (record->cancel)
                record->cancel(record);
        };
    }
}
