// Lists that a dialog template brings along: the resource of type 240 under the template's name holds, per
// entry, a control id, the message that adds an item, the item's length and text. The framework adds them
// before the dialog's own initialisation runs, so a language library can translate list items too.
#include "framework/dialog.h"

#include "framework/module_state.h"

#include <cstring>
#include <string>

namespace {

constexpr WORD kDlgInitType = 240;
// The entries keep the message numbers of the old 16-bit list and combo box messages.
constexpr WORD kListAddString = 0x0401;
constexpr WORD kComboAddString = 0x0403;

template <typename T> bool Read(const BYTE *&cursor, const BYTE *end, T &value)
{
    if (static_cast<size_t>(end - cursor) < sizeof(T))
        return false;
    memcpy(&value, cursor, sizeof(T));
    cursor += sizeof(T);
    return true;
}

} // namespace

BOOL CDialog::ExecuteDlgInit(const void *data, size_t size)
{
    if (data == nullptr || m_hWnd == nullptr)
        return data == nullptr;
    const BYTE *cursor = static_cast<const BYTE *>(data);
    const BYTE *end = cursor + size;
    for (;;) {
        WORD id = 0, message = 0;
        DWORD length = 0;
        if (!Read(cursor, end, id) || id == 0)
            return TRUE; // a list that simply ends without its closing zero is still used
        if (!Read(cursor, end, message) || !Read(cursor, end, length) ||
            length > static_cast<DWORD>(end - cursor))
            return FALSE;
        // The text is terminated inside its length, but a damaged resource must not be read past.
        const char *text = reinterpret_cast<const char *>(cursor);
        std::string item(text, strnlen(text, length));
        cursor += length;
        UINT translated = message == kListAddString ? LB_ADDSTRING : message == kComboAddString ? CB_ADDSTRING : 0;
        if (translated == 0)
            continue;
        if (::SendDlgItemMessageA(m_hWnd, id, translated, 0, reinterpret_cast<LPARAM>(item.c_str())) < 0)
            return FALSE;
    }
}

BOOL CDialog::ExecuteDlgInit(LPCSTR templateName)
{
    if (templateName == nullptr)
        return TRUE;
    HINSTANCE module = FrameworkGetResourceHandle();
    HRSRC info = FindResourceA(module, templateName, MAKEINTRESOURCEA(kDlgInitType));
    if (info == nullptr)
        return TRUE; // most dialogs bring no lists
    HGLOBAL loaded = LoadResource(module, info);
    const void *bytes = loaded ? LockResource(loaded) : nullptr;
    return ExecuteDlgInit(bytes, SizeofResource(module, info));
}
