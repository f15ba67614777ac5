/* The alarm record of AlarmDialog: a message and up to three button captions. */
#ifndef ORVANE_RECORDS_ALARM_H
#define ORVANE_RECORDS_ALARM_H

#include "orvane/records/record_layout.h"

typedef struct OrvAlarmRecord {
    char message[256];
    char buttons[100];    /* captions separated by "|", at most three */
    int32_t defaultButton; /* 1 to 3 */
} OrvAlarmRecord;

ORV_ASSERT_OFFSET(OrvAlarmRecord, message, 0);
ORV_ASSERT_OFFSET(OrvAlarmRecord, buttons, 256);
ORV_ASSERT_OFFSET(OrvAlarmRecord, defaultButton, 356);
ORV_ASSERT_SIZE(OrvAlarmRecord, 360);

#endif
