// The library's process-wide state that is not the callback table: what the host bound it to and what the
// message filter and idle processing share. Plain data: everything runs on the host's user-interface thread.
#pragma once
#include <windows.h>

#include <orvane/orvdlg.h>

class CMainFrame;

struct EditorAcceleratorBinding {
    HWND window = nullptr;
    HACCEL table = nullptr;
};

struct LibraryState {
    // The help path buffer: the framework reads this very buffer on every help request.
    static constexpr size_t kHelpPathSize = 261;
    char helpPath[kHelpPathSize] = "xxxxxx.hlp";

    HWND mainWindow = nullptr;
    CMainFrame *mainFrame = nullptr;
    OrvMenuSelectCallback menuSelect = nullptr;
    HINSTANCE ownModule = nullptr;
    HINSTANCE languageModule = nullptr; // loaded once, never unloaded

    bool threeDRegistered = false;

    HACCEL editorAccelerators = nullptr; // table 134 of the library itself
    EditorAcceleratorBinding editorBinding;

    bool idle = true;
    // The first member of the host's user-interface library data: its array of graphics object handles.
    void *graphicsObjects = nullptr;
};

LibraryState &Library();

// The host main window: parent and owner of every dialog, bottom of the active-dialog stack.
inline HWND HostMainWindow() { return Library().mainWindow; }

// The rules editor and the edit-clip dialog bind the editor accelerators to their window while they are open.
void BindEditorAccelerators(HWND window);
void UnbindEditorAccelerators(HWND window);
