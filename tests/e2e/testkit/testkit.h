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
#define IDD_TESTKIT_CLIPBOARD_DIALOG 9005
#define IDC_TESTKIT_CLIPBOARD_EDIT 9303
#define IDC_TESTKIT_CLIPBOARD_COMBO 9304
#define IDC_TESTKIT_PLAIN_EDIT 9305

#ifndef RC_INVOKED
#include <orvane/orvdlg.h>
#include <orvane/records/notes_block.h>

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

// The shared pages in one sheet: the two reporting pages over their fields, the Notes page last.
struct TestkitSharedPagesRecord {
    int32_t onOffReporting;
    int32_t threeWayReporting;
    const OrvNotesBlock *notes;
    OrvNotesSlot notesSlot;
    int32_t showFedBy;
    int32_t showFeeds;
};

extern "C" {
// 1 OK (reporting fields stored, the notes slot called), 2 Cancel.
ORVANE_EXPORT int ORVANE_CALL TestkitSharedPagesSheet(TestkitSharedPagesRecord *record);
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
// The Summary dialog of `kind` over `rowsText` with `currentRow` selected: the row selected when it closed.
ORVANE_EXPORT int ORVANE_CALL TestkitSummary(int kind, const char *rowsText, int currentRow);
// A COrvaneDialog with a clipboard edit (multi-line), a clipboard combo box with an edit field and a plain
// edit; `namesOnly` sets the names-only flag of both clipboard fields. The dialog's result.
ORVANE_EXPORT int ORVANE_CALL TestkitClipboardDialog(int namesOnly);
// The clipboard targets' clock reads `seconds` from now on; a negative value gives the process clock back.
ORVANE_EXPORT void ORVANE_CALL TestkitSetClipboardClock(int seconds);
}
#endif
