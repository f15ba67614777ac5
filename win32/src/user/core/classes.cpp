// Window classes: the application's own and the system's global classes.
#include "user/core/user_state.h"
#include "user/system_classes.h"

#include <cstring>
#include <strings.h>

namespace win32::user {

namespace {

std::vector<std::unique_ptr<WindowClass>> &AppClasses()
{
    static std::vector<std::unique_ptr<WindowClass>> classes;
    return classes;
}

std::vector<std::unique_ptr<WindowClass>> &LoadedSystemClasses()
{
    static std::vector<std::unique_ptr<WindowClass>> classes;
    static size_t loaded = 0;
    // Control files register while libraries initialise; pick up whatever arrived since last time.
    auto &registered = SystemClasses();
    for (; loaded < registered.size(); ++loaded) {
        const WNDCLASSA &wc = registered[loaded];
        auto cls = std::make_unique<WindowClass>();
        cls->name = wc.lpszClassName;
        cls->style = wc.style | CS_GLOBALCLASS;
        cls->proc = wc.lpfnWndProc;
        cls->clsExtra = wc.cbClsExtra;
        cls->wndExtra = wc.cbWndExtra;
        cls->cursor = wc.hCursor;
        cls->background = wc.hbrBackground;
        cls->system = true;
        cls->extra.assign(static_cast<size_t>(wc.cbClsExtra > 0 ? wc.cbClsExtra : 0), 0);
        classes.push_back(std::move(cls));
    }
    return classes;
}

std::string ClassNameOf(const char *name)
{
    if (IS_INTRESOURCE(name))
        return "#" + std::to_string(reinterpret_cast<uintptr_t>(name));
    return name;
}

ATOM AtomOf(const WindowClass *cls)
{
    // Atoms are stable small numbers derived from the class's position; 0xC000 upwards as the system's are.
    auto &apps = AppClasses();
    for (size_t i = 0; i < apps.size(); ++i)
        if (apps[i].get() == cls)
            return static_cast<ATOM>(0xC000 + i);
    return 0;
}

} // namespace

SystemClassRegistrar::SystemClassRegistrar(const WNDCLASSA &wc)
{
    SystemClasses().push_back(wc);
}

std::vector<WNDCLASSA> &SystemClasses()
{
    static std::vector<WNDCLASSA> classes;
    return classes;
}

WindowClass *FindClass(const char *name, HINSTANCE instance)
{
    if (!name)
        return nullptr;
    if (IS_INTRESOURCE(name)) {
        uintptr_t atom = reinterpret_cast<uintptr_t>(name);
        auto &apps = AppClasses();
        if (atom >= 0xC000 && atom - 0xC000 < apps.size() && apps[atom - 0xC000])
            return apps[atom - 0xC000].get();
        if (atom == 32770)
            name = "#32770";
        else
            return nullptr;
    }
    WindowClass *global = nullptr;
    for (auto &cls : AppClasses()) {
        if (!cls || strcasecmp(cls->name.c_str(), name) != 0)
            continue;
        if (cls->instance == instance || !instance)
            return cls.get();
        if (cls->style & CS_GLOBALCLASS)
            global = cls.get();
        else if (!global)
            global = cls.get(); // modules share one process here: any module's class will do
    }
    if (global)
        return global;
    for (auto &cls : LoadedSystemClasses())
        if (strcasecmp(cls->name.c_str(), name) == 0)
            return cls.get();
    return nullptr;
}

} // namespace win32::user

using namespace win32::user;

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA *wc)
{
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXA) || !wc->lpszClassName || !wc->lpfnWndProc || wc->cbWndExtra < 0 ||
        wc->cbClsExtra < 0 || wc->cbWndExtra > 40000 || wc->cbClsExtra > 40000) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string name = ClassNameOf(wc->lpszClassName);
    for (auto &cls : AppClasses()) {
        if (cls && strcasecmp(cls->name.c_str(), name.c_str()) == 0 && cls->instance == wc->hInstance) {
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
    }
    auto cls = std::make_unique<WindowClass>();
    cls->name = name;
    cls->style = wc->style;
    cls->proc = wc->lpfnWndProc;
    cls->clsExtra = wc->cbClsExtra;
    cls->wndExtra = wc->cbWndExtra;
    cls->instance = wc->hInstance;
    cls->icon = wc->hIcon;
    cls->cursor = wc->hCursor;
    cls->background = wc->hbrBackground;
    if (wc->lpszMenuName)
        cls->menuName = ClassNameOf(wc->lpszMenuName);
    cls->extra.assign(static_cast<size_t>(wc->cbClsExtra), 0);
    auto &apps = AppClasses();
    for (auto &slot : apps) {
        if (!slot) {
            slot = std::move(cls);
            return AtomOf(slot.get());
        }
    }
    apps.push_back(std::move(cls));
    return AtomOf(apps.back().get());
}

ATOM WINAPI RegisterClassA(const WNDCLASSA *wc)
{
    if (!wc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEXA ex{};
    ex.cbSize = sizeof(ex);
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return RegisterClassExA(&ex);
}

BOOL WINAPI UnregisterClassA(LPCSTR name, HINSTANCE instance)
{
    for (auto &cls : AppClasses()) {
        if (!cls)
            continue;
        bool match = IS_INTRESOURCE(name) ? AtomOf(cls.get()) == reinterpret_cast<uintptr_t>(name)
                                          : (name && strcasecmp(cls->name.c_str(), name) == 0);
        if (!match || cls->instance != instance)
            continue;
        // A class still used by a window stays registered, as on the platform.
        bool used = false;
        std::vector<HWND> pending(TopLevelWindows().begin(), TopLevelWindows().end());
        while (!pending.empty() && !used) {
            HWND h = pending.back();
            pending.pop_back();
            if (Window *w = FindWindowObject(h, false)) {
                used = w->cls == cls.get();
                pending.insert(pending.end(), w->children.begin(), w->children.end());
            }
        }
        if (used) {
            SetLastError(ERROR_CLASS_HAS_WINDOWS);
            return FALSE;
        }
        cls.reset();
        return TRUE;
    }
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
}

BOOL WINAPI GetClassInfoA(HINSTANCE instance, LPCSTR name, LPWNDCLASSA out)
{
    WindowClass *cls = FindClass(name, instance);
    if (!cls || !out) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    out->style = cls->style;
    out->lpfnWndProc = cls->proc;
    out->cbClsExtra = cls->clsExtra;
    out->cbWndExtra = cls->wndExtra;
    out->hInstance = cls->instance;
    out->hIcon = cls->icon;
    out->hCursor = cls->cursor;
    out->hbrBackground = cls->background;
    out->lpszMenuName = cls->menuName.empty() ? nullptr : cls->menuName.c_str();
    out->lpszClassName = cls->name.c_str();
    return TRUE;
}

int WINAPI GetClassNameA(HWND hwnd, LPSTR buffer, int max)
{
    Window *w = FindWindowObject(hwnd);
    if (!w || !buffer || max <= 0)
        return 0;
    int n = static_cast<int>(w->cls->name.size());
    if (n > max - 1)
        n = max - 1;
    memcpy(buffer, w->cls->name.data(), static_cast<size_t>(n));
    buffer[n] = 0;
    return n;
}

DWORD WINAPI GetClassLongA(HWND hwnd, int index)
{
    Window *w = FindWindowObject(hwnd);
    if (!w)
        return 0;
    WindowClass *cls = w->cls;
    switch (index) {
    case GCL_STYLE: return cls->style;
    case GCL_WNDPROC: return static_cast<DWORD>(reinterpret_cast<uintptr_t>(cls->proc));
    case GCL_CBWNDEXTRA: return static_cast<DWORD>(cls->wndExtra);
    case GCL_CBCLSEXTRA: return static_cast<DWORD>(cls->clsExtra);
    case GCL_HBRBACKGROUND: return static_cast<DWORD>(reinterpret_cast<uintptr_t>(cls->background));
    case GCL_HCURSOR: return static_cast<DWORD>(reinterpret_cast<uintptr_t>(cls->cursor));
    case GCL_HICON: return static_cast<DWORD>(reinterpret_cast<uintptr_t>(cls->icon));
    default:
        if (index >= 0 && static_cast<size_t>(index) + 4 <= cls->extra.size()) {
            DWORD v;
            memcpy(&v, cls->extra.data() + index, 4);
            return v;
        }
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
}
