// The machine's Fluid Rules page: how much fluid a part empties and fills, before or after the cycle,
// by which flow rules and, on Multiple Station machines, at which station.
#pragma once
#include "core/table_page.h"

#include <orvane/records/machine.h>

class CMachineFluidPage : public CTablePage {
    DECLARE_DYNAMIC(CMachineFluidPage)
public:
    // `multipleStation` is the General page's flag, 1 while it shows a Multiple Station machine.
    CMachineFluidPage(OrvMachineRecord &record, const int32_t &multipleStation);

    BOOL OnSetActive() override;

protected:
    void LoadOwnFields() override;
    void SaveOwnFields(CDataExchange *dx) override;
    int32_t ValidateRecord() override;
    void OnRecordAccepted() override { LoadOwnFields(); }

private:

    OrvMachineRecord &m_record;
    const int32_t &m_multipleStation;
};
