/* The input field record of InputFieldDialog: one or two labelled values. */
#ifndef ORVANE_RECORDS_INPUT_FIELD_H
#define ORVANE_RECORDS_INPUT_FIELD_H

#include "orvane/records/record_layout.h"

struct OrvInputFieldRecord;
typedef void(ORVANE_CALL *OrvInputFieldApply)(struct OrvInputFieldRecord *record);
/* Nonzero accepts the first value. */
typedef int(ORVANE_CALL *OrvInputFieldValidate)(struct OrvInputFieldRecord *record);

typedef struct OrvInputFieldRecord {
    char firstValue[81];
    char secondValue[81];
    char firstLabel[81];
    char secondLabel[81];
    char caption[256];
    int32_t valueCount; /* 1 or 2 */
    int32_t reserved;
    OrvInputFieldApply apply;       /* may be null */
    OrvInputFieldValidate validate; /* may be null */
} OrvInputFieldRecord;

ORV_ASSERT_OFFSET(OrvInputFieldRecord, firstValue, 0);
ORV_ASSERT_OFFSET(OrvInputFieldRecord, secondValue, 81);
ORV_ASSERT_OFFSET(OrvInputFieldRecord, firstLabel, 162);
ORV_ASSERT_OFFSET(OrvInputFieldRecord, secondLabel, 243);
ORV_ASSERT_OFFSET(OrvInputFieldRecord, caption, 324);
ORV_ASSERT_OFFSET(OrvInputFieldRecord, valueCount, 580);
ORV_ASSERT_OFFSET(OrvInputFieldRecord, apply, 588);
ORV_ASSERT_OFFSET(OrvInputFieldRecord, validate, 592);
ORV_ASSERT_SIZE(OrvInputFieldRecord, 596);

#endif
