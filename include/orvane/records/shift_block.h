/* The shift sub-record of machines, pipes, tanks and processors, edited by the Shift page. */
#ifndef ORVANE_RECORDS_SHIFT_BLOCK_H
#define ORVANE_RECORDS_SHIFT_BLOCK_H

#include "orvane/records/record_layout.h"

struct OrvShiftBlock;
/* -1 accepts; 0, 1 or 2 names the field that is wrong: the shift name, the allowance, the penalty. */
typedef int32_t(ORVANE_CALL *OrvShiftValidate)(struct OrvShiftBlock *block);

typedef struct OrvShiftBlock {
    int32_t kindCode;      /* the host's code for the element kind: decides which controls show */
    int32_t shiftsEnabled; /* 0 or 1 */
    int32_t endOfShift;    /* 0 continue the current job, 1 stop immediately */
    char shiftName[81];
    char allowance[81];
    char penalty[81];
    char unused[5];
    OrvShiftValidate validate;
} OrvShiftBlock;

ORV_ASSERT_OFFSET(OrvShiftBlock, kindCode, 0);
ORV_ASSERT_OFFSET(OrvShiftBlock, shiftsEnabled, 4);
ORV_ASSERT_OFFSET(OrvShiftBlock, endOfShift, 8);
ORV_ASSERT_OFFSET(OrvShiftBlock, shiftName, 12);
ORV_ASSERT_OFFSET(OrvShiftBlock, allowance, 93);
ORV_ASSERT_OFFSET(OrvShiftBlock, penalty, 174);
ORV_ASSERT_OFFSET(OrvShiftBlock, validate, 260);
ORV_ASSERT_SIZE(OrvShiftBlock, 264);

#endif
