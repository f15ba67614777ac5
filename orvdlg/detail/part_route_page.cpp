#include "core/element_list_filler.h"
#include "core/record_text.h"
#include "core/resource_text.h"
#include "detail/part_pages.h"

#include <resource.h>

IMPLEMENT_DYNAMIC(CPartRoutePage, CRowListPage)

namespace {
constexpr int kTextLimit = 80;
constexpr int kRouteSummaryKind = 6;
constexpr int kRowControls[] = {IDC_ROUTE_DESTINATION_LABEL, IDC_ROUTE_DESTINATION, IDC_ROUTE_SETUP_LABEL,
                                IDC_ROUTE_SETUP,             IDC_ROUTE_CYCLE_LABEL, IDC_ROUTE_CYCLE};
// Where a part can go next: buffers, machines, conveyors, tracks, processors and modules.
constexpr int kDestinationTypes[] = {2, 3, 4, 7, 13, 26, -1};

RowListSettings RouteListSettings()
{
    RowListSettings settings;
    settings.comboId = IDC_ROUTE_STAGE;
    settings.addRemoveId = IDC_ROUTE_ADD_REMOVE;
    settings.summarizeId = IDC_ROUTE_SUMMARIZE;
    settings.variant = AddRemoveVariant::Stages;
    settings.numbered = true;
    settings.summaryKind = kRouteSummaryKind;
    settings.rowControls = kRowControls;
    return settings;
}

CString NumberText(int number, const char *format = "%d")
{
    CString text;
    text.Format(format, number);
    return text;
}

CString ValueText(float value)
{
    CString text;
    text.Format("%g", static_cast<double>(value));
    return text;
}
} // namespace

CPartRoutePage::CPartRoutePage(OrvPartRecord &record) : CRowListPage(IDD_PART_ROUTE, RouteListSettings()), m_record(record)
{
    MapField(0, IDC_ROUTE_DESTINATION);
    MapField(1, IDC_ROUTE_SETUP);
    MapField(2, IDC_ROUTE_CYCLE);
}

bool CPartRoutePage::LoadStages()
{
    if (!m_stages.Load(m_record.stages, m_record.stageCount))
        return false;
    for (int i = 0; i < m_stages.Count(); ++i)
        m_stages.At(i).SetName(NumberText(i + 1));
    return true;
}

BOOL CPartRoutePage::OnInitDialog()
{
    m_destination.SubclassDlgItem(IDC_ROUTE_DESTINATION, this);
    m_destination.LimitText(kTextLimit);
    for (UINT id : {IDS_DESTINATION_SHIP, IDS_DESTINATION_SCRAP, IDS_DESTINATION_ASSEMBLE})
        m_destination.AddString(ResourceText(id));
    ElementListRequest destinations;
    destinations.types = kDestinationTypes;
    FillElementList(m_destination.m_hWnd, destinations);
    for (int id : {IDC_ROUTE_SETUP, IDC_ROUTE_CYCLE})
        SendDlgItemMessage(id, EM_LIMITTEXT, kTextLimit, 0);
    return CRowListPage::OnInitDialog();
}

void CPartRoutePage::ShowRow()
{
    const CPartRouteData &stage = m_stages.At(CurrentRow());
    m_destination.SetWindowText(stage.m_destination);
    SetDlgItemText(IDC_ROUTE_SETUP, stage.m_setupText);
    SetDlgItemText(IDC_ROUTE_CYCLE, stage.m_cycleText);
}

void CPartRoutePage::KeepShownRow()
{
    CPartRouteData &stage = m_stages.At(CurrentRow());
    m_destination.GetWindowText(stage.m_destination);
    GetDlgItemText(IDC_ROUTE_SETUP, stage.m_setupText);
    GetDlgItemText(IDC_ROUTE_CYCLE, stage.m_cycleText);
}

void CPartRoutePage::ClearRowFields()
{
    for (int id : {IDC_ROUTE_DESTINATION, IDC_ROUTE_SETUP, IDC_ROUTE_CYCLE})
        SetDlgItemText(id, "");
}

int32_t CPartRoutePage::CheckShownRow()
{
    if (!m_record.validateStage)
        return -1;
    OrvRouteStage image{};
    m_stages.At(CurrentRow()).StoreInto(image);
    const int32_t wrong = m_record.validateStage(&image);
    if (wrong != -1)
        return wrong;
    // The host worked out the two values: they are what the stage holds from now on.
    SetDlgItemText(IDC_ROUTE_SETUP, ValueText(image.setupValue));
    SetDlgItemText(IDC_ROUTE_CYCLE, ValueText(image.cycleValue));
    KeepShownRow();
    return -1;
}

void CPartRoutePage::AddSummaryRow(SummaryRows &rows, int index) const
{
    const CPartRouteData &stage = m_stages.At(index);
    rows.Add({NumberText(index + 1, "%5d"), stage.m_destination, stage.m_setupText, stage.m_cycleText});
}
