// CShiftPage: the Shift page of machines, pipes, tanks and processors. It edits the element's shift
// sub-record: whether shifts apply, the shift (one of the main shifts), the allowance and penalty
// expressions and what happens at the end of a shift. The element kind decides which controls show, the
// check box enables the rest, and the host judges the result through the sub-record's validate function.
#pragma once
#include "core/table_page.h"

#include <orvane/records/shift_block.h>

class CShiftPage : public CTablePage {
    DECLARE_DYNAMIC(CShiftPage)
public:
    CShiftPage();

    // The sub-record; the page keeps the pointer only while its sheet runs.
    void SetShiftBlock(OrvShiftBlock *block);

    BOOL OnInitDialog() override;

protected:
    int32_t ValidateRecord() override;
    void OnRecordAccepted() override;

private:
    OrvShiftBlock *m_block = nullptr;
};
