// The line height of a control's font: what a list item or a combo box's selection field needs.
#pragma once
#include <windows.h>

namespace win32::user::controls {

// tmHeight of `font` (the system font when null) in a DC of `hwnd`; `fallback` when no DC can be had.
int FontLineHeight(HWND hwnd, HFONT font, int fallback);

} // namespace win32::user::controls
