// FilterDllMsg, DoIdleProcessing and the message-filter hook.
#include "core/message_filter.h"

#include "core/export_guard.h"
#include "core/library_state.h"
#include "core/main_frame.h"

namespace {
// The code with which the dynamic-data-exchange manager's loops call the hook; treated as a dialog loop.
constexpr int kDdeManagerFilter = 0x8001;
HHOOK g_hook = nullptr;

bool IsKeyboardMessage(const MSG *msg) { return msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST; }

// Whether `hwnd` is the host main window or one of its descendants.
bool InHostWindow(HWND hwnd)
{
    HWND host = HostMainWindow();
    return host && hwnd && (hwnd == host || IsChild(host, hwnd));
}

LRESULT CALLBACK MessageFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    auto *msg = reinterpret_cast<MSG *>(lParam);
    if (code < 0 && code != kDdeManagerFilter)
        return CallNextHookEx(g_hook, code, wParam, lParam);
    // Inside the host's dialog and menu loops only the host window's own keys are the library's business:
    // its accelerators (help, Alt+F4) apply there as in the main loop.
    bool handled = GuardExport(
        [&] {
            CMainFrame *frame = Library().mainFrame;
            return msg && frame && frame->m_hWnd && IsKeyboardMessage(msg) && InHostWindow(msg->hwnd) &&
                   frame->PreTranslateMessage(msg);
        },
        false);
    return handled ? TRUE : CallNextHookEx(g_hook, code, wParam, lParam);
}
} // namespace

void InstallMessageFilterHook()
{
    if (!g_hook)
        g_hook = SetWindowsHookExA(WH_MSGFILTER, MessageFilterHook, nullptr, GetCurrentThreadId());
}

void RemoveMessageFilterHook()
{
    if (g_hook)
        UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
}

void BindEditorAccelerators(HWND window)
{
    Library().editorBinding = {window, Library().editorAccelerators};
}

void UnbindEditorAccelerators(HWND window)
{
    if (Library().editorBinding.window == window)
        Library().editorBinding = {};
}

extern "C" ORVANE_EXPORT int ORVANE_CALL FilterDllMsg(MSG *msg)
{
    return GuardExport(
        [&] {
            LibraryState &state = Library();
            if (!msg) {
                state.idle = false;
                return 0;
            }
            const EditorAcceleratorBinding &editor = state.editorBinding;
            if (editor.window && editor.table && TranslateAcceleratorA(editor.window, editor.table, msg))
                return 1;
            if (FrameworkPreTranslateMessage(msg)) {
                state.idle = FrameworkIsIdleMessage(msg) != FALSE;
                return 1;
            }
            state.idle = false;
            return 0;
        },
        0);
}

extern "C" ORVANE_EXPORT int ORVANE_CALL DoIdleProcessing(long count)
{
    return GuardExport(
        [&] {
            LibraryState &state = Library();
            if (state.idle)
                state.idle = FrameworkOnIdle(count) != FALSE;
            return state.idle ? 1 : 0;
        },
        0);
}
