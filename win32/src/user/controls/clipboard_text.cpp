#include "user/controls/clipboard_text.h"

#include <cstring>

namespace win32::user::controls {

bool PutClipboardText(HWND owner, std::string_view text) {
    if (!OpenClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    bool stored = false;
    // The clipboard takes over memory it accepts; memory it refuses stays ours to free.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory) {
        if (char *bytes = static_cast<char *>(GlobalLock(memory))) {
            std::memcpy(bytes, text.data(), text.size());
            bytes[text.size()] = '\0';
            GlobalUnlock(memory);
            stored = SetClipboardData(CF_TEXT, memory) != nullptr;
        }
        if (!stored) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    return stored;
}

std::optional<std::string> GetClipboardText(HWND owner) {
    if (!OpenClipboard(owner)) {
        return std::nullopt;
    }
    std::optional<std::string> text;
    if (HANDLE memory = GetClipboardData(CF_TEXT)) {
        if (const char *bytes = static_cast<const char *>(GlobalLock(memory))) {
            // Bounded by the block's size: a block without a terminator is not read past its end.
            text.emplace(bytes, strnlen(bytes, GlobalSize(memory)));
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace win32::user::controls
