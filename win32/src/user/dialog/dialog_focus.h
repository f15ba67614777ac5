// Focus inside a dialog and the look of its default push button: the focused push button looks
// default, and when the focus leaves push buttons the dialog's own default gets the look back.
#pragma once
#include <windows.h>

#include "user/dialog/dialog_data.h"

namespace win32::user::dialog {

// The focus window when it is the dialog or inside it, else null.
HWND FocusInDialog(HWND hDlg);

// Moves the focus to `control` as the dialog manager does: default-button look follows, and a
// control with DLGC_HASSETSEL gets all of its text selected.
void SetDialogFocus(HWND hDlg, HWND control);

// Remembers the focus control, for when the dialog is deactivated or hidden.
void SaveDialogFocus(HWND hDlg, DialogData &data);
// Gives the focus back to the remembered control, else to the first tab stop.
void RestoreDialogFocus(HWND hDlg, DialogData &data);

// The id of the dialog's default push button (DM_SETDEFID, else the first BS_DEFPUSHBUTTON), 0 for none.
WORD DefaultId(HWND hDlg, DialogData &data);
// DM_SETDEFID: the new id becomes the default; the old and new buttons change their look.
void SetDefaultId(HWND hDlg, DialogData &data, WORD id);

} // namespace win32::user::dialog
