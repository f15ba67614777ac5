#include "detail/machine_row_handles.h"

#include "core/handle_copies.h"

bool CopyRowHandles(int32_t element, int labourKind, int32_t firstActions, int32_t secondActions, int32_t labourRule,
                    int32_t &firstCopy, int32_t &secondCopy, int32_t &labourCopy)
{
    HandleCopies copies(element);
    if (!copies.Actions(firstActions, firstCopy) || !copies.Actions(secondActions, secondCopy) ||
        !copies.LabourRule(labourRule, labourCopy, labourKind))
        return false;
    copies.Keep();
    return true;
}
