#include "framework/module_state.h"

#include <string>

namespace {

struct ModuleState {
    HINSTANCE instance = nullptr;
    HINSTANCE resources = nullptr;
    const char *helpFilePath = nullptr;
    CWnd *mainWnd = nullptr;
    std::string appTitle;
    bool appTitleSet = false;
};

ModuleState &State() {
    static ModuleState state;
    return state;
}

// The module's file name without directory and extension.
std::string TitleFromModule(HINSTANCE instance) {
    char path[MAX_PATH + 1] = {};
    if (GetModuleFileNameA(instance, path, MAX_PATH) == 0)
        return {};
    std::string name(path);
    size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

} // namespace

HINSTANCE FrameworkGetInstanceHandle() {
    ModuleState &state = State();
    if (state.instance == nullptr)
        state.instance = GetModuleHandleA(nullptr);
    return state.instance;
}

void FrameworkSetInstanceHandle(HINSTANCE instance) { State().instance = instance; }

HINSTANCE FrameworkGetResourceHandle() {
    ModuleState &state = State();
    return state.resources != nullptr ? state.resources : FrameworkGetInstanceHandle();
}

void FrameworkSetResourceHandle(HINSTANCE resources) { State().resources = resources; }

const char *FrameworkGetHelpFilePath() { return State().helpFilePath; }

void FrameworkSetHelpFilePath(const char *path) { State().helpFilePath = path; }

CWnd *FrameworkGetMainWnd() { return State().mainWnd; }

void FrameworkSetMainWnd(CWnd *wnd) { State().mainWnd = wnd; }

const char *FrameworkGetAppTitle() {
    ModuleState &state = State();
    if (!state.appTitleSet) {
        state.appTitle = TitleFromModule(FrameworkGetInstanceHandle());
        state.appTitleSet = true;
    }
    return state.appTitle.c_str();
}

void FrameworkSetAppTitle(const char *title) {
    ModuleState &state = State();
    state.appTitle = title != nullptr ? title : "";
    state.appTitleSet = true;
}
