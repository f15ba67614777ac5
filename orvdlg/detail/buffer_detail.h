// The buffer's detail sheet: its General page over the buffer detail record, then the reporting page (off,
// individual, by group) and the Notes page with both routing texts.
#pragma once
#include "core/table_page.h"

#include <orvane/records/buffer.h>

class CDetailBufferGeneralPage : public CTablePage {
    DECLARE_DYNAMIC(CDetailBufferGeneralPage)
public:
    explicit CDetailBufferGeneralPage(OrvBufferRecord &record);

    BOOL OnInitDialog() override;

protected:
    void LoadOwnFields() override;
    void SaveOwnFields() override;
    void OnChoiceChanged(int id) override;
    int32_t ValidateRecord() override;
    void OnRecordAccepted() override;

private:
    void ShowOptionLabels();
    void ShowDefaultExpression(int id);

    OrvBufferRecord &m_record;
};
