// The library's share of the host's message loop and of the message loops of dialogs and menus.
#pragma once
#include <windows.h>

// The thread's message-filter hook: messages running through the host's own dialog and menu loops reach the
// library's accelerators too.
void InstallMessageFilterHook();
void RemoveMessageFilterHook();
