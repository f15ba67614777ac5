// The library's own modality. A dialog or sheet is a modeless window owned by the host main window; while it
// runs, the dialog below it on the active-dialog stack is disabled (never the host main window) and the host
// keeps processing its events through ProcessEvents, from which further exports may be called.
#pragma once
#include <windows.h>

class LibraryModality {
public:
    // Disables the dialog below and pushes `window` on the active-dialog stack.
    explicit LibraryModality(HWND window);
    // Pops, then enables the new top and gives it the focus (unless it is the host main window). A window
    // whose push failed was never on the stack, so nothing is popped for it; the dialog below is enabled again
    // all the same.
    ~LibraryModality();
    LibraryModality(const LibraryModality &) = delete;
    LibraryModality &operator=(const LibraryModality &) = delete;

    // One pass of the host's event processing. FALSE when no further input can ever arrive (no ProcessEvents
    // callback and the queue is closed): the caller then ends its dialog as cancelled.
    static bool ProcessHostEvents();

private:
    bool m_pushed = false;
};
