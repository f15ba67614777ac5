// The machine's detail sheet: the General, Setup and Breakdowns pages, the Fluid Rules page for the machine
// types that take fluid (unless the record rules it out), the Shift page when the machine works in shifts,
// the reporting page (off, individual, by group) and the Notes page.
#pragma once
#include "core/notes_page.h"
#include "core/orvane_property_sheet.h"
#include "core/report_pages.h"
#include "core/shift_page.h"
#include "detail/machine_breakdown_page.h"
#include "detail/machine_fluid_page.h"
#include "detail/machine_main_page.h"
#include "detail/machine_setup_page.h"

#include <orvane/records/machine.h>

class CMachineDetailSheet : public COrvanePropertySheet {
    DECLARE_DYNAMIC(CMachineDetailSheet)
public:
    explicit CMachineDetailSheet(OrvMachineRecord &record);
    ~CMachineDetailSheet() override;

    // Whether a machine of `type` has the Fluid Rules page in this sheet.
    bool HasFluidRules(int32_t type) const;
    // The General page shows another type: the Fluid Rules page comes or goes, right after Breakdowns.
    void FollowType(int32_t type);

    // 1 while the General page shows a Multiple Station machine; the Setup page reads it.
    int32_t m_multipleStation = 0;
    CMachineMainPage m_general;
    CMachineSetupPage m_setup;
    CMachineBreakdownPage m_breakdowns;
    CMachineFluidPage m_fluid;
    CShiftPage m_shift;
    CReportOffIndividualGroupPage m_reporting;
    CNotesPage m_notes;

private:
    const OrvMachineRecord &m_record;
};
