// CPromptDialog: asks for one line of text under a prompt, both from a prompt record.
#pragma once
#include <orvane/records/prompt.h>

#include "core/orvane_dialog.h"

class CPromptDialog : public COrvaneDialog {
    DECLARE_DYNAMIC(CPromptDialog)
public:
    explicit CPromptDialog(OrvPromptRecord &record);

    // 1 after OK (the text written into the record), 0 otherwise (the record untouched).
    int Run();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *dx) override;

private:
    static constexpr int kMaxTextLength = sizeof(OrvPromptRecord::text) - 1;

    OrvPromptRecord &m_record;
    CString m_text;
};
