// CFileExistsDialog: asks what to do with an output file that already exists. The answers are the codes of
// FileExistsDialog (ORV_FILE_EXISTS_*); closing the dialog without a button stops the simulation.
#pragma once
#include "core/answer_dialog.h"

class CFileExistsDialog : public CAnswerDialog {
    DECLARE_DYNAMIC(CFileExistsDialog)
public:
    explicit CFileExistsDialog(const CString &message);
};
