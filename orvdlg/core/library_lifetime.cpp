// Start-up and shutdown of the library, run when the host loads and unloads it.
#include "core/element_type_names.h"
#include "core/library_state.h"
#include "core/main_frame.h"
#include "core/message_filter.h"
#include "core/three_d_controls.h"
#include "resource.h"

LibraryState &Library()
{
    static LibraryState state;
    return state;
}

namespace {
HINSTANCE OwnModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&OwnModule), &module);
    return module;
}

class LibraryLifetime {
public:
    LibraryLifetime()
    {
        LibraryState &state = Library();
        state.ownModule = OwnModule();
        FrameworkSetInstanceHandle(state.ownModule);
        FrameworkSetResourceHandle(state.ownModule);
        FrameworkSetAppTitle("ORVANE");
        state.mainFrame = new CMainFrame;
        FrameworkSetMainWnd(state.mainFrame);
        // The framework reads this very buffer on every help request.
        FrameworkSetHelpFilePath(state.helpPath);
        state.editorAccelerators =
            LoadAcceleratorsA(state.ownModule, MAKEINTRESOURCEA(IDR_EDITOR_ACCELERATORS));
        InstallMessageFilterHook();
    }

    ~LibraryLifetime()
    {
        LibraryState &state = Library();
        // Nothing of the library may stay reachable from the host's window or thread once it is unloaded.
        RemoveMessageFilterHook();
        if (state.mainFrame) {
            state.mainFrame->Unbind();
            FrameworkSetMainWnd(nullptr);
            delete state.mainFrame;
            state.mainFrame = nullptr;
        }
        if (state.threeDRegistered)
            ThreeDControls::Unregister(state.ownModule);
        if (state.editorAccelerators)
            DestroyAcceleratorTable(state.editorAccelerators);
        ElementTypeNames::Instance().Clear();
        FrameworkSetHelpFilePath(nullptr);
    }
};

const LibraryLifetime kLifetime;
} // namespace
