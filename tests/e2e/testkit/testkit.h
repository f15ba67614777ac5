// The test kit: the whole of orvdlg plus a few exports that exercise its core pieces (the sheet base, the
// dialog base, the list fillers) the way the element sheets will, for the end-to-end tests.
#pragma once

// IDs of the test kit's templates and controls.
#define IDD_TESTKIT_ELEMENTS_PAGE 9001
#define IDD_TESTKIT_SHIFTS_PAGE 9002
#define IDD_TESTKIT_DIALOG 9003
#define IDD_TESTKIT_COLOUR_DIALOG 9004
#define IDC_TESTKIT_ELEMENTS 9101
#define IDC_TESTKIT_NUMBER 9102
#define IDC_TESTKIT_SHIFTS 9201
#define IDC_TESTKIT_TEXT 9301
#define IDC_TESTKIT_COLOUR 9302
#define IDS_TESTKIT_SHEET_TITLE 9401

#ifndef RC_INVOKED
#include <orvane/orvdlg.h>

#include <cstdint>

struct TestkitSheetRecord {
    int32_t types[8];          // ended by -1
    int32_t attributeTypes[4]; // ended by -1
    char editedName[9];
    int32_t editedElement;
    int32_t readOnlyToMatch;
    int32_t showDescription;
    int32_t expandArrays;
    int32_t allShifts;
    int32_t applyOption;
    char elementName[9];
    int32_t number; // 1 to 99 on the first page; anything else is refused there
    int32_t startPage;
};

extern "C" {
// The sheet's result: 1 OK (number written back), 2 Cancel, -1 not created.
ORVANE_EXPORT int ORVANE_CALL TestkitSheet(TestkitSheetRecord *record);
// A COrvaneDialog whose text must not be empty; its result.
ORVANE_EXPORT int ORVANE_CALL TestkitDialog(int watchClipboard);
// A COrvaneDialog with one colour button showing the host colour `*hostColourIndex`; a click on the button
// opens the colour chooser. On OK the button's colour is written back as a host colour index. A `missingId`
// other than 0 adds a colour exchange with that control identifier, which the dialog does not have.
// The dialog's result; 0 without a record.
ORVANE_EXPORT int ORVANE_CALL TestkitColourDialog(int *hostColourIndex, int missingId);
// The next dialog's push on the active-dialog stack fails as if memory had run out.
ORVANE_EXPORT void ORVANE_CALL TestkitFailNextPush(void);
// Binds the editor accelerator table to `window` as the rules editor does while it is open; null unbinds.
ORVANE_EXPORT void ORVANE_CALL TestkitBindEditorAccelerators(HWND window);
// An export whose body runs out of memory: the library's memory message, then the failure result -7.
ORVANE_EXPORT int ORVANE_CALL TestkitOutOfMemory(void);
}
#endif
