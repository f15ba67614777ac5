// The common controls' initialisation entry points. The classes they would register
// ("SysTabControl32") are system classes of this window manager, available from the start, so
// initialising only has to succeed.
#include <commctrl.h>

void WINAPI InitCommonControls(void) {}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX *picce) {
    return picce != nullptr;
}
