// CMessageDialog: the library's general message box. A message, a standard icon and up to three buttons whose
// captions come as one text separated by "|"; the answer is the number of the button pressed (1 to 3).
#pragma once
#include "core/answer_dialog.h"

class CMessageDialog : public CAnswerDialog {
    DECLARE_DYNAMIC(CMessageDialog)
public:
    // `defaultButton` outside the buttons shown makes the first one the default. `escapeButton` is the
    // answer when the modeller closes the dialog without a button; it never names a button that is not
    // shown (a larger number gives the last one shown).
    CMessageDialog(const CString &message, const CString &buttons, int defaultButton, IconKind icon,
                   int escapeButton);

    // Shows `message` with the button list of string `buttonsId` and returns the answer.
    static int Show(const CString &message, UINT buttonsId, int defaultButton, IconKind icon, int escapeButton);

protected:
    BOOL OnInitDialog() override;

private:
    int ShowButtons();
    void CentreButtons(int shown);
    void FitToMessage();
    void MakeDefault(int button);

    CString m_buttons;
    int m_defaultButton;
};
