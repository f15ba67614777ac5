// Writes an in-memory DLGTEMPLATE with its items, for dialogs the system builds itself (MessageBoxA),
// so that they go through the same creation path as resource dialogs.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace win32::user::dialog {

// The ordinals of the predefined control classes in a dialog template.
constexpr WORD kButtonClassOrdinal = 0x0080;
constexpr WORD kEditClassOrdinal = 0x0081;
constexpr WORD kStaticClassOrdinal = 0x0082;

class DialogTemplateWriter {
public:
    // Coordinates in dialog units. No DS_SETFONT: the dialog uses the system font.
    DialogTemplateWriter(DWORD style, DWORD exStyle, const std::string &title, short cx, short cy);

    // A control of a predefined class (0x0080 Button ... 0x0085 ComboBox).
    void AddItem(WORD classOrdinal, const std::string &text, WORD id, DWORD style, short x, short y, short cx,
                 short cy);

    // The template, DWORD-aligned; valid until the next AddItem.
    const DLGTEMPLATE *Template() const;
    size_t Size() const { return m_bytes.size(); }

private:
    void Word(WORD value);
    void Dword(DWORD value);
    void Text(const std::string &text);
    void AlignToDword();
    void Sync();

    std::vector<BYTE> m_bytes;
    std::vector<DWORD> m_aligned;
    size_t m_countOffset = 0;
};

} // namespace win32::user::dialog
