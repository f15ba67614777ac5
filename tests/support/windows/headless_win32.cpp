// The stand-in's test extensions (win32_headless.h) on the real system, so that the same tests run there.
//
// Help calls: WinHelpA is replaced in the import tables of the process's modules by a recorder, so that a
// test sees the calls and no help viewer starts, as on the stand-in. Modules loaded later are covered the
// next time a test touches the recorder or the modal-idle hook.
//
// Modal-idle hook: the system's modal loops (dialog boxes, message boxes) run every message they take
// through the thread's WH_MSGFILTER hooks. A thread timer posts a WM_TIMER that the loop takes only when
// nothing else is waiting; the filter hook recognises it, calls the test's hook with the active window and
// the loop's code, and swallows the timer message.
#include <win32_headless.h>

#include <tlhelp32.h>

#include <cstring>
#include <mutex>
#include <vector>

namespace {

std::mutex g_mutex;
std::vector<WIN32_HELP_CALL> g_helpCalls;

BOOL WINAPI RecordingWinHelpA(HWND hwnd, LPCSTR path, UINT command, ULONG_PTR data)
{
    WIN32_HELP_CALL call{};
    call.hwnd = hwnd;
    if (path)
        strncpy(call.path, path, sizeof call.path - 1);
    call.command = command;
    call.data = data;
    std::lock_guard lock(g_mutex);
    g_helpCalls.push_back(call);
    return TRUE;
}

// Points every import-table slot that holds `original` at `replacement`, in one module.
void PatchImports(HMODULE module, const void *original, const void *replacement)
{
    auto *base = reinterpret_cast<BYTE *>(module);
    auto *dos = reinterpret_cast<IMAGE_DOS_HEADER *>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return;
    auto *nt = reinterpret_cast<IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress)
        return;
    for (auto *desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(base + dir.VirtualAddress); desc->Name; ++desc) {
        for (auto *slot = reinterpret_cast<IMAGE_THUNK_DATA *>(base + desc->FirstThunk); slot->u1.Function; ++slot) {
            if (slot->u1.Function != reinterpret_cast<ULONG_PTR>(original))
                continue;
            DWORD oldProtect = 0;
            if (VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &oldProtect)) {
                slot->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
                VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, oldProtect, &oldProtect);
            }
        }
    }
}

void RedirectWinHelp()
{
    const void *original = reinterpret_cast<const void *>(GetProcAddress(GetModuleHandleA("user32.dll"), "WinHelpA"));
    const void *replacement = reinterpret_cast<const void *>(&RecordingWinHelpA);
    if (!original)
        return;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
    if (snapshot == INVALID_HANDLE_VALUE) {
        PatchImports(GetModuleHandleA(nullptr), original, replacement);
        return;
    }
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry))
        PatchImports(entry.hModule, original, replacement);
    CloseHandle(snapshot);
}

// The recorder is in place before the first test runs.
struct HelpRedirect {
    HelpRedirect() { RedirectWinHelp(); }
} g_helpRedirect;

WIN32_MODAL_IDLE_PROC g_idleProc = nullptr;
HHOOK g_filterHook = nullptr;
UINT_PTR g_idleTimer = 0;

LRESULT CALLBACK ModalFilter(int code, WPARAM wParam, LPARAM lParam)
{
    auto *msg = reinterpret_cast<MSG *>(lParam);
    if (code >= 0 && msg && msg->message == WM_TIMER && !msg->hwnd && msg->wParam == g_idleTimer) {
        // A step that opens another modal box runs that box's loop from here: the inner loop's own timer
        // messages reach this hook again, one level deeper.
        if (g_idleProc)
            g_idleProc(GetActiveWindow(), static_cast<UINT>(code));
        return TRUE;
    }
    return CallNextHookEx(g_filterHook, code, wParam, lParam);
}

} // namespace

extern "C" {

int WINAPI Win32Headless_GetHelpCallCount(void)
{
    RedirectWinHelp();
    std::lock_guard lock(g_mutex);
    return static_cast<int>(g_helpCalls.size());
}

BOOL WINAPI Win32Headless_GetHelpCall(int index, WIN32_HELP_CALL *call)
{
    std::lock_guard lock(g_mutex);
    if (!call || index < 0 || static_cast<size_t>(index) >= g_helpCalls.size())
        return FALSE;
    *call = g_helpCalls[static_cast<size_t>(index)];
    return TRUE;
}

void WINAPI Win32Headless_ClearHelpCalls(void)
{
    RedirectWinHelp();
    std::lock_guard lock(g_mutex);
    g_helpCalls.clear();
}

WIN32_MODAL_IDLE_PROC WINAPI Win32Headless_SetModalIdleHook(WIN32_MODAL_IDLE_PROC proc)
{
    RedirectWinHelp();
    WIN32_MODAL_IDLE_PROC previous = g_idleProc;
    g_idleProc = proc;
    if (proc && !g_filterHook) {
        g_filterHook = SetWindowsHookExA(WH_MSGFILTER, ModalFilter, nullptr, GetCurrentThreadId());
        g_idleTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, nullptr);
    } else if (!proc && g_filterHook) {
        KillTimer(nullptr, g_idleTimer);
        UnhookWindowsHookEx(g_filterHook);
        g_filterHook = nullptr;
        g_idleTimer = 0;
    }
    return previous;
}

} // extern "C"
