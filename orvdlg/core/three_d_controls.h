// The 3-D control look library. The library registers with it at start-up and tells it of system colour
// changes; where the system has no such library, both are quietly skipped.
#pragma once
#include <windows.h>

namespace ThreeDControls {
void Register(HINSTANCE module);
void Unregister(HINSTANCE module);
// The library's answer, or FALSE when it is not available.
BOOL ColorChange();
} // namespace ThreeDControls
