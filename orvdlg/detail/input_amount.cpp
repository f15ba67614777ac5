#include "detail/input_amount.h"

#include "core/handle_copies.h"
#include "core/host_callbacks.h"

#include <cctype>
#include <climits>
#include <cstring>

namespace {
// The leading integer's sign as atoi reads it, without atoi's overflow: -1, 0 or 1.
int LeadingIntegerSign(const char *text)
{
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    bool nonZero = false;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text)
        nonZero = nonZero || *text != '0';
    return nonZero ? (negative ? -1 : 1) : 0;
}
} // namespace

InputAmount ReadInputAmount(const char *text)
{
    const char *safe = text ? text : "";
    const int sign = LeadingIntegerSign(safe);
    if (sign < 0)
        return InputAmount::NotPositive;
    if (sign > 0)
        return InputAmount::Positive;
    if (std::strspn(safe, "0.-") == std::strlen(safe))
        return InputAmount::NotPositive;
    return InputAmount::AskHost;
}

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
