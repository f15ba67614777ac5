#include "core/report_pages.h"

#include "resource.h"

IMPLEMENT_DYNAMIC(CReportPage, CPropertyPage)
IMPLEMENT_DYNAMIC(CReportOnOffPage, CReportPage)
IMPLEMENT_DYNAMIC(CReportOffIndividualGroupPage, CReportPage)

namespace {
constexpr int32_t kOnOffStore[] = {0, 2};
constexpr int32_t kThreeWayStore[] = {0, 1, 2};
int LoadOnOff(int32_t value) { return value == 0 ? 0 : 1; }
int LoadThreeWay(int32_t value) { return value == 0 ? 0 : value == 1 ? 1 : 2; }
} // namespace

CReportPage::CReportPage(UINT templateId, UINT firstRadioId, int (*load)(int32_t), std::span<const int32_t> store)
    : CPropertyPage(templateId), m_firstRadioId(firstRadioId), m_load(load), m_store(store)
{
}

void CReportPage::Load()
{
    if (m_field)
        m_choice = m_load(*m_field);
}

int32_t CReportPage::StoredValue() const
{
    return m_choice >= 0 && static_cast<size_t>(m_choice) < m_store.size() ? m_store[static_cast<size_t>(m_choice)]
                                                                            : 0;
}

void CReportPage::Store() const
{
    if (m_field)
        *m_field = StoredValue();
}

void CReportPage::DoDataExchange(CDataExchange *dx) { DDX_Radio(dx, static_cast<int>(m_firstRadioId), m_choice); }

CReportOnOffPage::CReportOnOffPage() : CReportPage(IDD_REPORT_ON_OFF, IDC_REPORT_OFF, LoadOnOff, kOnOffStore) {}

CReportOffIndividualGroupPage::CReportOffIndividualGroupPage()
    : CReportPage(IDD_REPORT_OFF_INDIVIDUAL_GROUP, IDC_REPORT_OFF, LoadThreeWay, kThreeWayStore)
{
}
