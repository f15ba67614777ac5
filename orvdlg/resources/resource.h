// Resource identifiers of orvdlg, shared by the resource scripts and the code. A language library uses the same.
#pragma once

// Accelerator tables.
#define IDR_MAIN_ACCELERATORS 122   // the host window: F1, Shift+F1, Alt+F4
#define IDR_EDITOR_ACCELERATORS 134 // the rules editor and the edit-clip dialog: Ctrl+F, Ctrl+G, Ctrl+H

// Commands.
#define ID_CLOSE_HOST_WINDOW 40001 // Alt+F4 in the host window
#define ID_EDITOR_FIND 40001
#define ID_EDITOR_REPLACE 40008
#define ID_EDITOR_GOTO 40009
#define ID_HOST_CLOSE_REQUEST 24 // posted to the host window instead of closing it

// Strings of the sheet's own button row.
#define IDS_SHEET_OK 61984
#define IDS_SHEET_CANCEL 61985
#define IDS_SHEET_APPLY_NOW 61986
#define IDS_SHEET_HELP 61987

#include "messages_ids.h"
#include "summary_ids.h"
#include "shared_pages_ids.h"
#include "add_remove_ids.h"
#include "buffer_ids.h"
#include "machine_ids.h"
#include "part_ids.h"
