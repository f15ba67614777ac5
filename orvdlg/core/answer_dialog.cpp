#include "core/answer_dialog.h"

#include "resource.h"

IMPLEMENT_DYNAMIC(CAnswerDialog, COrvaneDialog)

CAnswerDialog::CAnswerDialog(UINT templateId, BOOL watchClipboard, std::span<const ButtonAnswer> answers,
                             int escapeAnswer, const CString &message, IconKind icon)
    : COrvaneDialog(templateId, nullptr, watchClipboard), m_message(message), m_escapeAnswer(escapeAnswer),
      m_answers(answers), m_iconKind(icon)
{
}

int CAnswerDialog::Run() { return DoModal() == IDOK ? m_answer : m_escapeAnswer; }

BOOL CAnswerDialog::OnInitDialog()
{
    m_icon.SetKind(m_iconKind);
    SetDlgItemText(IDC_MESSAGE_TEXT, m_message);
    return COrvaneDialog::OnInitDialog();
}

void CAnswerDialog::DoDataExchange(CDataExchange *dx) { DDX_Control(dx, IDC_MESSAGE_ICON, m_icon); }

BOOL CAnswerDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        for (const ButtonAnswer &button : m_answers) {
            if (button.buttonId == LOWORD(wParam)) {
                m_answer = button.answer;
                End(IDOK);
                return TRUE;
            }
        }
    }
    return COrvaneDialog::OnCommand(wParam, lParam);
}
