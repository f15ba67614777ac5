#include "core/file_exists_dialog.h"

#include "resource.h"

#include <orvane/orvdlg.h>

#include <array>

IMPLEMENT_DYNAMIC(CFileExistsDialog, CAnswerDialog)

namespace {
constexpr std::array<ButtonAnswer, 4> kAnswers = {{{IDC_FILE_EXISTS_APPEND, ORV_FILE_EXISTS_APPEND},
                                                   {IDC_FILE_EXISTS_OVERWRITE, ORV_FILE_EXISTS_OVERWRITE},
                                                   {IDC_FILE_EXISTS_STOP, ORV_FILE_EXISTS_STOP},
                                                   {IDC_FILE_EXISTS_NO_OUTPUT, ORV_FILE_EXISTS_NO_OUTPUT}}};
} // namespace

CFileExistsDialog::CFileExistsDialog(const CString &message)
    : CAnswerDialog(IDD_FILE_EXISTS, FALSE, kAnswers, ORV_FILE_EXISTS_STOP, message, IconKind::Exclamation)
{
}
