#include "dialog_template.h"

#include <cstring>

namespace fw::detail {
namespace {

// A bounds-checked reader over the template bytes.
class Reader {
public:
    Reader(const BYTE *data, size_t size) : m_data(data), m_size(size) {}

    bool Word(WORD &value) {
        if (m_offset + 2 > m_size)
            return false;
        std::memcpy(&value, m_data + m_offset, 2);
        m_offset += 2;
        return true;
    }

    bool Dword(DWORD &value) {
        if (m_offset + 4 > m_size)
            return false;
        std::memcpy(&value, m_data + m_offset, 4);
        m_offset += 4;
        return true;
    }

    bool Skip(size_t count) {
        if (m_offset + count > m_size)
            return false;
        m_offset += count;
        return true;
    }

    // A zero-terminated 16-bit string, narrowed to 8 bits.
    bool String(std::string &text) {
        text.clear();
        for (WORD ch = 0;;) {
            if (!Word(ch))
                return false;
            if (ch == 0)
                return true;
            text += static_cast<char>(ch < 0x100 ? ch : '?');
        }
    }

    // A name or ordinal: 0 (none), 0xFFFF and a number, or a string.
    bool NameOrOrdinal(std::string &text) {
        WORD first = 0;
        if (!Word(first))
            return false;
        if (first == 0)
            return true;
        if (first == 0xFFFF) {
            WORD ordinal = 0;
            return Word(ordinal);
        }
        m_offset -= 2;
        return String(text);
    }

private:
    const BYTE *m_data;
    size_t m_size;
    size_t m_offset = 0;
};

class Writer {
public:
    void Word(WORD value) {
        m_bytes.push_back(static_cast<BYTE>(value & 0xFF));
        m_bytes.push_back(static_cast<BYTE>(value >> 8));
    }

    void Dword(DWORD value) {
        Word(static_cast<WORD>(value & 0xFFFF));
        Word(static_cast<WORD>(value >> 16));
    }

    void String(const char *text) {
        for (const char *p = text != nullptr ? text : ""; *p != '\0'; ++p)
            Word(static_cast<BYTE>(*p));
        Word(0);
    }

    DialogTemplateBytes Finish() const {
        DialogTemplateBytes bytes;
        bytes.storage.assign((m_bytes.size() + 3) / 4, 0);
        std::memcpy(bytes.storage.data(), m_bytes.data(), m_bytes.size());
        bytes.size = m_bytes.size();
        return bytes;
    }

private:
    std::vector<BYTE> m_bytes;
};

constexpr size_t kExtendedStyleOffset = 12; // dlgVer, signature, helpID, exStyle, style

} // namespace

bool ReadDialogTemplate(const BYTE *data, size_t size, DialogTemplateInfo &info) {
    if (data == nullptr)
        return false;
    Reader reader(data, size);
    WORD version = 0;
    WORD signature = 0;
    if (!reader.Word(version) || !reader.Word(signature))
        return false;
    info = DialogTemplateInfo{};
    info.extended = version == 1 && signature == 0xFFFF;
    Reader body(data, size);
    WORD count = 0;
    WORD x = 0;
    WORD y = 0;
    WORD cx = 0;
    WORD cy = 0;
    if (info.extended) {
        DWORD helpId = 0;
        if (!body.Skip(4) || !body.Dword(helpId) || !body.Dword(info.exStyle) || !body.Dword(info.style))
            return false;
    } else if (!body.Dword(info.style) || !body.Dword(info.exStyle)) {
        return false;
    }
    if (!body.Word(count) || !body.Word(x) || !body.Word(y) || !body.Word(cx) || !body.Word(cy))
        return false;
    info.cx = static_cast<short>(cx);
    info.cy = static_cast<short>(cy);
    std::string menu;
    std::string windowClass;
    if (!body.NameOrOrdinal(menu) || !body.NameOrOrdinal(windowClass) || !body.String(info.caption))
        return false;
    if ((info.style & DS_SETFONT) != 0) {
        info.hasFont = body.Word(info.pointSize);
        if (info.hasFont && info.extended)
            info.hasFont = body.Skip(4); // weight, italic, charset
        if (info.hasFont)
            info.hasFont = body.String(info.faceName);
    }
    return true;
}

bool LoadDialogTemplate(HINSTANCE module, LPCSTR name, DialogTemplateBytes &bytes) {
    HRSRC resource = FindResourceA(module, name, RT_DIALOG);
    if (resource == nullptr)
        return false;
    HGLOBAL handle = LoadResource(module, resource);
    const void *data = handle != nullptr ? LockResource(handle) : nullptr;
    const DWORD size = SizeofResource(module, resource);
    if (data == nullptr || size == 0)
        return false;
    bytes.storage.assign((size + 3) / 4, 0);
    std::memcpy(bytes.storage.data(), data, size);
    bytes.size = size;
    return true;
}

void SetTemplateStyles(DialogTemplateBytes &bytes, const DialogTemplateInfo &info, DWORD style, DWORD exStyle) {
    BYTE *data = bytes.Data();
    if (info.extended) {
        if (bytes.size < kExtendedStyleOffset + 4)
            return;
        std::memcpy(data + kExtendedStyleOffset - 4, &exStyle, 4);
        std::memcpy(data + kExtendedStyleOffset, &style, 4);
    } else {
        if (bytes.size < 8)
            return;
        std::memcpy(data, &style, 4);
        std::memcpy(data + 4, &exStyle, 4);
    }
}

DialogTemplateBytes BuildEmptyTemplate(DWORD style, DWORD exStyle, const char *caption,
                                       const DialogTemplateInfo &font) {
    Writer writer;
    if (font.hasFont)
        style |= DS_SETFONT;
    else
        style &= ~static_cast<DWORD>(DS_SETFONT);
    writer.Dword(style);
    writer.Dword(exStyle);
    writer.Word(0); // no controls
    writer.Word(0); // x, y, cx, cy: the sheet lays itself out once it exists
    writer.Word(0);
    writer.Word(0);
    writer.Word(0);
    writer.Word(0); // no menu
    writer.Word(0); // the dialog class
    writer.String(caption);
    if (font.hasFont) {
        writer.Word(font.pointSize);
        writer.String(font.faceName.c_str());
    }
    return writer.Finish();
}

} // namespace fw::detail
