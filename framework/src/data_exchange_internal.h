// Helpers shared by the data exchange routines.
#pragma once
#include "framework/data_exchange.h"

namespace fw::detail {

// Shows the framework's validation message, then fails the exchange.
[[noreturn]] void FailWithMessage(CDataExchange *dx, const char *message);

bool HasClass(HWND hwnd, const char *className);

} // namespace fw::detail
