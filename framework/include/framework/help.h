// Help routing: a help request goes to the first window, from the focus window upward, that
// answers with a help context (dialogs and pages answer 0x20000 plus their template identifier).
#pragma once
#include <windows.h>

// TRUE when some window answered and the help system was called.
BOOL FrameworkHelpFromFocus();
