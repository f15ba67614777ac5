// Tab order and groups of a dialog's controls.
#pragma once
#include <windows.h>

#include <vector>

namespace win32::user::dialog {

// The dialog's controls in tab order: children in z-order, depth first into WS_EX_CONTROLPARENT
// children (which are containers, not controls themselves).
std::vector<HWND> ControlsInTabOrder(HWND hDlg);

// Visible and enabled up to (not including) the dialog. The style bits are used rather than
// IsWindowVisible, so that this also holds while the dialog itself is still hidden.
bool IsUsableControl(HWND hDlg, HWND hwnd);

// The control's own dialog code (WM_GETDLGCODE with no message).
UINT DialogCode(HWND hwnd, const MSG *msg = nullptr);

} // namespace win32::user::dialog
