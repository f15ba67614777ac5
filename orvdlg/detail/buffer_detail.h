// The buffer's detail sheet: its General page over the buffer detail record, then the reporting page (off,
// individual, by group) and the Notes page with both routing texts.
#pragma once
#include "core/notes_page.h"
#include "core/orvane_property_sheet.h"
#include "core/report_pages.h"
#include "core/table_page.h"

#include <orvane/records/buffer.h>

class CDetailBufferGeneralPage : public CTablePage {
    DECLARE_DYNAMIC(CDetailBufferGeneralPage)
public:
    explicit CDetailBufferGeneralPage(OrvBufferRecord &record);

    BOOL OnInitDialog() override;

protected:
    void LoadOwnFields() override;
    void SaveOwnFields(CDataExchange *dx) override;
    void OnChoiceChanged(int id) override;
    int32_t ValidateRecord() override;
    void OnRecordAccepted() override;

private:
    void ShowOptionLabels();
    void ShowDefaultExpression(int id);

    OrvBufferRecord &m_record;
};

// The buffer's sheet (no Apply Now): the General page, the reporting page, the Notes page.
class CDetailBufferSheet : public COrvanePropertySheet {
    DECLARE_DYNAMIC(CDetailBufferSheet)
public:
    explicit CDetailBufferSheet(OrvBufferRecord &record);
    ~CDetailBufferSheet() override;

    CDetailBufferGeneralPage m_general;
    CReportOffIndividualGroupPage m_reporting;
    CNotesPage m_notes;
};
