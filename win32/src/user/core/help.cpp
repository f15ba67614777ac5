// Help requests are recorded, never opened: hosts and tests read them back.
#include <windows.h>

#include <win32_headless.h>

#include <cstring>
#include <vector>

namespace {

std::vector<WIN32_HELP_CALL> &Calls()
{
    static std::vector<WIN32_HELP_CALL> calls;
    return calls;
}

} // namespace

BOOL WINAPI WinHelpA(HWND hwnd, LPCSTR path, UINT command, ULONG_PTR data)
{
    WIN32_HELP_CALL call{};
    call.hwnd = hwnd;
    if (path) {
        strncpy(call.path, path, MAX_PATH);
        call.path[MAX_PATH] = 0;
    }
    call.command = command;
    call.data = data;
    Calls().push_back(call);
    return TRUE;
}

int WINAPI Win32Headless_GetHelpCallCount(void)
{
    return static_cast<int>(Calls().size());
}

BOOL WINAPI Win32Headless_GetHelpCall(int index, WIN32_HELP_CALL *call)
{
    if (!call || index < 0 || static_cast<size_t>(index) >= Calls().size())
        return FALSE;
    *call = Calls()[static_cast<size_t>(index)];
    return TRUE;
}

void WINAPI Win32Headless_ClearHelpCalls(void)
{
    Calls().clear();
}
