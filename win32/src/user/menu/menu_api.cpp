// CreateMenu, CreatePopupMenu, GetMenuItemCount, GetMenuItemID, GetSubMenu, GetMenuStringA,
// GetMenuState, AppendMenuA, CheckMenuItem, EnableMenuItem.
#include "user/menu/menu.h"

#include <algorithm>
#include <cstring>

namespace win32::user {
namespace {

constexpr UINT kNotFound = static_cast<UINT>(-1);
constexpr UINT kEnableMask = MF_GRAYED | MF_DISABLED;

// Position-only lookup for the functions that take a position.
MenuItem *ItemAt(HMENU menu, int position) {
    return position < 0 ? nullptr : FindMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
}

} // namespace
} // namespace win32::user

using namespace win32::user;

HMENU WINAPI CreateMenu(void) { return NewMenu(false); }

HMENU WINAPI CreatePopupMenu(void) { return NewMenu(true); }

int WINAPI GetMenuItemCount(HMENU hMenu) {
    Menu *menu = FindMenu(hMenu);
    return menu ? static_cast<int>(menu->items.size()) : -1;
}

UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos) {
    MenuItem *item = ItemAt(hMenu, nPos);
    if (!item || (item->flags & MF_POPUP))
        return kNotFound;
    return item->id;
}

HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos) {
    MenuItem *item = ItemAt(hMenu, nPos);
    return item && (item->flags & MF_POPUP) ? item->subMenu : nullptr;
}

int WINAPI GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags) {
    MenuItem *item = FindMenuItem(hMenu, uIDItem, flags);
    if (!item)
        return 0;
    int length = static_cast<int>(item->text.size());
    if (!lpString || cchMax <= 0)
        return length;
    int copied = std::min(length, cchMax - 1);
    std::memcpy(lpString, item->text.data(), static_cast<std::size_t>(copied));
    lpString[copied] = 0;
    return copied;
}

UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
    MenuItem *item = FindMenuItem(hMenu, uId, uFlags);
    if (!item)
        return kNotFound;
    if (item->flags & MF_POPUP) {
        // A submenu's item count goes in the high byte of the low word.
        Menu *sub = FindMenu(item->subMenu);
        UINT count = sub ? static_cast<UINT>(std::min<std::size_t>(sub->items.size(), 0xFF)) : 0;
        return (count << 8) | (item->flags & 0xFF);
    }
    return item->flags;
}

BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
    Menu *menu = FindMenu(hMenu);
    if (!menu)
        return FALSE;
    MenuItem item;
    item.flags = uFlags & ~MF_BYPOSITION;
    item.id = static_cast<UINT>(uIDNewItem);
    if (uFlags & MF_POPUP) {
        item.subMenu = reinterpret_cast<HMENU>(uIDNewItem);
        if (!FindMenu(item.subMenu))
            return FALSE;
    }
    if (uFlags & (MF_BITMAP | MF_OWNERDRAW))
        item.data = reinterpret_cast<ULONG_PTR>(lpNewItem);
    else if (!(uFlags & MF_SEPARATOR) && lpNewItem)
        item.text = lpNewItem;
    menu->items.push_back(std::move(item));
    return TRUE;
}

DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
    MenuItem *item = FindMenuItem(hMenu, uIDCheckItem, uCheck);
    if (!item)
        return kNotFound;
    DWORD previous = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~MF_CHECKED) | (uCheck & MF_CHECKED);
    return previous;
}

BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
    MenuItem *item = FindMenuItem(hMenu, uIDEnableItem, uEnable);
    if (!item)
        return -1;
    BOOL previous = static_cast<BOOL>(item->flags & kEnableMask);
    item->flags = (item->flags & ~kEnableMask) | (uEnable & kEnableMask);
    return previous;
}
