// Menus from templates: the standard format that MENU scripts compile to (a 4-byte header, then
// items of WORD flags, WORD id unless MF_POPUP, and UTF-16 text; MF_END closes a level) and the
// extended format of MENUEX scripts (DWORD type, state and id, WORD flags with 0x01 for a
// submenu and 0x80 for the last item, DWORD-aligned text, a help id before a submenu's items).
#include "kernel/ansi_codepage.h"
#include "kernel/resource_data.h"
#include "user/menu/menu.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace win32::user {
namespace {

constexpr int kMaxNesting = 32;
constexpr WORD kExtendedSubMenu = 0x01;
constexpr WORD kExtendedLastItem = 0x80;
constexpr UINT kStandardFlagMask = 0xFFFF & ~MF_END;

class TemplateReader {
public:
    TemplateReader(const BYTE *data, std::size_t size) : m_data(data), m_size(size) {}

    bool Skip(std::size_t bytes) {
        if (m_size - m_pos < bytes)
            return false;
        m_pos += bytes;
        return true;
    }
    bool Word(WORD &value) {
        if (m_size - m_pos < 2)
            return false;
        value = static_cast<WORD>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
        m_pos += 2;
        return true;
    }
    bool Dword(DWORD &value) {
        WORD low = 0;
        WORD high = 0;
        if (!Word(low) || !Word(high))
            return false;
        value = low | (DWORD(high) << 16);
        return true;
    }
    bool Text(std::string &text) {
        text.clear();
        for (WORD unit = 0; Word(unit);) {
            if (unit == 0)
                return true;
            text.push_back(static_cast<char>(kernel::UnicodeToAnsi(static_cast<char16_t>(unit))));
        }
        return false;
    }
    // Extended items are aligned relative to the template's start, which is itself aligned. The
    // compiler leaves out the padding after the very last item.
    void AlignDword() { m_pos += std::min((4 - m_pos % 4) % 4, m_size - m_pos); }

private:
    const BYTE *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A template that fails half way leaves no menus behind.
class MenuBuilder {
public:
    ~MenuBuilder() {
        if (m_root)
            DestroyMenu(m_root);
    }
    HMENU Root(bool popup) { return m_root = NewMenu(popup); }
    HMENU Release() { return std::exchange(m_root, nullptr); }

private:
    HMENU m_root = nullptr;
};

void AddItem(HMENU menu, MenuItem item) {
    if (Menu *target = FindMenu(menu))
        target->items.push_back(std::move(item));
}

bool ReadStandardItems(TemplateReader &reader, HMENU menu, int depth) {
    if (depth > kMaxNesting)
        return false;
    for (;;) {
        WORD option = 0;
        MenuItem item;
        if (!reader.Word(option))
            return false;
        item.flags = option & kStandardFlagMask;
        if (!(option & MF_POPUP)) {
            WORD id = 0;
            if (!reader.Word(id))
                return false;
            item.id = id;
        }
        if (!reader.Text(item.text))
            return false;
        if (option & MF_POPUP) {
            item.subMenu = NewMenu(true);
            item.id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(item.subMenu));
            AddItem(menu, item); // added first, so that a failure below destroys it with the rest
            if (!ReadStandardItems(reader, item.subMenu, depth + 1))
                return false;
        } else {
            // "MENUITEM SEPARATOR" compiles to an item without flags, id or text.
            if (item.flags == 0 && item.id == 0 && item.text.empty())
                item.flags = MF_SEPARATOR;
            AddItem(menu, item);
        }
        if (option & MF_END)
            return true;
    }
}

bool ReadExtendedItems(TemplateReader &reader, HMENU menu, int depth) {
    if (depth > kMaxNesting)
        return false;
    for (;;) {
        DWORD type = 0;
        DWORD state = 0;
        DWORD id = 0;
        WORD resInfo = 0;
        MenuItem item;
        if (!reader.Dword(type) || !reader.Dword(state) || !reader.Dword(id) || !reader.Word(resInfo) ||
            !reader.Text(item.text))
            return false;
        reader.AlignDword();
        item.flags = (type | state) & 0xFFFF & ~MF_POPUP;
        item.id = id;
        if (resInfo & kExtendedSubMenu) {
            DWORD helpId = 0;
            if (!reader.Dword(helpId))
                return false;
            item.flags |= MF_POPUP;
            item.subMenu = NewMenu(true);
            AddItem(menu, item);
            if (!ReadExtendedItems(reader, item.subMenu, depth + 1))
                return false;
        } else {
            AddItem(menu, item);
        }
        if (resInfo & kExtendedLastItem)
            return true;
    }
}

} // namespace

HMENU LoadMenuTemplate(const BYTE *data, std::size_t size) {
    TemplateReader reader(data, size);
    WORD version = 0;
    WORD offset = 0;
    if (!data || !reader.Word(version) || !reader.Word(offset) || version > 1 || !reader.Skip(offset)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    MenuBuilder builder;
    HMENU root = builder.Root(false);
    bool read = version == 0 ? ReadStandardItems(reader, root, 0) : ReadExtendedItems(reader, root, 0);
    if (!read) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return builder.Release();
}

} // namespace win32::user

HMENU WINAPI LoadMenuIndirectA(const void *lpMenuTemplate) {
    // The caller vouches for the template; only its own structure bounds the reading.
    return win32::user::LoadMenuTemplate(static_cast<const BYTE *>(lpMenuTemplate),
                                         std::numeric_limits<std::size_t>::max());
}

HMENU WINAPI LoadMenuA(HINSTANCE hInstance, LPCSTR lpMenuName) {
    win32::kernel::ResourceBytes bytes;
    if (!win32::kernel::LoadResourceBytes(hInstance, lpMenuName, RT_MENU, bytes))
        return nullptr;
    return win32::user::LoadMenuTemplate(bytes.data, bytes.size);
}
