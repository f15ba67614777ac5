// Fills a combo box with host elements through the host's enumeration callbacks. The entries go in with the
// box's add-string operation, so its own sort style decides their order.
#pragma once
#include <windows.h>

#include <cstdint>

struct ElementListRequest {
    const int *types = nullptr;          // element type numbers, ended by -1
    const int *attributeTypes = nullptr; // attribute type numbers, ended by -1 (may be null: none)
    const char *editedName = nullptr;    // shown for the element being edited instead of the host's text
    int32_t editedElement = 0;
    int readOnlyToMatch = 0;   // elements of type 15 are listed only with this read-only value
    bool showDescription = false;
    bool expandArrays = false; // NAME(1), NAME(2), ... for elements whose quantity is 2 or more
    bool allShifts = false;    // otherwise types 12, 15 and 25 are listed only when they are main shifts
};

void FillElementList(HWND combo, const ElementListRequest &request);
// Adds the name of every main shift (type 25), in the host's element order.
void FillMainShiftList(HWND combo);
