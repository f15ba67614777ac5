// The host's main window: class "OrvaneHostWindow", caption "Orvane", a File menu whose Exit is command 24.
// Command 24 is also what the bound library posts for Alt+F4 and the close message; the host quits on it.
#pragma once
#include <windows.h>

namespace HostWindow {
constexpr UINT kExitCommand = 24;

HWND Create();
int ExitCommands(); // how many times command 24 arrived
} // namespace HostWindow
