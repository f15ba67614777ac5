// The exports through which the host binds and configures the library.
#include "core/export_guard.h"
#include "core/library_state.h"
#include "core/main_frame.h"
#include "core/three_d_controls.h"

#include <cstring>

extern "C" ORVANE_EXPORT void ORVANE_CALL SetMainWindowHandle(HWND mainWindow, OrvMenuSelectCallback menuSelect)
{
    GuardExport([&] {
        LibraryState &state = Library();
        // Registering loads a further library, which is not safe while the system is still loading this one;
        // the binding is the first moment after start-up at which it is.
        if (!state.threeDRegistered) {
            ThreeDControls::Register(state.ownModule);
            state.threeDRegistered = true;
        }
        state.mainWindow = mainWindow;
        if (state.mainFrame)
            state.mainFrame->Bind(mainWindow);
        state.menuSelect = menuSelect;
    });
}

extern "C" ORVANE_EXPORT void *ORVANE_CALL SetMainWindowFocus(void)
{
    return GuardExport([] { return static_cast<void *>(CWnd::FromHandle(::SetFocus(HostMainWindow()))); },
                       static_cast<void *>(nullptr));
}

extern "C" ORVANE_EXPORT HINSTANCE ORVANE_CALL SetLanguageDLL(const char *fileName)
{
    return GuardExport(
        [&]() -> HINSTANCE {
            if (!fileName)
                return nullptr;
            HINSTANCE module = LoadLibraryA(fileName);
            if (!module)
                return nullptr;
            // The language library stays loaded for the life of the process: its resources may be in use.
            Library().languageModule = module;
            FrameworkSetResourceHandle(module);
            return module;
        },
        static_cast<HINSTANCE>(nullptr));
}

extern "C" ORVANE_EXPORT void ORVANE_CALL SetHelpFilePath(const char *path)
{
    // The buffer keeps 260 characters and its terminator, however long the host's text.
    GuardExport([&] {
        char *buffer = Library().helpPath;
        size_t length = path ? strnlen(path, LibraryState::kHelpPathSize - 1) : 0;
        if (length)
            std::memcpy(buffer, path, length);
        buffer[length] = 0;
    });
}

extern "C" ORVANE_EXPORT void ORVANE_CALL SetKESTLIBGlobalData(void *globalData)
{
    GuardExport([&] {
        // Only the first member is kept: the address of the host's array of graphics object handles.
        void *first = nullptr;
        if (globalData)
            std::memcpy(&first, globalData, sizeof first);
        Library().graphicsObjects = first;
    });
}

extern "C" ORVANE_EXPORT int ORVANE_CALL OnSysColorChangeDLL(void)
{
    return GuardExport([] { return static_cast<int>(ThreeDControls::ColorChange()); }, 0);
}
