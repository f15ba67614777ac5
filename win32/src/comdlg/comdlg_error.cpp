#include "comdlg/comdlg_error.h"

#include <commdlg.h>

namespace win32::comdlg {

namespace {
thread_local DWORD t_extendedError = 0;
} // namespace

void SetExtendedError(DWORD code) {
    t_extendedError = code;
}

} // namespace win32::comdlg

DWORD WINAPI CommDlgExtendedError(void) {
    return win32::comdlg::t_extendedError;
}
