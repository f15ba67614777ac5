// A parent window for the control tests: it keeps copies of the WM_COMMAND, WM_NOTIFY and
// WM_DRAWITEM messages its controls send (the structures they point to live only during the call),
// can answer WM_NOTIFY and WM_CTLCOLORSTATIC, and takes pictures of itself through PrintWindow.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <vector>

struct CommandRecord {
    int id;
    int code;
    HWND from;
};

struct NotifyRecord {
    NMHDR header;
    WORD key; // TCN_KEYDOWN only
    int selectionDuringCall; // TCM_GETCURSEL of the sender while the parent handles the notification
};

class ControlParent {
public:
    ControlParent();
    ~ControlParent();
    ControlParent(const ControlParent &) = delete;
    ControlParent &operator=(const ControlParent &) = delete;

    HWND Hwnd() const { return m_hwnd; }
    // A visible child control of this window.
    HWND Add(const char *className, const char *text, DWORD style, int id, int x = 10, int y = 10, int width = 120,
             int height = 30);

    std::vector<CommandRecord> commands;
    std::vector<NotifyRecord> notifies;
    std::vector<DRAWITEMSTRUCT> draws;
    // The WM_NOTIFY result (0 when unset); TCN_SELCHANGING vetoes with a nonzero result.
    std::function<LRESULT(const NMHDR &)> notifyAnswer;
    // A brush answered to WM_CTLCOLORSTATIC (default handling when null).
    HBRUSH staticBrush = nullptr;
    // Fills the parent's client area with this colour in WM_PAINT (no painting when CLR_INVALID).
    COLORREF background = CLR_INVALID;

    void Clear();
    std::vector<int> CommandCodes(HWND from) const;
    std::vector<UINT> NotifyCodes() const;

private:
    HWND m_hwnd = nullptr;
};

// The client area of a top-level window as PrintWindow renders it, with pixels read in the client
// coordinates of any of its descendants.
class WindowPicture {
public:
    explicit WindowPicture(HWND topLevel);
    ~WindowPicture();
    WindowPicture(const WindowPicture &) = delete;
    WindowPicture &operator=(const WindowPicture &) = delete;

    bool Valid() const { return m_bits != nullptr; }
    // The colour at (x, y) of `window`'s client area; CLR_INVALID outside the picture.
    COLORREF At(HWND window, int x, int y) const;
    // How many pixels of `window`'s client rectangle `rect` have `color`.
    int Count(HWND window, const RECT &rect, COLORREF color) const;

private:
    HWND m_topLevel;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    const uint32_t *m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};
