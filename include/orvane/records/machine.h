/* The machine detail record of MachineDetailDialog, with its cycle, setup and breakdown records. Bytes
 * marked reserved belong to the host and are never touched. */
#ifndef ORVANE_RECORDS_MACHINE_H
#define ORVANE_RECORDS_MACHINE_H

#include "orvane/records/labour_block.h"
#include "orvane/records/notes_block.h"
#include "orvane/records/record_layout.h"
#include "orvane/records/shift_block.h"

typedef struct OrvMachineCycle {
    char description[28]; /* at most 20 characters */
    char inputQuantity[81];
    char cycleTime[81];
    char finishQuantity[81];
    char padding;
    int32_t inputRule;
    int32_t startActions;
    int32_t finishActions;
    OrvLabourBlock labour;
} OrvMachineCycle;

ORV_ASSERT_OFFSET(OrvMachineCycle, inputQuantity, 0x01C);
ORV_ASSERT_OFFSET(OrvMachineCycle, cycleTime, 0x06D);
ORV_ASSERT_OFFSET(OrvMachineCycle, finishQuantity, 0x0BE);
ORV_ASSERT_OFFSET(OrvMachineCycle, inputRule, 0x110);
ORV_ASSERT_OFFSET(OrvMachineCycle, startActions, 0x114);
ORV_ASSERT_OFFSET(OrvMachineCycle, finishActions, 0x118);
ORV_ASSERT_OFFSET(OrvMachineCycle, labour, 0x11C);
ORV_ASSERT_SIZE(OrvMachineCycle, 540);

typedef struct OrvMachineSetup {
    int32_t mode; /* 0 No. of Operations, 1 Part Change, 2 Value Change */
    char description[24];
    int32_t origin; /* the index the setup had in the record, -1 for one added in the dialog */
    char setupTime[81];
    char station[81];
    char operations[81];
    char operationsToFirst[81];
    char valueChange[81];
    char padding[3];
    int32_t startActions;
    int32_t finishActions;
    OrvLabourBlock labour;
} OrvMachineSetup;

ORV_ASSERT_OFFSET(OrvMachineSetup, description, 0x004);
ORV_ASSERT_OFFSET(OrvMachineSetup, origin, 0x01C);
ORV_ASSERT_OFFSET(OrvMachineSetup, setupTime, 0x020);
ORV_ASSERT_OFFSET(OrvMachineSetup, station, 0x071);
ORV_ASSERT_OFFSET(OrvMachineSetup, operations, 0x0C2);
ORV_ASSERT_OFFSET(OrvMachineSetup, operationsToFirst, 0x113);
ORV_ASSERT_OFFSET(OrvMachineSetup, valueChange, 0x164);
ORV_ASSERT_OFFSET(OrvMachineSetup, startActions, 0x1B8);
ORV_ASSERT_OFFSET(OrvMachineSetup, finishActions, 0x1BC);
ORV_ASSERT_OFFSET(OrvMachineSetup, labour, 0x1C0);
ORV_ASSERT_SIZE(OrvMachineSetup, 704);

typedef struct OrvMachineBreakdown {
    int32_t checkAtCycleStart; /* 1 yes, 0 no */
    int32_t mode;              /* 0 Available Time, 1 Busy Time, 2 Operations */
    char description[24];
    int32_t origin; /* the index the breakdown had in the record, -1 for one added in the dialog */
    char timeBetweenFailures[81];
    char operationsBetweenFailures[81];
    char repairTime[81];
    char padding;
    int32_t scrapPart;
    int32_t setupOnRepair;
    char lifeUsed[81];
    char padding2[3];
    int32_t breakdownActions;
    int32_t resumeActions;
    OrvLabourBlock labour;
} OrvMachineBreakdown;

ORV_ASSERT_OFFSET(OrvMachineBreakdown, mode, 0x004);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, description, 0x008);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, origin, 0x020);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, timeBetweenFailures, 0x024);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, operationsBetweenFailures, 0x075);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, repairTime, 0x0C6);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, scrapPart, 0x118);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, setupOnRepair, 0x11C);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, lifeUsed, 0x120);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, breakdownActions, 0x174);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, resumeActions, 0x178);
ORV_ASSERT_OFFSET(OrvMachineBreakdown, labour, 0x17C);
ORV_ASSERT_SIZE(OrvMachineBreakdown, 636);

struct OrvMachineRecord;
/* -1 accepts; 0 to 8 names the wrong field: name, quantity, priority, input 1, input 2, cycle time,
 * stations, finish quantity, the second output text. */
typedef int32_t(ORVANE_CALL *OrvMachineValidate)(struct OrvMachineRecord *record);
/* -1 accepts; 3 input quantity, 5 cycle time, 7 finish quantity. */
typedef int32_t(ORVANE_CALL *OrvMachineCycleValidate)(OrvMachineCycle *cycle);
/* -1 accepts; setups: 0 operations, 1 operations to the first setup, 2 station, 3 setup time. */
typedef int32_t(ORVANE_CALL *OrvMachineSetupValidate)(OrvMachineSetup *setup);
/* -1 accepts; 0 time between failures (or operations), 1 repair time, 2 percentage of life used. */
typedef int32_t(ORVANE_CALL *OrvMachineBreakdownValidate)(OrvMachineBreakdown *breakdown);
/* Called once as the sheet closes, ok 1 after OK; the host copies what it keeps during the call. */
typedef void(ORVANE_CALL *OrvMachineFinish)(struct OrvMachineRecord *record, int ok);
typedef int32_t(ORVANE_CALL *OrvMachineInputRuleRefresh)(int32_t element);

enum OrvMachineType {
    OrvMachineSingle = 0,
    OrvMachineBatch = 1,
    OrvMachineAssembly = 2,
    OrvMachineProduction = 3,
    OrvMachineGeneral = 4,
    OrvMachineMultipleCycle = 5,
    OrvMachineMultipleStation = 6
};

typedef struct OrvMachineRecord {
    int32_t element;
    int32_t shifts; /* non-zero: the sheet has a Shift page */
    char name[9];
    char quantity[81];
    char priority[81];
    char reserved0[1];
    int32_t outputRule;
    char reserved1[4];
    int32_t inputRuleRefreshValue;
    char reserved2[4];
    int32_t type; /* enum OrvMachineType */
    int32_t cycleCount;
    int32_t validatingCycle;
    OrvMachineCycle *cycles;
    int32_t cyclesEdited;
    int32_t fluidExclusion; /* 1 or 2: never a Fluid Rules page */
    char batchMaximum[81];
    char partType[81];
    char reserved3[6];
    char stations[81];
    char reserved4[3];
    OrvMachineValidate validate;
    OrvMachineCycleValidate validateCycle;
    OrvMachineFinish finish;
    int32_t labourContext;
    OrvMachineInputRuleRefresh inputRuleRefresh;
    int32_t setupCount;
    OrvMachineSetup *setups;
    int32_t setupsEdited;
    OrvMachineSetupValidate validateSetup;
    int32_t breakdownCount;
    OrvMachineBreakdown *breakdowns;
    char reserved5[0x27C];
    int32_t breakdownsEdited;
    OrvMachineBreakdownValidate validateBreakdown;
    char fillVolume[81];
    char reserved6[3];
    int32_t fillRelation; /* 0 before the cycle, 1 after */
    int32_t fillRule;
    char fillStation[81];
    char reserved7[3];
    char emptyVolume[81];
    char reserved8[3];
    int32_t emptyRelation;
    int32_t emptyRule;
    char emptyStation[81];
    char reserved9[3];
    int32_t (ORVANE_CALL *validateFluid)(struct OrvMachineRecord *record);
    OrvShiftBlock shift;
    int32_t reporting; /* 0 off, 1 individual, 2 by group */
    char reserved10[4];
    OrvNotesBlock notes;
    OrvNotesSlot notesSlot;
} OrvMachineRecord;

ORV_ASSERT_OFFSET(OrvMachineRecord, shifts, 0x004);
ORV_ASSERT_OFFSET(OrvMachineRecord, name, 0x008);
ORV_ASSERT_OFFSET(OrvMachineRecord, quantity, 0x011);
ORV_ASSERT_OFFSET(OrvMachineRecord, priority, 0x062);
ORV_ASSERT_OFFSET(OrvMachineRecord, outputRule, 0x0B4);
ORV_ASSERT_OFFSET(OrvMachineRecord, inputRuleRefreshValue, 0x0BC);
ORV_ASSERT_OFFSET(OrvMachineRecord, type, 0x0C4);
ORV_ASSERT_OFFSET(OrvMachineRecord, cycleCount, 0x0C8);
ORV_ASSERT_OFFSET(OrvMachineRecord, validatingCycle, 0x0CC);
ORV_ASSERT_OFFSET(OrvMachineRecord, cycles, 0x0D0);
ORV_ASSERT_OFFSET(OrvMachineRecord, cyclesEdited, 0x0D4);
ORV_ASSERT_OFFSET(OrvMachineRecord, fluidExclusion, 0x0D8);
ORV_ASSERT_OFFSET(OrvMachineRecord, batchMaximum, 0x0DC);
ORV_ASSERT_OFFSET(OrvMachineRecord, partType, 0x12D);
ORV_ASSERT_OFFSET(OrvMachineRecord, stations, 0x184);
ORV_ASSERT_OFFSET(OrvMachineRecord, validate, 0x1D8);
ORV_ASSERT_OFFSET(OrvMachineRecord, validateCycle, 0x1DC);
ORV_ASSERT_OFFSET(OrvMachineRecord, finish, 0x1E0);
ORV_ASSERT_OFFSET(OrvMachineRecord, labourContext, 0x1E4);
ORV_ASSERT_OFFSET(OrvMachineRecord, inputRuleRefresh, 0x1E8);
ORV_ASSERT_OFFSET(OrvMachineRecord, setupCount, 0x1EC);
ORV_ASSERT_OFFSET(OrvMachineRecord, setups, 0x1F0);
ORV_ASSERT_OFFSET(OrvMachineRecord, setupsEdited, 0x1F4);
ORV_ASSERT_OFFSET(OrvMachineRecord, validateSetup, 0x1F8);
ORV_ASSERT_OFFSET(OrvMachineRecord, breakdownCount, 0x1FC);
ORV_ASSERT_OFFSET(OrvMachineRecord, breakdowns, 0x200);
ORV_ASSERT_OFFSET(OrvMachineRecord, breakdownsEdited, 0x480);
ORV_ASSERT_OFFSET(OrvMachineRecord, validateBreakdown, 0x484);
ORV_ASSERT_OFFSET(OrvMachineRecord, fillVolume, 0x488);
ORV_ASSERT_OFFSET(OrvMachineRecord, fillRelation, 0x4DC);
ORV_ASSERT_OFFSET(OrvMachineRecord, fillRule, 0x4E0);
ORV_ASSERT_OFFSET(OrvMachineRecord, fillStation, 0x4E4);
ORV_ASSERT_OFFSET(OrvMachineRecord, emptyVolume, 0x538);
ORV_ASSERT_OFFSET(OrvMachineRecord, emptyRelation, 0x58C);
ORV_ASSERT_OFFSET(OrvMachineRecord, emptyRule, 0x590);
ORV_ASSERT_OFFSET(OrvMachineRecord, emptyStation, 0x594);
ORV_ASSERT_OFFSET(OrvMachineRecord, validateFluid, 0x5E8);
ORV_ASSERT_OFFSET(OrvMachineRecord, shift, 0x5EC);
ORV_ASSERT_OFFSET(OrvMachineRecord, reporting, 0x6F4);
ORV_ASSERT_OFFSET(OrvMachineRecord, notes, 0x6FC);
ORV_ASSERT_OFFSET(OrvMachineRecord, notesSlot, 0x7A4);
ORV_ASSERT_SIZE(OrvMachineRecord, 0x7A8);

#endif
