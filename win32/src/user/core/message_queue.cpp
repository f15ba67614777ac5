// The thread's message queue: sent, posted and input messages, paint and timer messages, key state.
#include "user/core/user_state.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <unistd.h>

namespace win32::user {

namespace {

bool MatchesFilter(const MSG &msg, HWND filter, UINT first, UINT last)
{
    if (filter == reinterpret_cast<HWND>(-1)) {
        if (msg.hwnd)
            return false;
    } else if (filter) {
        if (msg.hwnd != filter && !IsChild(filter, msg.hwnd))
            return false;
    }
    if (first == 0 && last == 0)
        return true;
    return msg.message >= first && msg.message <= last;
}

bool RangeIncludes(UINT message, UINT first, UINT last)
{
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

DWORD PackedCursorPos()
{
    POINT p;
    GetCursorPos(&p);
    return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

void Stamp(MSG &msg)
{
    msg.time = TickCount();
    GetCursorPos(&msg.pt);
}

// Keyboard input goes to the focus window when it is taken from the queue; with no focus,
// the active window gets it as a system key, as the platform does.
bool ResolveInputTarget(QueuedMessage &q)
{
    ThreadState &ts = CurrentThread();
    HWND focus = GetFocus();
    HWND target = focus ? focus : GetActiveWindow();
    if (!target)
        return false;
    q.msg.hwnd = target;
    bool alt = (ts.keyState[VK_MENU] & 0x80) != 0 || (q.msg.wParam == VK_MENU && q.msg.message == WM_KEYDOWN);
    bool control = (ts.keyState[VK_CONTROL] & 0x80) != 0;
    bool sys = (alt && !control) || !focus || q.msg.wParam == VK_F10;
    if (sys) {
        if (q.msg.message == WM_KEYDOWN)
            q.msg.message = WM_SYSKEYDOWN;
        else if (q.msg.message == WM_KEYUP)
            q.msg.message = WM_SYSKEYUP;
        if (alt)
            q.msg.lParam |= 0x20000000;
    }
    return true;
}

bool TakeTimer(ThreadState &ts, HWND filter, UINT first, UINT last, bool remove, MSG *out)
{
    if (!RangeIncludes(WM_TIMER, first, last))
        return false;
    DWORD now = TickCount();
    for (auto &t : ts.timers) {
        if (static_cast<int32_t>(now - t.due) < 0)
            continue;
        MSG m{};
        m.hwnd = t.hwnd;
        m.message = WM_TIMER;
        m.wParam = t.id;
        m.lParam = reinterpret_cast<LPARAM>(t.proc);
        if (!MatchesFilter(m, filter, first, last))
            continue;
        Stamp(m);
        *out = m;
        if (remove)
            t.due = now + t.elapse;
        return true;
    }
    return false;
}

} // namespace

bool IsInputMessage(UINT msg)
{
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST);
}

void UpdateKeyStateFor(const MSG &msg)
{
    bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (!down && msg.message != WM_KEYUP && msg.message != WM_SYSKEYUP)
        return;
    ThreadState &ts = CurrentThread();
    auto update = [&ts, down](BYTE key) {
        if (!down) {
            ts.keyState[key] &= static_cast<BYTE>(~0x80);
            return;
        }
        if (!(ts.keyState[key] & 0x80))
            ts.keyState[key] ^= 0x01; // toggle state flips on each press
        ts.keyState[key] |= 0x80;
    };
    BYTE vk = static_cast<BYTE>(msg.wParam);
    update(vk);
    // A left or right modifier also moves the plain modifier key.
    if (vk == VK_LSHIFT || vk == VK_RSHIFT)
        update(VK_SHIFT);
    else if (vk == VK_LCONTROL || vk == VK_RCONTROL)
        update(VK_CONTROL);
    else if (vk == VK_LMENU || vk == VK_RMENU)
        update(VK_MENU);
}

void RemoveWindowMessages(HWND hwnd)
{
    ThreadState &ts = CurrentThread();
    auto drop = [hwnd](const QueuedMessage &q) { return q.msg.hwnd == hwnd; };
    ts.posted.erase(std::remove_if(ts.posted.begin(), ts.posted.end(), drop), ts.posted.end());
}

void DropTimersOf(HWND hwnd)
{
    ThreadState &ts = CurrentThread();
    ts.timers.erase(std::remove_if(ts.timers.begin(), ts.timers.end(), [hwnd](const Timer &t) { return t.hwnd == hwnd; }),
                    ts.timers.end());
}

} // namespace win32::user

using namespace win32::user;

LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallProc(proc, hwnd, msg, wParam, lParam);
}

LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == HWND_BROADCAST) {
        std::vector<HWND> tops = TopLevelWindows();
        for (HWND h : tops)
            if (FindWindowObject(h, false))
                SendMessageA(h, msg, wParam, lParam);
        return 0;
    }
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return 0;
    ThreadState &ts = CurrentThread();
    ++ts.sendDepth;
    LRESULT result = CallProc(w->proc, hwnd, msg, wParam, lParam);
    --ts.sendDepth;
    return result;
}

BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == HWND_BROADCAST) {
        for (HWND h : TopLevelWindows())
            PostMessageA(h, msg, wParam, lParam);
        return TRUE;
    }
    ThreadState *ts = &CurrentThread();
    if (hwnd) {
        Window *w = FindWindowObject(hwnd);
        if (!w)
            return FALSE;
        if (ThreadState *owner = ThreadOf(w->threadId))
            ts = owner;
    }
    QueuedMessage q;
    q.msg.hwnd = hwnd;
    q.msg.message = msg;
    q.msg.wParam = wParam;
    q.msg.lParam = lParam;
    Stamp(q.msg);
    ts->posted.push_back(q);
    return TRUE;
}

BOOL WINAPI PostThreadMessageA(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ThreadState *ts = threadId == GetCurrentThreadId() ? &CurrentThread() : ThreadOf(threadId);
    if (!ts) {
        SetLastError(ERROR_INVALID_THREAD_ID);
        return FALSE;
    }
    QueuedMessage q;
    q.msg.message = msg;
    q.msg.wParam = wParam;
    q.msg.lParam = lParam;
    Stamp(q.msg);
    ts->posted.push_back(q);
    return TRUE;
}

void WINAPI PostQuitMessage(int code)
{
    ThreadState &ts = CurrentThread();
    ts.quit = true;
    ts.quitCode = code;
}

BOOL WINAPI PeekMessageA(LPMSG out, HWND filter, UINT first, UINT last, UINT flags)
{
    if (!out)
        return FALSE;
    ThreadState &ts = CurrentThread();
    bool remove = (flags & PM_REMOVE) != 0;
    for (auto it = ts.posted.begin(); it != ts.posted.end(); ++it) {
        if (!MatchesFilter(it->msg, filter, first, last))
            continue;
        *out = it->msg;
        if (remove)
            ts.posted.erase(it);
        ts.messageTime = out->time;
        ts.messagePos = MAKELONG(static_cast<WORD>(out->pt.x), static_cast<WORD>(out->pt.y));
        return TRUE;
    }
    if (ts.quit && RangeIncludes(WM_QUIT, first, last)) {
        MSG m{};
        m.message = WM_QUIT;
        m.wParam = static_cast<WPARAM>(ts.quitCode);
        Stamp(m);
        *out = m;
        if (remove)
            ts.quit = false;
        return TRUE;
    }
    while (!ts.input.empty()) {
        QueuedMessage q = ts.input.front();
        if (!ResolveInputTarget(q)) {
            ts.input.pop_front(); // nowhere to go: the platform drops such input too
            UpdateKeyStateFor(q.msg);
            continue;
        }
        if (!MatchesFilter(q.msg, filter, first, last))
            break;
        *out = q.msg;
        if (remove) {
            ts.input.pop_front();
            UpdateKeyStateFor(q.msg);
        }
        ts.messageTime = out->time;
        return TRUE;
    }
    if (RangeIncludes(WM_PAINT, first, last)) {
        HWND paint = nullptr;
        if (HasPendingPaint(ts.threadId, filter == reinterpret_cast<HWND>(-1) ? nullptr : filter, &paint) &&
            filter != reinterpret_cast<HWND>(-1)) {
            MSG m{};
            m.hwnd = paint;
            m.message = WM_PAINT;
            Stamp(m);
            *out = m;
            return TRUE;
        }
    }
    if (TakeTimer(ts, filter, first, last, remove, out))
        return TRUE;
    return FALSE;
}

BOOL WINAPI GetMessageA(LPMSG out, HWND filter, UINT first, UINT last)
{
    if (!out) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (filter && filter != reinterpret_cast<HWND>(-1) && !FindWindowObject(filter))
        return -1;
    for (;;) {
        if (PeekMessageA(out, filter, first, last, PM_REMOVE))
            return out->message != WM_QUIT;
        ThreadState &ts = CurrentThread();
        if (ts.timers.empty()) {
            // Nothing can ever arrive: a real system would wait forever. Say so instead of hanging.
            fprintf(stderr, "stand-in: GetMessage would wait forever: no message, input or timer is pending\n");
            SetLastError(ERROR_INVALID_FUNCTION);
            return -1;
        }
        usleep(1000);
    }
}

BOOL WINAPI WaitMessage(void)
{
    ThreadState &ts = CurrentThread();
    for (;;) {
        MSG m;
        if (PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE))
            return TRUE;
        if (ts.timers.empty())
            return FALSE;
        usleep(1000);
    }
}

DWORD WINAPI GetQueueStatus(UINT flags)
{
    ThreadState &ts = CurrentThread();
    DWORD status = 0;
    if (!ts.posted.empty())
        status |= QS_POSTMESSAGE;
    if (!ts.input.empty())
        status |= QS_KEY;
    HWND paint;
    if (HasPendingPaint(ts.threadId, nullptr, &paint))
        status |= QS_PAINT;
    DWORD now = TickCount();
    for (auto &t : ts.timers)
        if (static_cast<int32_t>(now - t.due) >= 0)
            status |= QS_TIMER;
    status &= flags;
    return MAKELONG(status, status);
}

BOOL WINAPI InSendMessage(void)
{
    return FALSE; // every send here comes from the same thread
}

LONG WINAPI GetMessageTime(void)
{
    return static_cast<LONG>(CurrentThread().messageTime);
}

DWORD WINAPI GetMessagePos(void)
{
    return PackedCursorPos();
}

LRESULT WINAPI DispatchMessageA(const MSG *msg)
{
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, TickCount());
        return 0;
    }
    if (!msg->hwnd)
        return 0;
    Window *w = FindWindowObject(msg->hwnd);
    if (!w)
        return 0;
    LRESULT result = CallProc(w->proc, msg->hwnd, msg->message, msg->wParam, msg->lParam);
    if (msg->message == WM_PAINT) {
        // A window procedure that ignored WM_PAINT must not get it forever.
        if (Window *after = FindWindowObject(msg->hwnd, false))
            if (!IsRectEmpty(&after->update))
                ValidateRect(msg->hwnd, nullptr);
    }
    return result;
}

UINT WINAPI RegisterWindowMessageA(LPCSTR name)
{
    static std::vector<std::string> names;
    if (!name || !*name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    for (size_t i = 0; i < names.size(); ++i)
        if (strcasecmp(names[i].c_str(), name) == 0)
            return static_cast<UINT>(0xC000 + i);
    if (names.size() >= 0x3FFF)
        return 0;
    names.emplace_back(name);
    return static_cast<UINT>(0xC000 + names.size() - 1);
}

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    if (hwnd && !FindWindowObject(hwnd))
        return 0;
    ThreadState &ts = CurrentThread();
    if (elapse < 10)
        elapse = 10;
    if (!hwnd) {
        static UINT_PTR nextId = 0x7F00;
        auto existing = std::find_if(ts.timers.begin(), ts.timers.end(),
                                     [id](const Timer &t) { return !t.hwnd && t.id == id && id != 0; });
        if (existing == ts.timers.end())
            id = ++nextId;
    }
    for (auto &t : ts.timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t.elapse = elapse;
            t.due = TickCount() + elapse;
            t.proc = proc;
            return hwnd ? 1 : id;
        }
    }
    ts.timers.push_back(Timer{hwnd, id, elapse, TickCount() + elapse, proc});
    return hwnd ? 1 : id;
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id)
{
    ThreadState &ts = CurrentThread();
    auto it = std::find_if(ts.timers.begin(), ts.timers.end(),
                           [hwnd, id](const Timer &t) { return t.hwnd == hwnd && t.id == id; });
    if (it == ts.timers.end())
        return FALSE;
    ts.timers.erase(it);
    return TRUE;
}

void WINAPI keybd_event(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extra)
{
    QueuedMessage q;
    q.input = true;
    bool up = (flags & KEYEVENTF_KEYUP) != 0;
    q.msg.message = up ? WM_KEYUP : WM_KEYDOWN;
    q.msg.wParam = vk;
    DWORD lParam = 1u | (static_cast<DWORD>(scan) << 16);
    if (flags & KEYEVENTF_EXTENDEDKEY)
        lParam |= 0x01000000u;
    if (up)
        lParam |= 0xC0000000u;
    q.msg.lParam = static_cast<LPARAM>(lParam);
    Stamp(q.msg);
    CurrentThread().input.push_back(q);
}

SHORT WINAPI GetKeyState(int vk)
{
    if (vk < 0 || vk > 255)
        return 0;
    BYTE s = CurrentThread().keyState[vk];
    SHORT result = 0;
    if (s & 0x80)
        result = static_cast<SHORT>(0xFF80);
    if (s & 0x01)
        result = static_cast<SHORT>(result | 1);
    return result;
}

SHORT WINAPI GetAsyncKeyState(int vk)
{
    if (vk < 0 || vk > 255)
        return 0;
    return (CurrentThread().keyState[vk] & 0x80) ? static_cast<SHORT>(0x8000) : 0;
}

BOOL WINAPI GetKeyboardState(PBYTE state)
{
    if (!state)
        return FALSE;
    memcpy(state, CurrentThread().keyState, 256);
    return TRUE;
}

BOOL WINAPI SetKeyboardState(LPBYTE state)
{
    if (!state)
        return FALSE;
    memcpy(CurrentThread().keyState, state, 256);
    return TRUE;
}

UINT WINAPI MapVirtualKeyA(UINT code, UINT type)
{
    // Only the virtual-key to character mapping (type 2) is meaningful without a keyboard.
    if (type == 2) {
        if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || code == VK_SPACE)
            return code;
        return 0;
    }
    return code;
}

BOOL WINAPI MessageBeep(UINT type)
{
    return TRUE;
}
