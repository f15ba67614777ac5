// CMachineSetupData: the page's own copy of one machine setup (changeover), with its own copies of the
// actions and the labour rule. Its description and origin index are the row's.
#pragma once
#include "core/add_remove_object.h"
#include "core/labour_data.h"
#include "detail/machine_row.h"

#include <orvane/records/machine.h>

#include <memory>

class CMachineSetupData : public CAddRemoveObject {
    DECLARE_DYNCREATE(CMachineSetupData)
public:
    // A new setup of the open sheet's element: mode 0, station "1", texts the host's defaults.
    CMachineSetupData();
    ~CMachineSetupData() override;

    static std::unique_ptr<CMachineSetupData> CopyOf(const CMachineSetupData &source) { return CopyOfRow<CMachineSetupData, OrvMachineSetup>(source); }
    static std::unique_ptr<CMachineSetupData> FromRecord(const OrvMachineSetup &setup) { return RowFromEntry<CMachineSetupData>(setup); }
    bool StoreInto(OrvMachineSetup &setup) const { return StoreRow(*this, setup); }

    // What machine_row.h makes rows with; WriteFields also serves the host's check of the shown row.
    void ReadFields(const OrvMachineSetup &setup);
    void WriteFields(OrvMachineSetup &setup) const;
    void TakeHandles(const OrvMachineSetup &setup);
    void PutHandles(OrvMachineSetup &setup) const;
    static bool CopyHandles(int32_t element, const OrvMachineSetup &from, OrvMachineSetup &to);

    static constexpr int kDescriptionLimit = 20;
    static constexpr int kLabourKind = 7;

    int32_t m_element;
    int32_t m_mode = 0; // 0 No. of Operations, 1 Part Change, 2 Value Change
    CString m_setupTime;
    CString m_station;
    CString m_operations;
    CString m_operationsToFirst;
    CString m_valueChange;
    int32_t m_startActions = -1;
    int32_t m_finishActions = -1;
    CLabourData m_labour;
};
