// The export the module tests find with GetProcAddress.
#include <orvane/export.h>
#include <windows.h>

extern "C" ORVANE_EXPORT int FixtureAnswer(void) { return 42; }
