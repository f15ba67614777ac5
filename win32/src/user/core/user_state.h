// The window manager's own data: classes, windows and the per-thread input state.
// Everything runs on the thread that created the windows; there is no locking.
#pragma once
#include <windows.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace win32::user {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
    bool system = false;
    std::vector<uint8_t> extra;
};

struct Window {
    HWND handle = nullptr;
    WindowClass *cls = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr; // child windows only
    HWND owner = nullptr;  // top-level windows only
    std::vector<HWND> children; // z-order, topmost first
    std::string text;
    RECT windowRect{}; // parent client coordinates for children, screen for top-level windows
    RECT clientRect{}; // relative to the window rectangle's top-left corner
    UINT_PTR id = 0;   // child id, or the menu of a top-level window
    HINSTANCE instance = nullptr;
    LONG userData = 0;
    std::vector<uint8_t> extra;
    std::map<std::string, HANDLE> props;
    DWORD threadId = 0;

    // Painting.
    RECT update{}; // client coordinates; empty when valid
    bool erase = false;
    bool frameDirty = false;
    HBITMAP surface = nullptr; // top-level windows: everything they and their children show
    int surfaceWidth = 0;
    int surfaceHeight = 0;

    bool destroying = false;
    bool created = false; // WM_NCCREATE accepted
};

struct QueuedMessage {
    MSG msg{};
    bool input = false; // from keybd_event: updates the key state when retrieved
};

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    DWORD due = 0;
    TIMERPROC proc = nullptr;
};

struct Hook {
    HHOOK handle = nullptr;
    int type = 0;
    HOOKPROC proc = nullptr;
    bool removed = false;
};

struct ThreadState {
    DWORD threadId = 0;
    std::deque<QueuedMessage> posted;
    std::deque<QueuedMessage> input;
    std::vector<Timer> timers;
    std::vector<std::shared_ptr<Hook>> hooks; // most recent first
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    bool quit = false;
    int quitCode = 0;
    BYTE keyState[256] = {};
    DWORD messageTime = 0;
    DWORD messagePos = 0;
    int sendDepth = 0;
};

// Lookup: null when the handle is not a live window (last error ERROR_INVALID_WINDOW_HANDLE when `setError`).
Window *FindWindowObject(HWND hwnd, bool setError = true);
// All live windows that have no parent (top-level), in z-order, topmost first.
std::vector<HWND> &TopLevelWindows();
ThreadState &CurrentThread();
ThreadState *ThreadOf(DWORD threadId);
WindowClass *FindClass(const char *name, HINSTANCE instance);

Window *AllocateWindow();
size_t LiveWindowCount();
void FreeWindow(HWND hwnd);

// Helpers shared by the core's files.
HWND TopLevelOf(HWND hwnd);
bool IsVisibleChain(HWND hwnd); // the window and all its ancestors are visible
POINT ClientOriginOnScreen(const Window &w);
void ComputeClientRect(Window &w);
void RemoveWindowMessages(HWND hwnd);
void DropTimersOf(HWND hwnd);
void ClipboardWindowDestroyed(HWND hwnd);
void FocusWindowDestroyed(HWND hwnd);
void ActivateAfterHideOrDestroy(HWND hwnd);
void ReleaseSurface(Window &w);
void PaintNonClient(HWND hwnd);
bool HasPendingPaint(DWORD threadId, HWND filter, HWND *found);
bool IsInputMessage(UINT msg);
DWORD TickCount();
LRESULT CallProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void UpdateKeyStateFor(const MSG &msg);

} // namespace win32::user
