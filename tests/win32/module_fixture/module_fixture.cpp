// The export the module tests find with GetProcAddress.
#include <windows.h>

extern "C" __attribute__((visibility("default"))) int FixtureAnswer(void) { return 42; }
