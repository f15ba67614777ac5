// Strict conversions between numbers and the text of a control: blanks around the number are
// allowed, anything else that is not part of the number is not, and values out of the type's
// range are rejected rather than wrapped.
#pragma once
#include <optional>
#include <string>

namespace fw::detail {

std::optional<long long> ParseSigned(const char *text, long long minValue, long long maxValue);
std::optional<unsigned long long> ParseUnsigned(const char *text, unsigned long long maxValue);
// Decimal notation with optional fraction and exponent; no hexadecimal, infinities or NaN.
std::optional<double> ParseReal(const char *text);

// Shortest text that reads back as the same value at the given precision.
std::string FormatReal(double value, int digits);

} // namespace fw::detail
