#include "detail/input_amount.h"

#include <cctype>
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
