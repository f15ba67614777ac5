// Mnemonics: the "&x" in a button's or label's text makes x (or Alt+x) act on that control.
#pragma once
#include <windows.h>

namespace win32::user::dialog {

// Acts on the control of the dialog whose mnemonic is `ch` (searching from the one after `from`);
// false when no usable control has it.
bool HandleMnemonic(HWND hDlg, HWND from, char ch);

} // namespace win32::user::dialog
