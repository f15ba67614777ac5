#include "wine_difference.h"

#include <windows.h>

bool RunningUnderWine()
{
    // The stand-in knows no ntdll: no module, no Wine.
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
