// The part's detail sheet: General, Attributes and Route, then the reporting page (on or off) and the
// Notes page. Nothing reaches the record's slots unless the modeller presses OK.
#pragma once
#include "core/notes_page.h"
#include "core/orvane_property_sheet.h"
#include "core/report_pages.h"
#include "detail/part_pages.h"

#include <orvane/records/part.h>

class CPartDetailSheet : public COrvanePropertySheet {
    DECLARE_DYNAMIC(CPartDetailSheet)
public:
    explicit CPartDetailSheet(OrvPartRecord &record);
    ~CPartDetailSheet() override;

    CPartMainPage m_general;
    CPartAttributePage m_attributes;
    CPartRoutePage m_route;
    CReportOnOffPage m_reporting;
    CNotesPage m_notes;
};
