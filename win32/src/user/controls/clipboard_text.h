// Plain text on the clipboard (CF_TEXT) through the public clipboard API, for the controls that
// cut, copy and paste.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace win32::user::controls {

// Replaces the clipboard's contents by `text`, owned by `owner`; false if the clipboard could not
// be opened or the memory not had.
bool PutClipboardText(HWND owner, std::string_view text);

// The CF_TEXT on the clipboard (up to its first NUL); nothing when the clipboard cannot be opened
// or holds no text.
std::optional<std::string> GetClipboardText(HWND owner);

} // namespace win32::user::controls
