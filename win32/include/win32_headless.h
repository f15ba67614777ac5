/* Stand-in extensions with no platform equivalent, for hosts and tests only.
   Library code never includes this header. */
#ifndef WIN32_STANDIN_HEADLESS_H
#define WIN32_STANDIN_HEADLESS_H

#include "windows.h"

#ifndef RC_INVOKED
WIN32_BEGIN_DECLS

/* Help calls are recorded, never opened. */
typedef struct tagWIN32_HELP_CALL {
    HWND hwnd;
    char path[MAX_PATH + 1];
    UINT command;
    ULONG_PTR data;
} WIN32_HELP_CALL;
WINUSERAPI int WINAPI Win32Headless_GetHelpCallCount(void);
WINUSERAPI BOOL WINAPI Win32Headless_GetHelpCall(int index, WIN32_HELP_CALL *call);
WINUSERAPI void WINAPI Win32Headless_ClearHelpCalls(void);

/* Modal loops (DialogBoxParamA, DialogBoxIndirectParamA, MessageBoxA, common dialogs) call this hook
   whenever their queue is empty, right after sending WM_ENTERIDLE to the owner: hwndModal is the
   modal window, msgf MSGF_DIALOGBOX or MSGF_MESSAGEBOX. A host or test acts as the user from it
   (posting keys, clicking, EndDialog). Setting returns the previous hook; NULL removes it.
   There is no user behind a headless stand-in: when the queue is still empty after WM_ENTERIDLE and
   the hook, no timer is due within two seconds and the dialog has not ended, the loop writes
   "stand-in: modal dialog '<caption>' has no input; ending it with IDCANCEL" to stderr and ends
   the dialog with IDCANCEL instead of waiting forever. */
typedef void(CALLBACK *WIN32_MODAL_IDLE_PROC)(HWND hwndModal, UINT msgf);
WINUSERAPI WIN32_MODAL_IDLE_PROC WINAPI Win32Headless_SetModalIdleHook(WIN32_MODAL_IDLE_PROC proc);

WIN32_END_DECLS
#endif
#endif
