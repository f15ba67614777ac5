#include "host_binding.h"

#include "host_callbacks.h"
#include "host_loop.h"
#include "orvdlg_library.h"

#include <orvane/orvdlg.h>

#include <cstdio>

namespace {

// The host's user-interface library data: its first member points at the graphics objects that display
// and style records index.
struct HostUiGlobals {
    HGDIOBJ *objects;
    int count;
};

HGDIOBJ g_graphicsObjects[6];
HostUiGlobals g_uiGlobals{g_graphicsObjects, 6};

void FillGraphicsObjects()
{
    const int stock[] = {BLACK_PEN, WHITE_PEN, BLACK_BRUSH, WHITE_BRUSH, GRAY_BRUSH, ANSI_VAR_FONT};
    for (int i = 0; i < g_uiGlobals.count; ++i)
        g_graphicsObjects[i] = GetStockObject(stock[i]);
}

template <typename Function> Function Require(OrvdlgLibrary &library, const char *name, bool &ok)
{
    Function function = library.Find<Function>(name);
    if (!function) {
        printf("  binding: %s is missing from the library\n", name);
        ok = false;
    }
    return function;
}

} // namespace

bool BindLibrary(OrvdlgLibrary &library, HWND mainWindow, const BindingOptions &options, HostLoop &loop)
{
    bool ok = true;
    if (!options.languageLibrary.empty()) {
        if (auto setLanguage = Require<decltype(&SetLanguageDLL)>(library, "SetLanguageDLL", ok)) {
            HINSTANCE language = setLanguage(options.languageLibrary.c_str());
            printf("  SetLanguageDLL(\"%s\") -> %s\n", options.languageLibrary.c_str(),
                   language ? "loaded" : "null (the library keeps its own resources)");
            ok = ok && language;
        }
    }
    if (auto setMainWindow = Require<decltype(&SetMainWindowHandle)>(library, "SetMainWindowHandle", ok)) {
        setMainWindow(mainWindow, HostMenuSelect);
        printf("  SetMainWindowHandle(main window, HostMenuSelect)\n");
    }
    if (auto setHelp = Require<decltype(&SetHelpFilePath)>(library, "SetHelpFilePath", ok)) {
        setHelp(options.helpFilePath.c_str());
        printf("  SetHelpFilePath(\"%s\")\n", options.helpFilePath.c_str());
    }
    if (auto setGlobals = Require<decltype(&SetKESTLIBGlobalData)>(library, "SetKESTLIBGlobalData", ok)) {
        FillGraphicsObjects();
        setGlobals(&g_uiGlobals);
        printf("  SetKESTLIBGlobalData(%d graphics objects)\n", g_uiGlobals.count);
    }
    int setters = RegisterHostCallbacks(library);
    printf("  %d of 43 callback setters called\n", setters);
    ok = ok && setters == 43;
    auto filter = Require<HostLoop::FilterFunction>(library, "FilterDllMsg", ok);
    auto idle = Require<HostLoop::IdleFunction>(library, "DoIdleProcessing", ok);
    loop.Bind(filter, idle);
    return ok;
}
