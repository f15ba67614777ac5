// The machine's detail sheet: the General page, the Shift page when the machine works in shifts, the
// reporting page (off, individual, by group) and the Notes page.
#pragma once
#include "core/notes_page.h"
#include "core/orvane_property_sheet.h"
#include "core/report_pages.h"
#include "core/shift_page.h"
#include "detail/machine_main_page.h"

#include <orvane/records/machine.h>

class CMachineDetailSheet : public COrvanePropertySheet {
    DECLARE_DYNAMIC(CMachineDetailSheet)
public:
    explicit CMachineDetailSheet(OrvMachineRecord &record);
    ~CMachineDetailSheet() override;

    // 1 while the General page shows a Multiple Station machine; the Setup page reads it.
    int32_t m_multipleStation = 0;
    CMachineMainPage m_general;
    CShiftPage m_shift;
    CReportOffIndividualGroupPage m_reporting;
    CNotesPage m_notes;
};
