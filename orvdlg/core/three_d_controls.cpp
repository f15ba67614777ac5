#include "core/three_d_controls.h"

namespace {
using RegisterFn = BOOL(WINAPI *)(HINSTANCE);
using ColorChangeFn = BOOL(WINAPI *)(void);

struct Functions {
    HMODULE module = nullptr;
    RegisterFn registerApp = nullptr;
    RegisterFn autoSubclass = nullptr;
    RegisterFn unregisterApp = nullptr;
    ColorChangeFn colorChange = nullptr;
};

template <typename Fn> Fn Find(HMODULE module, const char *name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(module, name))) : nullptr;
}

Functions &Library3D()
{
    static Functions functions = [] {
        Functions f;
        f.module = LoadLibraryA("ctl3d32.dll");
        f.registerApp = Find<RegisterFn>(f.module, "Ctl3dRegister");
        f.autoSubclass = Find<RegisterFn>(f.module, "Ctl3dAutoSubclass");
        f.unregisterApp = Find<RegisterFn>(f.module, "Ctl3dUnregister");
        f.colorChange = Find<ColorChangeFn>(f.module, "Ctl3dColorChange");
        return f;
    }();
    return functions;
}
} // namespace

namespace ThreeDControls {
void Register(HINSTANCE module)
{
    Functions &f = Library3D();
    if (f.registerApp && f.registerApp(module) && f.autoSubclass)
        f.autoSubclass(module);
}

void Unregister(HINSTANCE module)
{
    Functions &f = Library3D();
    if (f.unregisterApp)
        f.unregisterApp(module);
}

BOOL ColorChange()
{
    Functions &f = Library3D();
    return f.colorChange ? f.colorChange() : FALSE;
}
} // namespace ThreeDControls
