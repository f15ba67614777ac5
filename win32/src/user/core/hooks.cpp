// Thread hooks. Message-filter hooks run from every modal loop through CallMsgFilterA; other kinds are kept
// so that installing them succeeds, but nothing here calls them yet.
#include "user/core/user_state.h"

#include <algorithm>

using namespace win32::user;

HHOOK WINAPI SetWindowsHookExA(int type, HOOKPROC proc, HINSTANCE module, DWORD threadId)
{
    if (!proc || type < WH_MSGFILTER || type > 14) {
        SetLastError(proc ? ERROR_INVALID_HOOK_FILTER : ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (threadId == 0 && !module) {
        SetLastError(ERROR_HOOK_NEEDS_HMOD);
        return nullptr;
    }
    static uintptr_t next = 0x10001;
    auto hook = std::make_shared<Hook>();
    hook->handle = reinterpret_cast<HHOOK>(next);
    next += 2;
    hook->type = type;
    hook->proc = proc;
    ThreadState &ts = CurrentThread();
    ts.hooks.insert(ts.hooks.begin(), hook);
    return hook->handle;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK handle)
{
    ThreadState &ts = CurrentThread();
    auto it = std::find_if(ts.hooks.begin(), ts.hooks.end(), [handle](auto &h) { return h->handle == handle; });
    if (it == ts.hooks.end()) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    (*it)->removed = true;
    ts.hooks.erase(it);
    return TRUE;
}

LRESULT WINAPI CallNextHookEx(HHOOK current, int code, WPARAM wParam, LPARAM lParam)
{
    ThreadState &ts = CurrentThread();
    auto it = std::find_if(ts.hooks.begin(), ts.hooks.end(), [current](auto &h) { return h->handle == current; });
    if (it == ts.hooks.end())
        return 0;
    int type = (*it)->type;
    for (++it; it != ts.hooks.end(); ++it) {
        if ((*it)->type == type) {
            std::shared_ptr<Hook> next = *it; // keeps it alive if it unhooks itself
            return next->proc(code, wParam, lParam);
        }
    }
    return 0;
}

BOOL WINAPI CallMsgFilterA(LPMSG msg, int code)
{
    if (!msg)
        return FALSE;
    ThreadState &ts = CurrentThread();
    for (int type : {WH_SYSMSGFILTER, WH_MSGFILTER}) {
        for (auto &h : ts.hooks) {
            if (h->type != type)
                continue;
            std::shared_ptr<Hook> hook = h;
            if (hook->proc(code, 0, reinterpret_cast<LPARAM>(msg)))
                return TRUE;
            break; // the first hook of the chain decides; it calls the next itself
        }
    }
    return FALSE;
}
