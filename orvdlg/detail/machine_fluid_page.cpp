#include "detail/machine_fluid_page.h"

#include "core/record_text.h"

#include <resource.h>

#include <tuple>

IMPLEMENT_DYNAMIC(CMachineFluidPage, CTablePage)

namespace {
constexpr int kTextLimit = 80;
constexpr int kEmptyingRuleKind = 10, kFillingRuleKind = 9;
constexpr int32_t kRelations[] = {0, 1}; // before, after the cycle
constexpr int kStationControls[] = {IDC_FLUID_EMPTY_STATION_LABEL, IDC_FLUID_EMPTY_STATION,
                                    IDC_FLUID_FILL_STATION_LABEL, IDC_FLUID_FILL_STATION};
} // namespace

CMachineFluidPage::CMachineFluidPage(OrvMachineRecord &record, const int32_t &multipleStation)
    : CTablePage(IDD_MACHINE_FLUID_RULES), m_record(record), m_multipleStation(multipleStation)
{
    BindText(IDC_FLUID_EMPTY_VOLUME, record.emptyVolume, kTextLimit);
    BindRadio(IDC_FLUID_EMPTY_BEFORE, record.emptyRelation, kRelations);
    BindText(IDC_FLUID_FILL_VOLUME, record.fillVolume, kTextLimit);
    BindRadio(IDC_FLUID_FILL_BEFORE, record.fillRelation, kRelations);
    for (auto [button, word, kind, rule] : {std::tuple{IDC_FLUID_TO, IDC_FLUID_TO_WORD, kEmptyingRuleKind, &record.emptyRule},
                                            std::tuple{IDC_FLUID_FROM, IDC_FLUID_FROM_WORD, kFillingRuleKind, &record.fillRule}}) {
        RuleButton flow;
        flow.element = record.element;
        flow.kind = kind;
        flow.index = [] { return -1; };
        flow.rule = [rule] { return rule; };
        flow.wordId = word;
        flow.flowRule = true;
        BindRuleButton(button, std::move(flow));
    }
    ShowWhen(kStationControls, [this] { return m_multipleStation != 0; });
    MapField(0, IDC_FLUID_EMPTY_VOLUME);
    MapField(1, IDC_FLUID_EMPTY_STATION);
    MapField(2, IDC_FLUID_FILL_VOLUME);
    MapField(3, IDC_FLUID_FILL_STATION);
}

BOOL CMachineFluidPage::OnSetActive()
{
    const BOOL active = CTablePage::OnSetActive();
    // The General page may have changed the type meanwhile.
    ApplyConditions();
    return active;
}

void CMachineFluidPage::LoadOwnFields()
{
    for (int id : {IDC_FLUID_EMPTY_STATION, IDC_FLUID_FILL_STATION})
        SendDlgItemMessage(id, EM_LIMITTEXT, kTextLimit, 0);
    SetDlgItemText(IDC_FLUID_EMPTY_STATION, ReadRecordText(m_record.emptyStation));
    SetDlgItemText(IDC_FLUID_FILL_STATION, ReadRecordText(m_record.fillStation));
}

void CMachineFluidPage::SaveOwnFields(CDataExchange *)
{
    CString station;
    GetDlgItemText(IDC_FLUID_EMPTY_STATION, station);
    // A machine with one station empties at station "1".
    WriteRecordText(m_record.emptyStation, m_multipleStation ? station : CString("1"));
    if (m_multipleStation) {
        GetDlgItemText(IDC_FLUID_FILL_STATION, station);
        WriteRecordText(m_record.fillStation, station);
    }
}

int32_t CMachineFluidPage::ValidateRecord()
{
    return m_record.validateFluid ? m_record.validateFluid(&m_record) : -1;
}
