// The platform clipboard in the host's text form. The host separates lines by a line feed alone; the clipboard
// and edit controls use carriage return-line feed. Every access opens the clipboard on behalf of the host main
// window and closes it before returning, so the clipboard is never left open behind the host's back.
#pragma once
#include "core/line_ends.h"

#include <optional>
#include <string>
#include <string_view>


// The plain text on the clipboard in host form; nothing when the clipboard is busy or holds no plain text.
std::optional<std::string> ReadHostClipboardText();
// Empties the clipboard and puts `text` (host form) on it as plain text. False when the clipboard is busy or
// the memory could not be had; the clipboard is then as it was.
bool WriteHostClipboardText(std::string_view text);
// False when the clipboard is busy.
bool EmptyHostClipboard();
