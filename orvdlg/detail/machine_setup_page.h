// The machine's Setup page: its list of setups (changeovers), one shown at a time. The setup mode decides
// which interval fields show; the station number is chosen only on Multiple Station machines.
#pragma once
#include "core/row_list_page.h"
#include "core/row_list.h"
#include "detail/machine_setup_data.h"

#include <orvane/records/machine.h>

using MachineSetupList = RowList<CMachineSetupData, OrvMachineSetup>;

class CMachineSetupPage : public CRowListPage {
    DECLARE_DYNAMIC(CMachineSetupPage)
public:
    // `multipleStation` is the General page's flag, 1 while it shows a Multiple Station machine.
    CMachineSetupPage(OrvMachineRecord &record, const int32_t &multipleStation);

    bool LoadSetups() { return m_setups.Load(m_record.setups, m_record.setupCount); }
    MachineSetupList &Setups() { return m_setups; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

protected:
    AddRemoveRows &Rows() override { return m_setups.Rows(); }
    bool CopyRows(AddRemoveRows &copies) const override { return m_setups.WorkingCopies(copies); }
    std::unique_ptr<CAddRemoveObject> NewRow() const override { return std::make_unique<CMachineSetupData>(); }
    void ShowRow() override;
    void KeepShownRow() override;
    void ClearRowFields() override;
    int32_t CheckShownRow() override;
    void AddSummaryRow(SummaryRows &rows, int index) const override;
    void OnChoiceChanged(int id) override;

private:
    CMachineSetupData *Current();
    CString Text(int id) const;
    void ShowMode(int32_t mode);
    void ShowStations();
    CString ActionsCaption(UINT patternId);

    OrvMachineRecord &m_record;
    const int32_t &m_multipleStation;
    CString m_machineName;
    MachineSetupList m_setups;
    int32_t m_shownMode = 0;
    CClipboardComboBox m_stationCombo;
};
