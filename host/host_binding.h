// Binding the dialog library in the order it requires: the language library (optional), the main window
// with the menu-select callback, the help file path, the user-interface data, then every callback.
#pragma once
#include <windows.h>

#include <string>

class HostLoop;
class OrvdlgLibrary;

struct BindingOptions {
    std::string languageLibrary; // empty: the library's own resources
    std::string helpFilePath = "orvane.hlp";
};

// Prints each step; false when a binding export is missing or the language library cannot be loaded.
bool BindLibrary(OrvdlgLibrary &library, HWND mainWindow, const BindingOptions &options, HostLoop &loop);
