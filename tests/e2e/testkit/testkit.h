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

#define IDD_TESTKIT_TABLE_PAGE 9010
#define IDC_TESTKIT_TABLE_COMBO 9501
#define IDC_TESTKIT_TABLE_RADIO1 9502
#define IDC_TESTKIT_TABLE_RADIO2 9503
#define IDC_TESTKIT_TABLE_RADIO3 9504
#define IDC_TESTKIT_TABLE_NAME 9505
#define IDC_TESTKIT_TABLE_EXTRA 9506
#define IDC_TESTKIT_TABLE_ACTIONS 9507
#define IDC_TESTKIT_TABLE_ACTIONS_TEXT 9508
#define IDC_TESTKIT_TABLE_ACTIONS_MARK 9509
#define IDC_TESTKIT_TABLE_RULE 9510
#define IDC_TESTKIT_TABLE_RULE_WORD 9511
#define IDS_TESTKIT_ACTIONS_CAPTION 9402
#define IDD_TESTKIT_DETAIL_PAGE 9011
#define IDD_TESTKIT_TABLE_EXTRAS_PAGE 9012
#define IDC_TESTKIT_TABLE_HOST_COLOUR 9512
#define IDC_TESTKIT_TABLE_RGB_COLOUR 9513
#define IDC_TESTKIT_TABLE_LABOUR 9514
#define IDC_TESTKIT_TABLE_LABOUR_MARK 9515
#define IDC_TESTKIT_TABLE_ROW_LABOUR 9516
#define IDC_TESTKIT_TABLE_ROW_LABOUR_MARK 9517
#define IDC_TESTKIT_DETAIL_NAME 9601

#ifndef RC_INVOKED
#include <orvane/orvdlg.h>
#include <orvane/records/labour_block.h>
#include <orvane/records/notes_block.h>
#include <orvane/records/shift_block.h>

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

// A record for a page declared as a table.
struct TestkitTableRecord {
    int32_t kind;   // combo index 0..2; kind 2 shows the extra field
    int32_t speed;  // radio values 10, 20, 30
    char name[9];
    int32_t element;
    int32_t actions;
    int32_t exitRule;
    char extra[9];
    // The second page ("Extras"): two colours, a labour block edited in place and a row's own labour copy.
    int32_t hostColour; // a host colour index
    int32_t rgbColour;  // red in bits 16 to 23
    OrvLabourBlock labour;
    int32_t context;    // the context word handed with the row's labour block
    int32_t rowLabourRule;
    int32_t rowLabourOption;
    char rowLabourTexts[3][81];
};

// The add/remove dialog as a detail page opens it: the page's rows (named by `rowNames`, each ended by "|",
// origin index = position) are copied into the dialog; after OK the page takes the dialog's rows back.
struct TestkitAddRemoveRecord {
    int32_t variant;  // 0 Cycles, 1 Setups, 2 Breakdowns, 3 Stages, 4 Sectors, 5 Periods, 6 Situations,
                      // 7 Replications, 8 Function parameters, 9 Labor shifts
    int32_t rowClass; // 0 plain rows; 1 the test kit's rows (new ones named "New Row"); 2 rows of a class
                      // that runs out of memory when it makes a new row
    int32_t keepOwnNames;
    int32_t numbered;
    int32_t descriptionLimit;
    int32_t minimumCount;
    int32_t maximumCount;
    int32_t selectedIndex; // in; the selection when the dialog closed, after OK
    int32_t trackedIndex;  // in; followed through the changes, after OK
    const char *rowNames;
    char description[81]; // in; the description box's text, after OK
    // Out: the page's rows after the dialog (the dialog's after OK, the page's own after Cancel), each as
    // "name/origin index|", in order; cut short at `resultSize`.
    char *result;
    int32_t resultSize;
    int32_t rowsOfRowClass; // out: how many of those rows are of the row class
};

// An element detail record of the common pattern: element number, name, slots, reporting, notes.
struct TestkitDetailRecord;
typedef void(ORVANE_CALL *TestkitDetailSlot)(TestkitDetailRecord *record);
typedef int32_t(ORVANE_CALL *TestkitDetailValidate)(TestkitDetailRecord *record);
struct TestkitDetailRecord {
    int32_t element;
    char name[81];
    TestkitDetailSlot apply;
    TestkitDetailValidate validate; // -1, or 0 for the name
    TestkitDetailSlot cancel;
    int32_t reporting;
    void(ORVANE_CALL *reportState)(int32_t element, int32_t state);
    OrvNotesBlock notes;
    OrvNotesSlot notesSlot;
};

extern "C" {
// The common detail export sequence over a one-page sheet: 1 OK, 0 otherwise.
ORVANE_EXPORT int ORVANE_CALL TestkitDetailDialog(TestkitDetailRecord *record);
// The add/remove dialog over the record: its result (1 OK, 2 Cancel, -1 not created); 0 for a record it
// cannot use (none, an unknown variant or row class).
ORVANE_EXPORT int ORVANE_CALL TestkitAddRemove(TestkitAddRemoveRecord *record);
// A sheet with one table page over `record`: 1 OK, 2 Cancel.
ORVANE_EXPORT int ORVANE_CALL TestkitTableSheet(TestkitTableRecord *record);
// A sheet with the Shift page over `block`: 1 OK, 2 Cancel.
ORVANE_EXPORT int ORVANE_CALL TestkitShiftSheet(OrvShiftBlock *block);
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
