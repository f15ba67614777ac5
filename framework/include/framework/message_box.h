// The framework's message box: owned by the main window (or by its active dialog, which the
// box then disables), captioned with the application title.
#pragma once
#include <windows.h>

// `helpId` is the help context for help requested while the box is open (0: none).
int FrameworkMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
// The prompt is a string of the resource module.
int FrameworkMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = 0);
// The help context of the message box currently open, or 0.
UINT FrameworkGetMessageBoxHelpId();
