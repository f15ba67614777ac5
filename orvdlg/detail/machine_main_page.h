// The machine's General page: the head fields, the machine type (which shows, hides, fixes and relabels
// controls), and the cycles: the fields of the current cycle, and for Multiple Cycle machines the cycle list
// itself (choosing, renaming, adding and removing, summarising).
#pragma once
#include "core/row_list_page.h"
#include "detail/machine_cycle_list.h"
#include "editors/clipboard_combo_box.h"

#include <orvane/records/machine.h>

#include <functional>

class CMachineMainPage : public CRowListPage {
    DECLARE_DYNAMIC(CMachineMainPage)
public:
    // `multipleStation` is the sheet's flag that the Setup page reads: 1 while the type is Multiple Station.
    CMachineMainPage(OrvMachineRecord &record, int32_t &multipleStation);

    // Copies the record's cycles before the sheet runs; false when the host could not copy them.
    bool LoadCycles() { return m_cycles.Load(m_record); }
    MachineCycleList &Cycles() { return m_cycles; }
    // Told each time the page shows a machine type (once as it opens, then on every change).
    void OnTypeShown(std::function<void(int32_t type)> listener) { m_typeShown = std::move(listener); }

    BOOL OnInitDialog() override;

protected:
    void LoadOwnFields() override;
    void SaveOwnFields(CDataExchange *dx) override;
    void OnChoiceChanged(int id) override;
    int32_t ValidateRecord() override;
    void OnRecordAccepted() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    AddRemoveRows &Rows() override { return m_cycles.Rows(); }
    bool CopyRows(AddRemoveRows &copies) const override { return m_cycles.WorkingCopies(copies); }
    std::unique_ptr<CAddRemoveObject> NewRow() const override;
    void ShowRow() override;
    void KeepShownRow() override;
    int32_t CheckShownRow() override;
    void AddSummaryRow(SummaryRows &rows, int index) const override { m_cycles.AddSummaryRow(rows, index); }
    void OnRowShown() override;
    void OnRowRenamed() override { ShowInputRuleAvailability(); }

private:
    CMachineCycleData &Current() const { return m_cycles.At(CurrentRow()); }
    bool MultipleCycle() const { return m_shownType == OrvMachineMultipleCycle; }
    CString Text(int id) const;

    void ShowType(int32_t type);
    void ShowCycleNumber();
    void ShowOutputSide();
    void ShowInputRuleAvailability();
    CString ActionsCaption(UINT patternId) const;

    OrvMachineRecord &m_record;
    int32_t &m_multipleStation;
    CString m_machineName; // as the record had it, for the editors' captions
    MachineCycleList m_cycles;
    int32_t m_shownType = -1; // none yet
    bool m_showingCycle = false;
    CClipboardComboBox m_partTypeCombo;
    std::function<void(int32_t type)> m_typeShown;
};
