// The extended error of the last common dialog call (CommDlgExtendedError).
#pragma once
#include <windows.h>

namespace win32::comdlg {

// Every common dialog sets it on entry: 0 when it ends by OK or Cancel, a CDERR_* code when it fails.
void SetExtendedError(DWORD code);

} // namespace win32::comdlg
