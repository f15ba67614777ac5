// Window handles: a slot table with a generation count, so a stale handle never finds a new window.
#include "user/core/user_state.h"

#include <dlfcn.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

namespace win32::user {

namespace {

struct Slot {
    std::unique_ptr<Window> window;
    uint16_t generation = 1;
};

std::vector<Slot> &Slots()
{
    static std::vector<Slot> slots;
    return slots;
}

std::vector<size_t> &FreeSlots()
{
    static std::vector<size_t> free;
    return free;
}

std::map<DWORD, std::unique_ptr<ThreadState>> &Threads()
{
    static std::map<DWORD, std::unique_ptr<ThreadState>> threads;
    return threads;
}

} // namespace

Window *FindWindowObject(HWND hwnd, bool setError)
{
    uintptr_t value = reinterpret_cast<uintptr_t>(hwnd);
    size_t slot = value & 0xFFFF;
    uint16_t generation = static_cast<uint16_t>(value >> 16);
    auto &slots = Slots();
    if (slot < slots.size() && slots[slot].window && slots[slot].generation == generation)
        return slots[slot].window.get();
    if (setError)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
}

Window *AllocateWindow()
{
    auto &slots = Slots();
    auto &free = FreeSlots();
    size_t slot;
    if (!free.empty()) {
        slot = free.back();
        free.pop_back();
    } else {
        if (slots.size() >= 0xFFFE)
            return nullptr;
        slots.emplace_back();
        slot = slots.size() - 1;
    }
    slots[slot].window = std::make_unique<Window>();
    Window *w = slots[slot].window.get();
    w->handle = reinterpret_cast<HWND>((static_cast<uintptr_t>(slots[slot].generation) << 16) | slot);
    return w;
}

void FreeWindow(HWND hwnd)
{
    uintptr_t value = reinterpret_cast<uintptr_t>(hwnd);
    size_t slot = value & 0xFFFF;
    auto &slots = Slots();
    if (slot >= slots.size() || !slots[slot].window)
        return;
    slots[slot].window.reset();
    if (++slots[slot].generation == 0x8000)
        slots[slot].generation = 1;
    FreeSlots().push_back(slot);
}

size_t LiveWindowCount()
{
    return Slots().size() - FreeSlots().size();
}

std::vector<HWND> &TopLevelWindows()
{
    static std::vector<HWND> windows;
    return windows;
}

ThreadState &CurrentThread()
{
    static thread_local ThreadState *state = nullptr;
    if (!state) {
        DWORD id = GetCurrentThreadId();
        auto &threads = Threads();
        auto &slot = threads[id];
        if (!slot) {
            slot = std::make_unique<ThreadState>();
            slot->threadId = id;
        }
        state = slot.get();
    }
    return *state;
}

ThreadState *ThreadOf(DWORD threadId)
{
    auto &threads = Threads();
    auto it = threads.find(threadId);
    return it == threads.end() ? nullptr : it->second.get();
}

DWORD TickCount()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<DWORD>(static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

HWND TopLevelOf(HWND hwnd)
{
    Window *w = FindWindowObject(hwnd, false);
    while (w && (w->style & WS_CHILD) && w->parent) {
        Window *p = FindWindowObject(w->parent, false);
        if (!p)
            break;
        w = p;
    }
    return w ? w->handle : nullptr;
}

bool IsVisibleChain(HWND hwnd)
{
    Window *w = FindWindowObject(hwnd, false);
    while (w) {
        if (!(w->style & WS_VISIBLE))
            return false;
        if (!(w->style & WS_CHILD) || !w->parent)
            return true;
        w = FindWindowObject(w->parent, false);
    }
    return false;
}

POINT ClientOriginOnScreen(const Window &w)
{
    POINT p{w.windowRect.left + w.clientRect.left, w.windowRect.top + w.clientRect.top};
    const Window *cur = &w;
    while ((cur->style & WS_CHILD) && cur->parent) {
        const Window *parent = FindWindowObject(cur->parent, false);
        if (!parent)
            break;
        p.x += parent->windowRect.left + parent->clientRect.left;
        p.y += parent->windowRect.top + parent->clientRect.top;
        cur = parent;
    }
    return p;
}

LRESULT CallProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!proc)
        return 0;
    return proc(hwnd, msg, wParam, lParam);
}

} // namespace win32::user
