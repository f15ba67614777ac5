// Command identifiers, notification codes and message numbers that the framework defines.
#pragma once
#include <windows.h>

// Help commands handled by the frame window.
#define ID_HELP_INDEX 0xE142
#define ID_HELP_FINDER 0xE143
#define ID_HELP_USING 0xE144
#define ID_CONTEXT_HELP 0xE145
#define ID_HELP 0xE146
#define ID_DEFAULT_HELP 0xE147

// The Apply button of a property sheet's button row.
#define ID_APPLY_NOW 0x0003

// Dialogs and property pages answer help with this base plus their template identifier.
#define FW_HELP_BASE_DIALOG 0x20000

// The tab control a property sheet creates.
#define IDC_SHEET_TAB 0x3020

// Command codes carried through OnCmdMsg besides control notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (static_cast<int>(0xFFFFFFFF))

// Reflected messages: a parent hands a child control's notification back to the control's own
// object as this base plus the original message number.
#define FW_WM_REFLECT_BASE 0xBC00

// nCtlColor values of OnCtlColor (the message number minus WM_CTLCOLORMSGBOX).
#ifndef CTLCOLOR_MSGBOX
#define CTLCOLOR_MSGBOX 0
#define CTLCOLOR_EDIT 1
#define CTLCOLOR_LISTBOX 2
#define CTLCOLOR_BTN 3
#define CTLCOLOR_DLG 4
#define CTLCOLOR_SCROLLBAR 5
#define CTLCOLOR_STATIC 6
#endif
