/* The prompt record of PromptDialog: a text the modeller edits and the prompt shown with it. */
#ifndef ORVANE_RECORDS_PROMPT_H
#define ORVANE_RECORDS_PROMPT_H

#include "orvane/records/record_layout.h"

typedef struct OrvPromptRecord {
    char text[256];   /* in and out */
    char prompt[256]; /* read only; the library never reads past this field */
} OrvPromptRecord;

ORV_ASSERT_OFFSET(OrvPromptRecord, text, 0);
ORV_ASSERT_OFFSET(OrvPromptRecord, prompt, 256);
ORV_ASSERT_SIZE(OrvPromptRecord, 512);

#endif
