// Identifiers of the message and prompt dialogs and of their strings. A language library uses the same.
#pragma once

// Dialog templates.
#define IDD_MESSAGE 104
#define IDD_INPUT_FIELD 106
#define IDD_PROMPT 1576
#define IDD_FILE_EXISTS 1592

// The message dialog; the file-exists dialog shares the text and the icon.
#define IDC_MESSAGE_TEXT 1009
#define IDC_MESSAGE_ICON 1053
#define IDC_MESSAGE_BUTTON1 8
#define IDC_MESSAGE_BUTTON2 5
#define IDC_MESSAGE_BUTTON3 6

// The file-exists dialog's answers.
#define IDC_FILE_EXISTS_APPEND 1598
#define IDC_FILE_EXISTS_OVERWRITE 1599
#define IDC_FILE_EXISTS_STOP 1597
#define IDC_FILE_EXISTS_NO_OUTPUT 7

// The input field dialog.
#define IDC_INPUT_FIRST_LABEL 1010
#define IDC_INPUT_SECOND_LABEL 1011
#define IDC_INPUT_FIRST_VALUE 1012
#define IDC_INPUT_SECOND_VALUE 1013

// The prompt dialog.
#define IDC_PROMPT_TEXT 1180
#define IDC_PROMPT_VALUE 1181

// Strings: button lists ("|" between captions) and messages.
#define IDS_CTRL_C_STOP_BUTTONS 3
#define IDS_CTRL_C_BUTTONS 4
#define IDS_NO_LAYERS 41
#define IDS_OUT_OF_MEMORY 65
#define IDS_OK_BUTTON 98
#define IDS_YES_NO_CANCEL_BUTTONS 107
