// Whether this machine runs the Windows build: a window and a message round trip, nothing more.
// scripts/test runs it before the Windows tests; exit status 0 means the tests can run.
#include <windows.h>

#include <cstdio>

int main()
{
    HWND window = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    if (!window) {
        fprintf(stderr, "wine_probe: CreateWindowExA failed (%lu)\n", GetLastError());
        return 1;
    }
    bool answered = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0) == 5;
    DestroyWindow(window);
    return answered ? 0 : 1;
}
