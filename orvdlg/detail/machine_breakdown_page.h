// The machine's Breakdowns page: its list of breakdowns, one shown at a time. The breakdown mode decides
// whether the interval is a time between failures or a number of operations.
#pragma once
#include "core/row_list_page.h"
#include "detail/machine_breakdown_data.h"
#include "core/row_list.h"

#include <orvane/records/machine.h>

using MachineBreakdownList = RowList<CMachineBdownData, OrvMachineBreakdown>;

class CMachineBreakdownPage : public CRowListPage {
    DECLARE_DYNAMIC(CMachineBreakdownPage)
public:
    explicit CMachineBreakdownPage(OrvMachineRecord &record);

    bool LoadBreakdowns() { return m_breakdowns.Load(m_record.breakdowns, m_record.breakdownCount); }
    MachineBreakdownList &Breakdowns() { return m_breakdowns; }

    BOOL OnInitDialog() override;

protected:
    AddRemoveRows &Rows() override { return m_breakdowns.Rows(); }
    bool CopyRows(AddRemoveRows &copies) const override { return m_breakdowns.WorkingCopies(copies); }
    std::unique_ptr<CAddRemoveObject> NewRow() const override { return std::make_unique<CMachineBdownData>(); }
    void ShowRow() override;
    void KeepShownRow() override;
    void ClearRowFields() override;
    int32_t CheckShownRow() override;
    void AddSummaryRow(SummaryRows &rows, int index) const override;
    void OnChoiceChanged(int id) override;

private:
    CMachineBdownData *Current();
    CString Text(int id) const;
    void ShowMode(int32_t mode);
    CString ActionsCaption(UINT captionId) const;

    OrvMachineRecord &m_record;
    CString m_machineName;
    MachineBreakdownList m_breakdowns;
    int32_t m_shownMode = 2;
};
