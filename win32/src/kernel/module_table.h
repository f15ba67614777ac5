// Loaded ELF objects seen as Win32 modules. A module's HMODULE/HINSTANCE is the base address of
// its mapping, so any address inside it leads back to its handle (dladdr) and a handle can be
// checked without dereferencing it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win32::kernel {

HMODULE ExecutableModule();
// libwin32 itself: what the system library names (user32.dll, kernel32.dll, ...) resolve to.
HMODULE OwnModule();
// The module whose mapping contains `address`, or NULL.
HMODULE ModuleContaining(const void *address);
bool IsModule(HMODULE module);
// Full path of the module's file; empty when `module` is not a module.
std::string ModulePath(HMODULE module);

bool IsSystemModuleName(const char *name);
// File names a Win32 module name may have here: the name itself and, for "x.dll" (or a name
// without extension, which means "x.dll"), the shared object "libx.so" in the same directory
// (also with x in lowercase).
std::vector<std::string> ModuleFileCandidates(const std::string &name);
// A loaded module whose file matches `name` by those rules (by base name unless `name` holds a
// directory), or NULL.
HMODULE FindLoadedModule(const char *name);

} // namespace win32::kernel
