// Menus as data: items with their texts, ids, states and submenus. Drawing and tracking are not
// handled here; the window manager reads a window's menu through these types.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win32::user {

struct MenuItem {
    UINT flags = 0; // MF_* type and state bits, without MF_BYPOSITION and the template's MF_END
    UINT id = 0;
    HMENU subMenu = nullptr;
    std::string text;
    ULONG_PTR data = 0; // the item data of MF_BITMAP and MF_OWNERDRAW items
};

struct Menu {
    bool popup = false;
    std::vector<MenuItem> items;
};

// The menu of a live handle, or nullptr (with ERROR_INVALID_MENU_HANDLE set).
Menu *FindMenu(HMENU handle);
HMENU NewMenu(bool popup);

// The item that `item` names: a position with MF_BYPOSITION, otherwise a command id, which is
// also searched for in submenus (depth first), as the platform does. nullptr when there is none.
MenuItem *FindMenuItem(HMENU menu, UINT item, UINT flags);

// Builds a menu from a standard (version 0) or extended (version 1) menu template of at most
// `size` bytes. NULL when the template is malformed.
HMENU LoadMenuTemplate(const BYTE *data, std::size_t size);

} // namespace win32::user
