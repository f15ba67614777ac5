// CAnswerDialog: a message beside a standard icon, answered by pressing one of the dialog's buttons. Each
// button stands for an answer code; closing the dialog without a button (Escape, the close box) gives the
// escape answer. The base of the message dialog and the file-exists dialog.
#pragma once
#include <framework/framework.h>

#include "core/icon_control.h"
#include "core/orvane_dialog.h"

#include <span>

struct ButtonAnswer {
    UINT buttonId;
    int answer;
};

class CAnswerDialog : public COrvaneDialog {
    DECLARE_DYNAMIC(CAnswerDialog)
public:
    CAnswerDialog(UINT templateId, BOOL watchClipboard, std::span<const ButtonAnswer> answers, int escapeAnswer,
                  const CString &message, IconKind icon);

    // Runs the dialog: the answer of the button pressed, else the escape answer (also when the window could
    // not be created, so the caller always gets an answer that commits to nothing).
    int Run();

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange *dx) override;

    // The message as shown; the message dialog rewrites it before the window opens.
    CString m_message;
    // The message dialog narrows it to the buttons its list shows.
    int m_escapeAnswer;

private:
    std::span<const ButtonAnswer> m_answers;
    IconKind m_iconKind;
    CIconControl m_icon;
    int m_answer = 0;
};
