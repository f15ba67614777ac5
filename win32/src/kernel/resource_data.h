// Finds, loads and locks a resource in one step, for the loaders of string tables,
// accelerator tables and menus.
#pragma once

#include <windows.h>

namespace win32::kernel {

struct ResourceBytes {
    const BYTE *data = nullptr;
    DWORD size = 0;
};

// False (with the last error of FindResourceA) when the module has no such resource.
bool LoadResourceBytes(HMODULE module, LPCSTR name, LPCSTR type, ResourceBytes &out);

} // namespace win32::kernel
