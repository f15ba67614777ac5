#include "core/prompt_dialog.h"

#include "core/record_text.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(CPromptDialog, COrvaneDialog)

namespace {
// The prompt as the host writes it, made readable: code 255 is a blank, a quote followed by two blanks keeps
// one of them, a form feed breaks the line.
CString CleanPrompt(const CString &prompt)
{
    CString text = prompt;
    text.Replace('\xFF', ' ');
    text.Replace("\"  ", "\" ");
    text.Replace('\f', '\n');
    return text;
}
} // namespace

CPromptDialog::CPromptDialog(OrvPromptRecord &record)
    // The text has at most 255 characters: an unterminated field gives its first 255.
    : COrvaneDialog(IDD_PROMPT), m_record(record), m_text(ReadRecordText(record.text, kMaxTextLength))
{
}

int CPromptDialog::Run()
{
    if (DoModal() != IDOK)
        return 0;
    WriteRecordText(m_record.text, m_text);
    return 1;
}

BOOL CPromptDialog::OnInitDialog()
{
    SetDlgItemText(IDC_PROMPT_TEXT, CleanPrompt(ReadRecordText(m_record.prompt)));
    return COrvaneDialog::OnInitDialog();
}

void CPromptDialog::DoDataExchange(CDataExchange *dx)
{
    DDX_Text(dx, IDC_PROMPT_VALUE, m_text);
    DDV_MaxChars(dx, m_text, kMaxTextLength);
}
