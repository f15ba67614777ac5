// GetGuiResources: how many GDI and USER objects the process holds, so a host or test can see a leak.
// USER objects counted here are windows.
#include "gdi/gdi_object.h"
#include "user/core/user_state.h"

HANDLE WINAPI GetCurrentProcess(void)
{
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));
}

DWORD WINAPI GetGuiResources(HANDLE process, DWORD flags)
{
    if (process != GetCurrentProcess()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    switch (flags) {
    case GR_GDIOBJECTS: return static_cast<DWORD>(win32::gdi::LiveObjectCount());
    case GR_USEROBJECTS: return static_cast<DWORD>(win32::user::LiveWindowCount());
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
}
