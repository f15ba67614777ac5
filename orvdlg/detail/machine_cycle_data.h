// CMachineCycleData: the page's own copy of one machine cycle, with its own copies of the cycle's rule,
// actions and labour rule (given back to the host when the row goes). Its description is the row's name.
#pragma once
#include "core/add_remove_object.h"
#include "core/labour_data.h"

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

    // A copy with handles of its own; null when the host could not copy one (those made are given back).
    static std::unique_ptr<CMachineCycleData> CopyOf(const CMachineCycleData &source);
    // The cycle of a record, with its handles copied; null when a copy failed.
    static std::unique_ptr<CMachineCycleData> FromRecord(const OrvMachineCycle &cycle);
    // Writes the cycle into a fresh record entry with handles of its own (set to -1 first); false when a
    // copy failed.
    bool StoreInto(OrvMachineCycle &cycle) const;

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

private:
    // Copies the handles of a cycle (`inputRule`, the two actions and the labour rule) into `target`'s.
    static bool CopyHandles(int32_t element, int32_t inputRule, int32_t startActions, int32_t finishActions,
                            int32_t labourRule, int32_t &targetInputRule, int32_t &targetStart,
                            int32_t &targetFinish, int32_t &targetLabour);
};
