// The system window classes (Button, Edit, Static, ListBox, ComboBox, ComboLBox, #32770,
// SysTabControl32). Each control file registers its class with a static registrar; the window
// manager makes them available to CreateWindowExA in every module, as global classes are.
#pragma once
#include <windows.h>
#include <vector>

namespace win32::user {

struct SystemClassRegistrar {
    explicit SystemClassRegistrar(const WNDCLASSA &wc);
};

// Every class registered so far (function-local static: safe during static initialisation).
std::vector<WNDCLASSA> &SystemClasses();

} // namespace win32::user
