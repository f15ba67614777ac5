// The common detail export sequence, as every element's detail export will run it.
#include "testkit.h"

#include "core/detail_export.h"
#include "core/export_guard.h"
#include "core/record_text.h"
#include "core/table_page.h"

namespace {
class CTestGeneralPage : public CTablePage {
public:
    explicit CTestGeneralPage(TestkitDetailRecord &record) : CTablePage(IDD_TESTKIT_DETAIL_PAGE), m_record(record)
    {
        BindText(IDC_TESTKIT_DETAIL_NAME, record.name, 8);
        MapField(0, IDC_TESTKIT_DETAIL_NAME);
    }

protected:
    int32_t ValidateRecord() override { return m_record.validate ? m_record.validate(&m_record) : -1; }

private:
    TestkitDetailRecord &m_record;
};
} // namespace

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitDetailDialog(TestkitDetailRecord *record)
{
    if (!record)
        return 0;
    return GuardExport(
        [&] {
            CTestGeneralPage general(*record);
            CReportOffIndividualGroupPage reporting;
            CNotesPage notes;
            DetailExport detail;
            detail.titleId = IDS_TESTKIT_SHEET_TITLE;
            detail.pages = {&general};
            UseCommonRecordParts(detail, record, reporting, notes);
            return RunDetailExport(detail);
        },
        0);
}
