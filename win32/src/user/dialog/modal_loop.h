// The modal loop of DialogBox* and MessageBoxA.
#pragma once
#include <windows.h>

namespace win32::user::dialog {

// The window a modal dialog belongs to: the top-level ancestor of the given parent.
HWND ModalOwner(HWND parent);

// Runs the created, still hidden dialog modally with `msgf` (MSGF_DIALOGBOX, MSGF_MESSAGEBOX) for the
// message filter hooks and WM_ENTERIDLE; destroys it at the end and returns its EndDialog result.
INT_PTR RunModalDialog(HWND hDlg, HWND owner, UINT msgf);

} // namespace win32::user::dialog
