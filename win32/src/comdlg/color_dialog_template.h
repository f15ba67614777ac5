// The colour dialog's own template: the basic and custom colours on the left, the custom part (spectrum,
// current colour, HLS and RGB edits, "Add to Custom Colors") on the right.
#pragma once
#include "user/dialog/dialog_template_writer.h"

namespace win32::comdlg {

// The help button of the common dialogs.
constexpr WORD kHelpButtonId = 0x040E;

user::dialog::DialogTemplateWriter BuildColorDialogTemplate();

// The width of the left part in dialog units: the dialog's client width while the custom part is closed.
// Every control right of it belongs to the custom part.
constexpr short kLeftPartWidth = 150;

} // namespace win32::comdlg
