#include "user/dialog/dialog_template_writer.h"

#include <cstring>

namespace win32::user::dialog {

DialogTemplateWriter::DialogTemplateWriter(DWORD style, DWORD exStyle, const std::string &title, short cx, short cy) {
    Dword(style & ~static_cast<DWORD>(DS_SETFONT));
    Dword(exStyle);
    m_countOffset = m_bytes.size();
    Word(0); // item count, raised by AddItem
    Word(0);
    Word(0);
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(0); // no menu
    Word(0); // the standard dialog class
    Text(title);
    Sync();
}

void DialogTemplateWriter::AddItem(WORD classOrdinal, const std::string &text, WORD id, DWORD style, short x, short y,
                                   short cx, short cy) {
    AlignToDword();
    Dword(style);
    Dword(0);
    for (short v : {x, y, cx, cy})
        Word(static_cast<WORD>(v));
    Word(id);
    Word(0xFFFF);
    Word(classOrdinal);
    Text(text);
    Word(0); // no creation data
    WORD count;
    std::memcpy(&count, m_bytes.data() + m_countOffset, sizeof count);
    ++count;
    std::memcpy(m_bytes.data() + m_countOffset, &count, sizeof count);
    Sync();
}

const DLGTEMPLATE *DialogTemplateWriter::Template() const {
    return reinterpret_cast<const DLGTEMPLATE *>(m_aligned.data());
}

void DialogTemplateWriter::Word(WORD value) {
    const BYTE *bytes = reinterpret_cast<const BYTE *>(&value);
    m_bytes.insert(m_bytes.end(), bytes, bytes + sizeof value);
}

void DialogTemplateWriter::Dword(DWORD value) {
    const BYTE *bytes = reinterpret_cast<const BYTE *>(&value);
    m_bytes.insert(m_bytes.end(), bytes, bytes + sizeof value);
}

// 8-bit text widened from Latin-1.
void DialogTemplateWriter::Text(const std::string &text) {
    for (unsigned char c : text)
        Word(c);
    Word(0);
}

void DialogTemplateWriter::AlignToDword() {
    while (m_bytes.size() % sizeof(DWORD))
        m_bytes.push_back(0);
}

// The parser aligns items by address, so the template is handed out from DWORD-aligned storage.
void DialogTemplateWriter::Sync() {
    m_aligned.assign((m_bytes.size() + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
    std::memcpy(m_aligned.data(), m_bytes.data(), m_bytes.size());
}

} // namespace win32::user::dialog
