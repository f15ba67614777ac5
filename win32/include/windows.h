/* The Win32 subset of the headless stand-in: the same names, layouts and behaviour as the platform's. */
#ifndef WIN32_STANDIN_WINDOWS_H
#define WIN32_STANDIN_WINDOWS_H

#include "windef.h"
#include "winbase.h"
#include "wingdi.h"
#include "winuser.h"

#endif
