// Help context numbers: those below 0x13000 and from 0x20000 up to 0x30000 are the library's; any other is
// replaced by the general context 0x20000 before the help system is called.
#pragma once
#include <windows.h>

DWORD ClampHelpContext(DWORD context);
