// Every function a host may use is exported under its own name by the system libraries, as on the platform:
// a host that looks them up with GetProcAddress finds them all.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(HostExports, TheSystemLibrariesExportEveryFunctionAHostMayUse)
{
    static const char *const userFunctions[] = {
        "RegisterClassA", "CreateWindowExA", "DestroyWindow", "DefWindowProcA", "GetMessageA", "PeekMessageA",
        "TranslateMessage", "DispatchMessageA", "PostMessageA", "SendMessageA", "IsDialogMessageA",
        "GetActiveWindow", "GetFocus", "SetFocus", "GetDlgItem", "GetDlgCtrlID", "GetParent", "GetWindow",
        "EnumChildWindows", "EnumThreadWindows", "FindWindowA", "IsWindow", "IsWindowVisible", "IsWindowEnabled",
        "EnableWindow", "ShowWindow", "GetWindowTextA", "GetWindowTextLengthA", "SetWindowTextA", "GetClassNameA",
        "GetWindowLongA", "SetWindowLongA", "CallWindowProcA", "GetClientRect", "GetWindowRect", "OpenClipboard",
        "CloseClipboard", "EmptyClipboard", "SetClipboardData", "GetClipboardData", "IsClipboardFormatAvailable",
        "PrintWindow"};
    static const char *const kernelFunctions[] = {"GlobalAlloc", "GlobalLock", "GlobalUnlock", "GlobalFree",
                                                  "GlobalSize", "LoadLibraryA", "GetProcAddress", "FreeLibrary"};
    static const char *const gdiFunctions[] = {"CreateCompatibleDC", "CreateDIBSection", "GetDIBits"};
    struct Library {
        const char *name;
        const char *const *functions;
        size_t count;
    };
    const Library libraries[] = {{"user32.dll", userFunctions, std::size(userFunctions)},
                                 {"kernel32.dll", kernelFunctions, std::size(kernelFunctions)},
                                 {"gdi32.dll", gdiFunctions, std::size(gdiFunctions)}};
    for (const Library &library : libraries) {
        HMODULE module = LoadLibraryA(library.name);
        ASSERT_NE(module, nullptr) << library.name;
        for (size_t i = 0; i < library.count; ++i)
            EXPECT_NE(GetProcAddress(module, library.functions[i]), nullptr)
                << library.functions[i] << " in " << library.name;
        FreeLibrary(module);
    }
}

} // namespace
