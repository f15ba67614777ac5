// Menu handles and the item lookup shared by the menu functions.
#include "user/menu/menu.h"

#include "kernel/handle_table.h"

namespace win32::user {
namespace {

kernel::HandleTable<Menu> &Menus() {
    static auto *const menus = new kernel::HandleTable<Menu>; // menus may outlive static destructors
    return *menus;
}

// Depth-limited, so that a menu made its own submenu cannot recurse forever.
constexpr int kMaxMenuDepth = 64;

MenuItem *FindByCommand(Menu &menu, UINT id, int depth) {
    for (MenuItem &item : menu.items) {
        if (!(item.flags & MF_POPUP) && item.id == id)
            return &item;
    }
    if (depth >= kMaxMenuDepth)
        return nullptr;
    for (MenuItem &item : menu.items) {
        if (!(item.flags & MF_POPUP))
            continue;
        if (reinterpret_cast<UINT_PTR>(item.subMenu) == id)
            return &item;
        if (Menu *sub = Menus().Find(item.subMenu)) {
            if (MenuItem *found = FindByCommand(*sub, id, depth + 1))
                return found;
        }
    }
    return nullptr;
}

} // namespace

Menu *FindMenu(HMENU handle) {
    Menu *menu = Menus().Find(handle);
    if (!menu)
        SetLastError(ERROR_INVALID_MENU_HANDLE);
    return menu;
}

HMENU NewMenu(bool popup) {
    auto menu = std::make_unique<Menu>();
    menu->popup = popup;
    return Menus().Insert<HMENU>(std::move(menu));
}

MenuItem *FindMenuItem(HMENU handle, UINT item, UINT flags) {
    Menu *menu = FindMenu(handle);
    if (!menu)
        return nullptr;
    if (flags & MF_BYPOSITION)
        return item < menu->items.size() ? &menu->items[item] : nullptr;
    return FindByCommand(*menu, item, 0);
}

} // namespace win32::user

using namespace win32::user;

namespace {

// Submenus belong to their menu and go with it. A submenu destroyed already (or shared by two
// items) is simply no longer in the table.
void DestroyMenuTree(std::unique_ptr<Menu> menu) {
    for (MenuItem &item : menu->items) {
        if (item.flags & MF_POPUP) {
            if (std::unique_ptr<Menu> sub = Menus().Remove(item.subMenu))
                DestroyMenuTree(std::move(sub));
        }
    }
}

} // namespace

BOOL WINAPI DestroyMenu(HMENU hMenu) {
    std::unique_ptr<Menu> menu = Menus().Remove(hMenu);
    if (!menu) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    DestroyMenuTree(std::move(menu));
    return TRUE;
}

BOOL WINAPI IsMenu(HMENU hMenu) { return Menus().Find(hMenu) != nullptr; }
