// CInputFieldDialog: asks for one or two labelled values of an input field record. The host may judge the
// first value through the record's validate slot; a rejected value keeps the dialog open.
#pragma once
#include <orvane/records/input_field.h>

#include "core/orvane_dialog.h"

class CInputFieldDialog : public COrvaneDialog {
    DECLARE_DYNAMIC(CInputFieldDialog)
public:
    explicit CInputFieldDialog(OrvInputFieldRecord &record);

    // 1 after OK (the values written into the record, then its apply slot called), 0 otherwise.
    int Run();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *dx) override;

private:
    static constexpr int kMaxValueLength = sizeof(OrvInputFieldRecord::firstValue) - 1;

    bool HasSecondValue() const { return m_record.valueCount == 2; }
    void PlaceSecondPair();

    OrvInputFieldRecord &m_record;
    CString m_firstValue;
    CString m_secondValue;
};
