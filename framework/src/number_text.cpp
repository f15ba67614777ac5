#include "number_text.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace fw::detail {
namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

const char *SkipBlanks(const char *p) {
    while (IsBlank(*p))
        ++p;
    return p;
}

// Reads digits into `value`; false on no digits or when the value exceeds `limit`.
bool ReadDigits(const char *&p, unsigned long long limit, unsigned long long &value) {
    if (!IsDigit(*p))
        return false;
    value = 0;
    for (; IsDigit(*p); ++p) {
        const unsigned digit = static_cast<unsigned>(*p - '0');
        if (value > (limit - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    return true;
}

} // namespace

std::optional<long long> ParseSigned(const char *text, long long minValue, long long maxValue) {
    if (text == nullptr)
        return std::nullopt;
    const char *p = SkipBlanks(text);
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    const unsigned long long limit =
        negative ? static_cast<unsigned long long>(-(minValue + 1)) + 1 : static_cast<unsigned long long>(maxValue);
    unsigned long long magnitude = 0;
    if (!ReadDigits(p, limit, magnitude) || *SkipBlanks(p) != '\0')
        return std::nullopt;
    if (negative)
        return magnitude == 0 ? 0 : -static_cast<long long>(magnitude - 1) - 1;
    return static_cast<long long>(magnitude);
}

std::optional<unsigned long long> ParseUnsigned(const char *text, unsigned long long maxValue) {
    if (text == nullptr)
        return std::nullopt;
    const char *p = SkipBlanks(text);
    if (*p == '+')
        ++p;
    unsigned long long value = 0;
    if (!ReadDigits(p, maxValue, value) || *SkipBlanks(p) != '\0')
        return std::nullopt;
    return value;
}

std::optional<double> ParseReal(const char *text) {
    if (text == nullptr)
        return std::nullopt;
    const char *start = SkipBlanks(text);
    const char *p = start;
    if (*p == '-' || *p == '+')
        ++p;
    bool digits = false;
    while (IsDigit(*p)) {
        ++p;
        digits = true;
    }
    if (*p == '.') {
        ++p;
        while (IsDigit(*p)) {
            ++p;
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '-' || *p == '+')
            ++p;
        if (!IsDigit(*p))
            return std::nullopt;
        while (IsDigit(*p))
            ++p;
    }
    if (*SkipBlanks(p) != '\0')
        return std::nullopt;
    errno = 0;
    char *end = nullptr;
    const double value = std::strtod(start, &end);
    if (end != p || !std::isfinite(value) || (errno == ERANGE && std::fabs(value) > 1.0))
        return std::nullopt;
    return value;
}

std::string FormatReal(double value, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%.*g", digits, value);
    return buffer;
}

} // namespace fw::detail
