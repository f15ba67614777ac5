// The machine's General page: the head fields, the machine type (which shows, hides, fixes and relabels
// controls), and the cycles: the fields of the current cycle, and for Multiple Cycle machines the cycle list
// itself (choosing, renaming, adding and removing, summarising).
#pragma once
#include "core/table_page.h"
#include "detail/machine_cycle_list.h"
#include "editors/clipboard_combo_box.h"

#include <orvane/records/machine.h>

class CMachineMainPage : public CTablePage {
    DECLARE_DYNAMIC(CMachineMainPage)
public:
    // `multipleStation` is the sheet's flag that the Setup page reads: 1 while the type is Multiple Station.
    CMachineMainPage(OrvMachineRecord &record, int32_t &multipleStation);

    // Copies the record's cycles before the sheet runs; false when the host could not copy them.
    bool LoadCycles() { return m_cycles.Load(m_record); }
    MachineCycleList &Cycles() { return m_cycles; }

    BOOL OnInitDialog() override;

protected:
    void LoadOwnFields() override;
    void SaveOwnFields(CDataExchange *dx) override;
    void OnChoiceChanged(int id) override;
    int32_t ValidateRecord() override;
    void OnRecordAccepted() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CMachineCycleData &Current() const { return m_cycles.At(m_current); }
    bool MultipleCycle() const { return m_shownType == OrvMachineMultipleCycle; }
    CString Text(int id) const;

    void ShowType(int32_t type);
    void ShowCycle(int index);
    void KeepShownCycle();
    void ShowCycleNumber();
    void ShowOutputSide();
    void ShowInputRuleAvailability();
    void FillCycleCombo();
    void ChooseCycle();
    void RenameCycle();
    void AddOrRemoveCycles();
    void SummarizeCycles();
    CString ActionsCaption(UINT patternId) const;

    OrvMachineRecord &m_record;
    int32_t &m_multipleStation;
    CString m_machineName; // as the record had it, for the editors' captions
    MachineCycleList m_cycles;
    int m_current = 0;
    int32_t m_shownType = -1; // none yet
    bool m_showingCycle = false;
    CClipboardComboBox m_cycleCombo;
    CClipboardComboBox m_partTypeCombo;
};
