#include "clipboard_text.h"

#include <windows.h>

#include <cstring>

std::string ReadClipboardText()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return "<busy>";
    if (HANDLE memory = GetClipboardData(CF_TEXT)) {
        if (const char *data = static_cast<const char *>(GlobalLock(memory))) {
            text = data;
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return text;
}

bool WriteClipboardText(const char *text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    if (memory) {
        strcpy(static_cast<char *>(GlobalLock(memory)), text);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_TEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
    return memory != nullptr;
}
