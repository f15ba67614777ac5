// What the machine type does to the General page: which controls show, which are fixed, and the captions.
#pragma once
#include <windows.h>

#include <cstdint>

// A text a disabled field shows: a string of the string table, or a literal when `stringId` is 0.
struct FixedText {
    UINT stringId = 0;
    const char *literal = nullptr;
    bool Fixed() const { return stringId || literal; }
};

struct MachineTypeLook {
    UINT input1Label;         // string for the Input 1 label
    FixedText input1Fixed;    // none: Input 1 is enabled; else shown in it, disabled
    bool input2;              // Input 2 ("Batch Ma&x:") shows
    UINT durationCaption;     // string for the Duration group
    bool stations;            // Stations shows
    FixedText finishFixed;    // none: Finish Quantity is enabled; else shown in it, disabled
    bool partType;            // the part type combo shows, with its label
    bool cycles;              // the cycle controls show
};

// The look of a machine type (0 Single to 6 Multiple Station); a type out of range looks like Single.
const MachineTypeLook &LookOfMachineType(int32_t type);
// Whether the type's machines may have a Fluid Rules page: Single, Batch and Multiple Station.
bool MachineTypeHasFluidRules(int32_t type);
