/* Stand-in extensions with no platform equivalent, for hosts and tests only.
   Library code never includes this header. On Windows the test support library implements them
   (tests/support/headless_win32.cpp) and the system's own windows.h is used. */
#ifndef WIN32_STANDIN_HEADLESS_H
#define WIN32_STANDIN_HEADLESS_H

#include <windows.h>

#ifndef RC_INVOKED
#ifdef __cplusplus
extern "C" {
#endif
#if defined(_WIN32)
#define WIN32_HEADLESS_API
#else
#define WIN32_HEADLESS_API WINUSERAPI
#endif

/* Help calls are recorded, never opened. */
typedef struct tagWIN32_HELP_CALL {
    HWND hwnd;
    char path[MAX_PATH + 1];
    UINT command;
    ULONG_PTR data;
} WIN32_HELP_CALL;
WIN32_HEADLESS_API int WINAPI Win32Headless_GetHelpCallCount(void);
WIN32_HEADLESS_API BOOL WINAPI Win32Headless_GetHelpCall(int index, WIN32_HELP_CALL *call);
WIN32_HEADLESS_API void WINAPI Win32Headless_ClearHelpCalls(void);

/* Modal loops (DialogBoxParamA, DialogBoxIndirectParamA, MessageBoxA, common dialogs) call this hook
   whenever their queue is empty, right after sending WM_ENTERIDLE to the owner: hwndModal is the
   modal window, msgf MSGF_DIALOGBOX or MSGF_MESSAGEBOX. A host or test acts as the user from it
   (posting keys, clicking, EndDialog). Setting returns the previous hook; NULL removes it.
   There is no user behind a headless stand-in: when the queue is still empty after WM_ENTERIDLE and
   the hook, no timer is due within two seconds and the dialog has not ended, the loop writes
   "stand-in: modal dialog '<caption>' has no input; ending it with IDCANCEL" to stderr and ends
   the dialog with IDCANCEL instead of waiting forever. */
typedef void(CALLBACK *WIN32_MODAL_IDLE_PROC)(HWND hwndModal, UINT msgf);
WIN32_HEADLESS_API WIN32_MODAL_IDLE_PROC WINAPI Win32Headless_SetModalIdleHook(WIN32_MODAL_IDLE_PROC proc);

#ifdef __cplusplus
}
#endif
#endif
#endif
