// CMachineBdownData: the page's own copy of one machine breakdown, with its own copies of the actions and
// the labour rule. Its description and origin index are the row's.
#pragma once
#include "core/add_remove_object.h"
#include "core/labour_data.h"
#include "detail/machine_row.h"

#include <orvane/records/machine.h>

#include <memory>

class CMachineBdownData : public CAddRemoveObject {
    DECLARE_DYNCREATE(CMachineBdownData)
public:
    // A new breakdown of the open sheet's element: mode Operations, checked only at the start of a cycle,
    // texts the host's defaults.
    CMachineBdownData();
    ~CMachineBdownData() override;

    static std::unique_ptr<CMachineBdownData> CopyOf(const CMachineBdownData &source) { return CopyOfRow<CMachineBdownData, OrvMachineBreakdown>(source); }
    static std::unique_ptr<CMachineBdownData> FromRecord(const OrvMachineBreakdown &breakdown) { return RowFromEntry<CMachineBdownData>(breakdown); }
    bool StoreInto(OrvMachineBreakdown &breakdown) const { return StoreRow(*this, breakdown); }

    // What machine_row.h makes rows with; WriteFields also serves the host's check of the shown row.
    void ReadFields(const OrvMachineBreakdown &breakdown);
    void WriteFields(OrvMachineBreakdown &breakdown) const;
    void TakeHandles(const OrvMachineBreakdown &breakdown);
    void PutHandles(OrvMachineBreakdown &breakdown) const;
    static bool CopyHandles(int32_t element, const OrvMachineBreakdown &from, OrvMachineBreakdown &to);

    static constexpr int kDescriptionLimit = 20;
    static constexpr int kLabourKind = 8;

    int32_t m_element;
    int32_t m_mode = 2; // 0 Available Time, 1 Busy Time, 2 Operations
    CString m_repairTime;
    CString m_operations;
    CString m_timeBetweenFailures;
    int32_t m_scrapPart = 0;
    int32_t m_setupOnRepair = 0;
    CString m_lifeUsed;
    int32_t m_breakdownActions = -1;
    int32_t m_resumeActions = -1;
    CLabourData m_labour;
    int32_t m_checkAtCycleStart = 1;
};
