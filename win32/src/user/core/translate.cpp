// Turning keys into characters (TranslateMessage) and into commands (TranslateAcceleratorA).
#include "kernel/accelerator_table.h"
#include "user/core/user_state.h"

namespace {

bool Down(int vk)
{
    return GetKeyState(vk) < 0;
}

// The character a key gives on a US keyboard layout, or 0 for none.
char CharacterFor(UINT vk)
{
    bool shift = Down(VK_SHIFT);
    bool control = Down(VK_CONTROL);
    if (vk >= 'A' && vk <= 'Z') {
        if (control)
            return static_cast<char>(vk - 'A' + 1);
        bool caps = (GetKeyState(VK_CAPITAL) & 1) != 0;
        return static_cast<char>((shift != caps) ? vk : vk - 'A' + 'a');
    }
    if (control) {
        switch (vk) {
        case VK_RETURN: return '\n';
        case VK_BACK: return 0x7F;
        case VK_ESCAPE: return 0x1B;
        default: return 0;
        }
    }
    if (vk >= '0' && vk <= '9')
        return shift ? ")!@#$%^&*("[vk - '0'] : static_cast<char>(vk);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return static_cast<char>('0' + vk - VK_NUMPAD0);
    switch (vk) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_ESCAPE: return 0x1B;
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    case 0xBA: return shift ? ':' : ';';
    case 0xBB: return shift ? '+' : '=';
    case 0xBC: return shift ? '<' : ',';
    case 0xBD: return shift ? '_' : '-';
    case 0xBE: return shift ? '>' : '.';
    case 0xBF: return shift ? '?' : '/';
    case 0xC0: return shift ? '~' : '`';
    case 0xDB: return shift ? '{' : '[';
    case 0xDC: return shift ? '|' : '\\';
    case 0xDD: return shift ? '}' : ']';
    case 0xDE: return shift ? '"' : '\'';
    default: return 0;
    }
}

} // namespace

using namespace win32::user;

BOOL WINAPI TranslateMessage(const MSG *msg)
{
    if (!msg)
        return FALSE;
    if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) {
        return msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
    }
    char c = CharacterFor(static_cast<UINT>(msg->wParam));
    if (c) {
        // The character comes next, before anything else already queued.
        QueuedMessage q;
        q.msg = *msg;
        q.msg.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
        q.msg.wParam = static_cast<unsigned char>(c);
        CurrentThread().posted.push_front(q);
    }
    return TRUE;
}

int WINAPI TranslateAcceleratorA(HWND hwnd, HACCEL table, LPMSG msg)
{
    if (!msg || !FindWindowObject(hwnd, false))
        return 0;
    UINT m = msg->message;
    bool key = m == WM_KEYDOWN || m == WM_SYSKEYDOWN;
    bool character = m == WM_CHAR || m == WM_SYSCHAR;
    if (!key && !character)
        return 0;
    std::vector<ACCEL> entries;
    if (!win32::kernel::GetAcceleratorEntries(table, entries)) {
        SetLastError(ERROR_INVALID_ACCEL_HANDLE);
        return 0;
    }
    bool shift = Down(VK_SHIFT);
    bool control = Down(VK_CONTROL);
    bool alt = Down(VK_MENU) || (msg->lParam & 0x20000000);
    for (const ACCEL &a : entries) {
        bool virt = (a.fVirt & FVIRTKEY) != 0;
        if (virt) {
            if (!key || msg->wParam != a.key)
                continue;
            if (((a.fVirt & FSHIFT) != 0) != shift || ((a.fVirt & FCONTROL) != 0) != control ||
                ((a.fVirt & FALT) != 0) != alt)
                continue;
        } else {
            if (!character || msg->wParam != a.key)
                continue;
            if (((a.fVirt & FALT) != 0) != (m == WM_SYSCHAR))
                continue;
        }
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
        return 1;
    }
    return 0;
}
