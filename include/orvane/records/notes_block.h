/* The notes block that element records carry: the host's notes holder and the two routing texts. The
 * holder is the address of a host object whose first member points to the notes text. */
#ifndef ORVANE_RECORDS_NOTES_BLOCK_H
#define ORVANE_RECORDS_NOTES_BLOCK_H

#include "orvane/records/record_layout.h"

/* Called on OK with the holder, the edited notes text (lines ended by a line feed), then 1, 0, 0. */
typedef void(ORVANE_CALL *OrvNotesSlot)(int32_t holder, const char *text, int one, int zero, int alsoZero);

typedef struct OrvNotesBlock {
    int32_t holder;
    char fedBy[81];
    char feeds[81];
} OrvNotesBlock;

ORV_ASSERT_OFFSET(OrvNotesBlock, holder, 0);
ORV_ASSERT_OFFSET(OrvNotesBlock, fedBy, 4);
ORV_ASSERT_OFFSET(OrvNotesBlock, feeds, 85);

#endif
