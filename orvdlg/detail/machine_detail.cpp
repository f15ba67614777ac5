#include "detail/machine_detail.h"

#include "core/detail_element.h"
#include "core/detail_export.h"
#include "core/export_guard.h"
#include "detail/machine_cycle_array.h"

#include <orvane/export.h>
#include <resource.h>

IMPLEMENT_DYNAMIC(CMachineDetailSheet, COrvanePropertySheet)

CMachineDetailSheet::CMachineDetailSheet(OrvMachineRecord &record)
    : COrvanePropertySheet(ReadRecordText(record.name), IDS_MACHINE_TITLE), m_general(record, m_multipleStation)
{
}

CMachineDetailSheet::~CMachineDetailSheet()
{
    if (m_hWnd)
        DestroyWindow();
    m_pages.clear();
}

extern "C" ORVANE_EXPORT int ORVANE_CALL MachineDetailDialog(OrvMachineRecord *record)
{
    if (!record)
        return 0;
    return GuardExport(
        [&] {
            DetailElementScope element(record->element);
            CMachineDetailSheet sheet(*record);
            if (!sheet.m_general.LoadCycles()) {
                ShowMemoryMessage();
                return 0;
            }
            DetailExport detail;
            detail.sheet = &sheet;
            detail.pages = {&sheet.m_general};
            if (record->shifts) {
                sheet.m_shift.SetShiftBlock(&record->shift);
                detail.pages.push_back(&sheet.m_shift);
            }
            detail.elementName = ReadRecordText(record->name);
            sheet.m_reporting.SetReportingField(&record->reporting);
            sheet.m_reporting.Load();
            detail.reporting = &sheet.m_reporting;
            sheet.m_notes.LoadFromBlock(&record->notes, record->notesSlot);
            detail.notes = &sheet.m_notes;

            MachineCycleArray cycles(*record);
            detail.store = [&] {
                if (cycles.Store(sheet.m_general.Cycles()))
                    return true;
                ShowMemoryMessage();
                return false;
            };
            detail.finish = [record](int ok) {
                if (record->finish)
                    record->finish(record, ok);
            };
            return RunDetailExport(detail);
        },
        0);
}
