// What a combo box and its list ("ComboLBox") tell each other. The list is created by the combo
// with the combo's handle as lpCreateParams; it then draws and measures for the combo's parent and
// reports to the combo through WM_COMMAND from the list window, with the ordinary LBN_* codes
// (always, whatever LBS_NOTIFY says; LBN_SELCANCEL when a click outside the dropped list cancels it)
// plus the code below.
#pragma once
#include <windows.h>

namespace win32::user::controls {

inline constexpr char kComboListClassName[] = "ComboLBox";

// The user released the mouse on an item of the list: the choice is made.
inline constexpr WORD kComboListChosen = 0x4C01;
} // namespace win32::user::controls
