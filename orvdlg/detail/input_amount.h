// Whether a cycle's input quantity names a positive amount: a later cycle of a machine may only have an
// input rule when it takes something in.
#pragma once
#include <framework/text.h>

enum class InputAmount { Positive, NotPositive, AskHost };

// What the text alone tells: its leading integer (as atoi reads it) is negative, or 0 with nothing but
// "0", "." and "-" in the text: not positive; 0 otherwise: only compiling it tells; above 0: positive.
InputAmount ReadInputAmount(const char *text);
// The same, compiling the text with the host when needed (errors on, warnings off for the check; the
// host's flags are restored and the compiled expression given back). A text the host cannot compile is
// not a positive amount.
bool NamesPositiveAmount(const CString &text);
