// CMachineCycleData: the page's own copy of one machine cycle, with its own copies of the cycle's rule,
// actions and labour rule (given back to the host when the row goes). Its description is the row's name.
#pragma once
#include "core/add_remove_object.h"
#include "core/labour_data.h"
#include "detail/machine_row.h"

#include <orvane/records/machine.h>

#include <cstdint>
#include <memory>

class CMachineCycleData : public CAddRemoveObject {
    DECLARE_DYNCREATE(CMachineCycleData)
public:
    // A new cycle of the open sheet's element: input quantity "0", cycle time the host's message 65, finish
    // quantity "1", no rules or actions.
    CMachineCycleData();
    ~CMachineCycleData() override;

    static std::unique_ptr<CMachineCycleData> CopyOf(const CMachineCycleData &source)
    {
        return CopyOfRow<CMachineCycleData, OrvMachineCycle>(source);
    }
    static std::unique_ptr<CMachineCycleData> FromRecord(const OrvMachineCycle &cycle) { return RowFromEntry<CMachineCycleData>(cycle); }
    bool StoreInto(OrvMachineCycle &cycle) const { return StoreRow(*this, cycle); }

    // What machine_row.h makes rows with.
    void ReadFields(const OrvMachineCycle &cycle);
    void WriteFields(OrvMachineCycle &cycle) const;
    void TakeHandles(const OrvMachineCycle &cycle);
    void PutHandles(OrvMachineCycle &cycle) const;
    static bool CopyHandles(int32_t element, const OrvMachineCycle &from, OrvMachineCycle &to);

    static constexpr int kLabourKind = 3;
    static constexpr int kInputRuleKind = 1;
    static constexpr int kDescriptionLimit = 20;

    int32_t m_element;
    CString m_inputQuantity;
    CString m_cycleTime;
    CString m_finishQuantity;
    CLabourData m_labour;
    int32_t m_inputRule = -1;
    int32_t m_startActions = -1;
    int32_t m_finishActions = -1;
};
