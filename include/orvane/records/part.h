/* The part detail record of PartDetailDialog, with its route stage records. */
#ifndef ORVANE_RECORDS_PART_H
#define ORVANE_RECORDS_PART_H

#include "orvane/records/buffer.h"
#include "orvane/records/notes_block.h"
#include "orvane/records/record_layout.h"

typedef struct OrvRouteStage {
    char destination[81]; /* "SHIP", "SCRAP", "ASSEMBLE" or an element name */
    char setupText[81];   /* R_SETUP */
    char cycleText[81];   /* R_CYCLE */
    char padding;
    float setupValue; /* filled by the host's route validation */
    float cycleValue;
} OrvRouteStage;

ORV_ASSERT_OFFSET(OrvRouteStage, setupText, 0x51);
ORV_ASSERT_OFFSET(OrvRouteStage, cycleText, 0xA2);
ORV_ASSERT_OFFSET(OrvRouteStage, setupValue, 0xF4);
ORV_ASSERT_OFFSET(OrvRouteStage, cycleValue, 0xF8);
ORV_ASSERT_SIZE(OrvRouteStage, 252);

struct OrvPartRecord;
typedef void(ORVANE_CALL *OrvPartSlot)(struct OrvPartRecord *record);
/* -1 accepts; 0 name, 1 maximum arrivals, 2 first arrival, 3 shift, 4 inter-arrival time, 5 lot size. */
typedef int32_t(ORVANE_CALL *OrvPartValidate)(struct OrvPartRecord *record);
/* -1 accepts; 2 the group number. */
typedef int32_t(ORVANE_CALL *OrvPartAttributesValidate)(struct OrvPartRecord *record);
/* The stages after OK: a fresh array the host copies during the call (count 0: no array). */
typedef void(ORVANE_CALL *OrvPartRoutesApply)(int32_t element, OrvRouteStage *stages, int32_t count);
/* -1 accepts; 0 destination, 1 R_SETUP, 2 R_CYCLE. The host writes the two values into the stage. */
typedef int32_t(ORVANE_CALL *OrvRouteValidate)(OrvRouteStage *stage);

typedef struct OrvPartRecord {
    int32_t element;
    char name[9];
    char reserved0[3];
    int32_t activeArrivals;
    char maximumArrivals[81];
    char firstArrival[81];
    char shiftName[81];
    char interArrival[81];
    char lotSize[81];
    char reserved1[7];
    int32_t outputRule;
    int32_t createActions;
    int32_t leaveActions;
    int32_t shiftAvailable; /* 0 hides the shift controls */
    OrvPartSlot apply;
    OrvPartValidate validate;
    int32_t fixedAttributes;
    int32_t containsFluids;
    char groupNumber[81];
    char reserved2[3];
    int32_t groupNumberValue; /* written by the host while validating */
    int32_t fixedAttributesActions;
    OrvPartSlot attributesApply;
    OrvPartAttributesValidate attributesValidate;
    int32_t stageCount;
    OrvRouteStage *stages;
    OrvPartRoutesApply routesApply;
    OrvRouteValidate validateStage;
    int32_t reporting; /* 0 off, 2 on */
    OrvReportStateSlot reportState;
    OrvNotesBlock notes;
    OrvNotesSlot notesSlot;
} OrvPartRecord;

ORV_ASSERT_OFFSET(OrvPartRecord, name, 0x004);
ORV_ASSERT_OFFSET(OrvPartRecord, activeArrivals, 0x010);
ORV_ASSERT_OFFSET(OrvPartRecord, maximumArrivals, 0x014);
ORV_ASSERT_OFFSET(OrvPartRecord, firstArrival, 0x065);
ORV_ASSERT_OFFSET(OrvPartRecord, shiftName, 0x0B6);
ORV_ASSERT_OFFSET(OrvPartRecord, interArrival, 0x107);
ORV_ASSERT_OFFSET(OrvPartRecord, lotSize, 0x158);
ORV_ASSERT_OFFSET(OrvPartRecord, outputRule, 0x1B0);
ORV_ASSERT_OFFSET(OrvPartRecord, createActions, 0x1B4);
ORV_ASSERT_OFFSET(OrvPartRecord, leaveActions, 0x1B8);
ORV_ASSERT_OFFSET(OrvPartRecord, shiftAvailable, 0x1BC);
ORV_ASSERT_OFFSET(OrvPartRecord, apply, 0x1C0);
ORV_ASSERT_OFFSET(OrvPartRecord, validate, 0x1C4);
ORV_ASSERT_OFFSET(OrvPartRecord, fixedAttributes, 0x1C8);
ORV_ASSERT_OFFSET(OrvPartRecord, containsFluids, 0x1CC);
ORV_ASSERT_OFFSET(OrvPartRecord, groupNumber, 0x1D0);
ORV_ASSERT_OFFSET(OrvPartRecord, groupNumberValue, 0x224);
ORV_ASSERT_OFFSET(OrvPartRecord, fixedAttributesActions, 0x228);
ORV_ASSERT_OFFSET(OrvPartRecord, attributesApply, 0x22C);
ORV_ASSERT_OFFSET(OrvPartRecord, attributesValidate, 0x230);
ORV_ASSERT_OFFSET(OrvPartRecord, stageCount, 0x234);
ORV_ASSERT_OFFSET(OrvPartRecord, stages, 0x238);
ORV_ASSERT_OFFSET(OrvPartRecord, routesApply, 0x23C);
ORV_ASSERT_OFFSET(OrvPartRecord, validateStage, 0x240);
ORV_ASSERT_OFFSET(OrvPartRecord, reporting, 0x244);
ORV_ASSERT_OFFSET(OrvPartRecord, reportState, 0x248);
ORV_ASSERT_OFFSET(OrvPartRecord, notes, 0x24C);
ORV_ASSERT_OFFSET(OrvPartRecord, notesSlot, 0x2F4);
ORV_ASSERT_SIZE(OrvPartRecord, 0x2F8);

#endif
