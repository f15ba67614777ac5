// The clipboard opened for the host main window for as long as the session lives.
#pragma once
#include <windows.h>

class ClipboardSession {
public:
    ClipboardSession();
    ~ClipboardSession();
    ClipboardSession(const ClipboardSession &) = delete;
    ClipboardSession &operator=(const ClipboardSession &) = delete;

    // False when another window holds the clipboard open: nothing may be read or changed then.
    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};
