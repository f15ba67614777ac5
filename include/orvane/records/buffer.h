/* The buffer detail record of BufferDetailDialog. */
#ifndef ORVANE_RECORDS_BUFFER_H
#define ORVANE_RECORDS_BUFFER_H

#include "orvane/records/notes_block.h"
#include "orvane/records/record_layout.h"

struct OrvBufferRecord;
typedef void(ORVANE_CALL *OrvBufferSlot)(struct OrvBufferRecord *record);
/* -1 accepts; 0 to 8 names the wrong field: name, quantity, capacity, input position, allowance, minimum
 * time, maximum time, shift, output expression. */
typedef int32_t(ORVANE_CALL *OrvBufferValidate)(struct OrvBufferRecord *record);
/* Element number and reporting state: 0 off, 1 individual, 2 by group. */
typedef void(ORVANE_CALL *OrvReportStateSlot)(int32_t element, int32_t state);

typedef struct OrvBufferRecord {
    int32_t element;
    char name[81];
    char quantity[81];
    char capacity[81];
    int32_t delayOption; /* 0 None, 1 Min, 2 Max, 3 Both, 4 Max Repeat, 5 Both Repeat */
    char minimumDelay[81];
    char maximumDelay[81];
    char shiftName[81];
    char allowance[81];
    int32_t sortOrder;       /* input by attribute: 0 ascending, 1 descending */
    int32_t searchDirection; /* output: 0 rear, 1 front */
    int32_t inputOption;     /* 0 Rear, 1 Front, 2 At, 3 By Attribute */
    char inputPosition[81];  /* the position (At) or the attribute name (By Attribute) */
    int32_t outputOption;    /* 0 First, 1 Maximum, 2 Minimum, 3 Any, 4 Conditional */
    char defaultExpression[81];
    char outputExpression[81];
    int32_t inputActions;
    int32_t minimumDelayActions;
    int32_t maximumDelayActions;
    int32_t outputActions;
    int32_t exitRule;
    OrvBufferSlot apply;
    OrvBufferValidate validate;
    OrvBufferSlot cancel;
    int32_t reporting; /* 0 off, 1 individual, 2 by group */
    OrvReportStateSlot reportState;
    OrvNotesBlock notes;
    OrvNotesSlot notesSlot;
} OrvBufferRecord;

ORV_ASSERT_OFFSET(OrvBufferRecord, element, 0);
ORV_ASSERT_OFFSET(OrvBufferRecord, name, 4);
ORV_ASSERT_OFFSET(OrvBufferRecord, quantity, 85);
ORV_ASSERT_OFFSET(OrvBufferRecord, capacity, 166);
ORV_ASSERT_OFFSET(OrvBufferRecord, delayOption, 248);
ORV_ASSERT_OFFSET(OrvBufferRecord, minimumDelay, 252);
ORV_ASSERT_OFFSET(OrvBufferRecord, maximumDelay, 333);
ORV_ASSERT_OFFSET(OrvBufferRecord, shiftName, 414);
ORV_ASSERT_OFFSET(OrvBufferRecord, allowance, 495);
ORV_ASSERT_OFFSET(OrvBufferRecord, sortOrder, 576);
ORV_ASSERT_OFFSET(OrvBufferRecord, searchDirection, 580);
ORV_ASSERT_OFFSET(OrvBufferRecord, inputOption, 584);
ORV_ASSERT_OFFSET(OrvBufferRecord, inputPosition, 588);
ORV_ASSERT_OFFSET(OrvBufferRecord, outputOption, 672);
ORV_ASSERT_OFFSET(OrvBufferRecord, defaultExpression, 676);
ORV_ASSERT_OFFSET(OrvBufferRecord, outputExpression, 757);
ORV_ASSERT_OFFSET(OrvBufferRecord, inputActions, 840);
ORV_ASSERT_OFFSET(OrvBufferRecord, minimumDelayActions, 844);
ORV_ASSERT_OFFSET(OrvBufferRecord, maximumDelayActions, 848);
ORV_ASSERT_OFFSET(OrvBufferRecord, outputActions, 852);
ORV_ASSERT_OFFSET(OrvBufferRecord, exitRule, 856);
ORV_ASSERT_OFFSET(OrvBufferRecord, apply, 860);
ORV_ASSERT_OFFSET(OrvBufferRecord, validate, 864);
ORV_ASSERT_OFFSET(OrvBufferRecord, cancel, 868);
ORV_ASSERT_OFFSET(OrvBufferRecord, reporting, 872);
ORV_ASSERT_OFFSET(OrvBufferRecord, reportState, 876);
ORV_ASSERT_OFFSET(OrvBufferRecord, notes, 880);
ORV_ASSERT_OFFSET(OrvBufferRecord, notes.fedBy, 884);
ORV_ASSERT_OFFSET(OrvBufferRecord, notes.feeds, 965);
ORV_ASSERT_OFFSET(OrvBufferRecord, notesSlot, 1048);
ORV_ASSERT_SIZE(OrvBufferRecord, 1052);

#endif
