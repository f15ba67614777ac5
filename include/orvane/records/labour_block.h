/* The labour block: the 256 bytes through which the host's labour rule editor (DetailLabourRule) is fed and
 * read back. Machines copy it per cycle, setup and breakdown; conveyors, pipes and tanks keep it inside their
 * records and let the editor change it in place. */
#ifndef ORVANE_RECORDS_LABOUR_BLOCK_H
#define ORVANE_RECORDS_LABOUR_BLOCK_H

#include "orvane/records/record_layout.h"

typedef struct OrvLabourBlock {
    int32_t labourRule; /* the host's labour rule handle, -1 while none is set */
    int32_t option;
    char texts[3][81];
    char padding;
    int32_t context; /* a word of the element's that the editor reads */
} OrvLabourBlock;

ORV_ASSERT_OFFSET(OrvLabourBlock, labourRule, 0);
ORV_ASSERT_OFFSET(OrvLabourBlock, option, 4);
ORV_ASSERT_OFFSET(OrvLabourBlock, texts, 8);
ORV_ASSERT_OFFSET(OrvLabourBlock, texts[1], 0x59);
ORV_ASSERT_OFFSET(OrvLabourBlock, texts[2], 0xAA);
ORV_ASSERT_OFFSET(OrvLabourBlock, context, 0xFC);
ORV_ASSERT_SIZE(OrvLabourBlock, 256);

#endif
