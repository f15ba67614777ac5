// Internal access to accelerator tables for USER (TranslateAcceleratorA).
// Tables are created by LoadAcceleratorsA / CreateAcceleratorTableA in the kernel part of the
// stand-in; the message loop only needs to read their entries.
#pragma once

#include <windows.h>

#include <vector>

namespace win32::kernel {

// Copies the entries of a live accelerator table into `out` (replacing its contents), in table
// order, with the end-of-table flag (0x80) cleared from fVirt. Returns false (and leaves `out`
// empty) when `table` is not a live accelerator table handle.
bool GetAcceleratorEntries(HACCEL table, std::vector<ACCEL> &out);

} // namespace win32::kernel
