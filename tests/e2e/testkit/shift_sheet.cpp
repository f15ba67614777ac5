// The Shift page in a sheet, as the machine, pipe, tank and processor sheets will hold it.
#include "testkit.h"
#include "testkit_sheet.h"

#include "core/export_guard.h"
#include "core/shift_page.h"

extern "C" ORVANE_EXPORT int ORVANE_CALL TestkitShiftSheet(OrvShiftBlock *block)
{
    if (!block)
        return 0;
    return GuardExport(
        [&] {
            CShiftPage shift;
            shift.SetShiftBlock(block);
            return RunTestkitSheet("M1", {&shift});
        },
        0);
}
