// Compiling an input quantity with the host, for the cases its text alone does not settle.
#include "detail/input_amount.h"

#include "core/handle_copies.h"
#include "core/host_callbacks.h"

bool NamesPositiveAmount(const CString &text)
{
    switch (ReadInputAmount(text)) {
    case InputAmount::Positive:
        return true;
    case InputAmount::NotPositive:
        return false;
    case InputAmount::AskHost:
        break;
    }
    const HostCallbacks &host = Host();
    if (!host.CompExp)
        return true;
    int error = 1, warning = 0;
    if (host.GetErrorWarningFlags)
        host.GetErrorWarningFlags(&error, &warning);
    if (host.SetErrorWarningFlags)
        host.SetErrorWarningFlags(1, 0);
    int32_t compiled = -1;
    const int failed = host.CompExp(text, 1, &compiled, "");
    if (host.SetErrorWarningFlags)
        host.SetErrorWarningFlags(error, warning);
    DeleteActionsHandle(compiled);
    return failed == 0;
}
