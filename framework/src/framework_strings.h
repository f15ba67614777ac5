// The framework's own user-facing texts.
#pragma once

namespace fw::detail {

inline constexpr char kPromptWholeNumber[] = "Enter a whole number.";
inline constexpr char kPromptUnsignedNumber[] = "Enter a whole number of zero or more.";
inline constexpr char kPromptNumber[] = "Enter a number.";
inline constexpr char kPromptMaxChars[] = "Enter no more than %d characters.";
inline constexpr char kPromptIntRange[] = "Enter a whole number from %ld to %ld.";
inline constexpr char kPromptUIntRange[] = "Enter a whole number from %lu to %lu.";
inline constexpr char kPromptRealRange[] = "Enter a number from %.*g to %.*g.";

} // namespace fw::detail
