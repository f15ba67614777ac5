// The clipboard's plain text, read and written as any program would, for tests that check what a library
// put there or prepare what it will find.
#pragma once
#include <string>

// The CF_TEXT contents ("" when there is none, "<busy>" when another window holds the clipboard open).
std::string ReadClipboardText();
// Replaces the clipboard's contents by `text` as CF_TEXT; false when the clipboard is busy.
bool WriteClipboardText(const char *text);
