#include "core/help_context.h"

DWORD ClampHelpContext(DWORD context)
{
    constexpr DWORD kGeneral = 0x20000;
    if (context < 0x13000 || (context >= kGeneral && context < 0x30000))
        return context;
    return kGeneral;
}
