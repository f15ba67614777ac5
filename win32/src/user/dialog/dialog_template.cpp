#include "user/dialog/dialog_template.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace win32::user::dialog {

namespace {

constexpr WORD kExtendedVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kOrdinalMarker = 0xFFFF;

// Bounded little-endian reader over the template bytes. Every read checks the remaining size
// first, so a truncated template fails instead of reading past its end. Alignment is taken from
// the absolute address, as the template layout is defined in memory terms.
class TemplateReader {
public:
    TemplateReader(const BYTE *data, size_t size) : m_data(data), m_size(size) {}

    bool Ok() const { return m_ok; }

    WORD Word() {
        WORD value = 0;
        Copy(&value, sizeof value);
        return value;
    }

    DWORD Dword() {
        DWORD value = 0;
        Copy(&value, sizeof value);
        return value;
    }

    short Short() { return static_cast<short>(Word()); }

    BYTE Byte() {
        BYTE value = 0;
        Copy(&value, sizeof value);
        return value;
    }

    void AlignTo(size_t alignment) {
        const auto address = reinterpret_cast<uintptr_t>(m_data) + m_pos;
        const size_t padding = (alignment - address % alignment) % alignment;
        Skip(padding);
    }

    void Skip(size_t count) {
        if (!m_ok || count > m_size - m_pos) {
            m_ok = false;
            return;
        }
        m_pos += count;
    }

    // A zero-terminated UTF-16 string narrowed to Latin-1 (code units above 0xFF become '?').
    std::string String() {
        std::string text;
        for (WORD unit = Word(); m_ok && unit != 0; unit = Word())
            text.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
        return text;
    }

    // A menu, class or title field: 0x0000 none, 0xFFFF followed by an ordinal, or a string.
    TemplateName Name() {
        TemplateName name;
        const WORD first = Word();
        if (!m_ok || first == 0)
            return name;
        if (first == kOrdinalMarker) {
            name.kind = TemplateName::Kind::Ordinal;
            name.ordinal = Word();
            return name;
        }
        name.kind = TemplateName::Kind::Text;
        name.text.push_back(first <= 0xFF ? static_cast<char>(first) : '?');
        name.text += String();
        return name;
    }

    void Words(std::vector<WORD> &out, size_t byteCount) {
        if (!m_ok || byteCount > m_size - m_pos) {
            m_ok = false;
            return;
        }
        const size_t oldSize = out.size();
        out.resize(oldSize + (byteCount + 1) / 2, 0);
        std::memcpy(out.data() + oldSize, m_data + m_pos, byteCount);
        m_pos += byteCount;
    }

private:
    void Copy(void *out, size_t count) {
        if (!m_ok || count > m_size - m_pos) {
            m_ok = false;
            return;
        }
        std::memcpy(out, m_data + m_pos, count);
        m_pos += count;
    }

    const BYTE *m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};

void NameClassOrdinal(TemplateName &className) {
    if (className.kind != TemplateName::Kind::Ordinal)
        return;
    if (const char *name = PredefinedClassName(className.ordinal)) {
        className.kind = TemplateName::Kind::Text;
        className.text = name;
    }
}

// The class, title and creation data that follow the fixed part of every item.
void ReadItemTail(TemplateReader &reader, TemplateItem &item) {
    item.className = reader.Name();
    NameClassOrdinal(item.className);
    item.title = reader.Name();
    const WORD creationSize = reader.Word();
    if (reader.Ok() && creationSize != 0) {
        item.creationData.push_back(creationSize);
        reader.Words(item.creationData, creationSize);
    }
}

TemplateItem ReadItem(TemplateReader &reader) {
    TemplateItem item;
    item.style = reader.Dword();
    item.exStyle = reader.Dword();
    item.x = reader.Short();
    item.y = reader.Short();
    item.cx = reader.Short();
    item.cy = reader.Short();
    item.id = reader.Word();
    ReadItemTail(reader, item);
    return item;
}

TemplateItem ReadExtendedItem(TemplateReader &reader) {
    TemplateItem item;
    item.helpId = reader.Dword();
    item.exStyle = reader.Dword();
    item.style = reader.Dword();
    item.x = reader.Short();
    item.y = reader.Short();
    item.cx = reader.Short();
    item.cy = reader.Short();
    item.id = reader.Dword();
    ReadItemTail(reader, item);
    return item;
}

} // namespace

LPCSTR TemplateName::AsResourceName() const {
    switch (kind) {
    case Kind::None:
        return nullptr;
    case Kind::Ordinal:
        return MAKEINTRESOURCEA(ordinal);
    case Kind::Text:
        return text.c_str();
    }
    return nullptr;
}

const char *PredefinedClassName(WORD ordinal) {
    switch (ordinal) {
    case 0x0080:
        return "Button";
    case 0x0081:
        return "Edit";
    case 0x0082:
        return "Static";
    case 0x0083:
        return "ListBox";
    case 0x0084:
        return "ScrollBar";
    case 0x0085:
        return "ComboBox";
    default:
        return nullptr;
    }
}

std::optional<DialogTemplate> ParseDialogTemplate(const void *data, size_t size) {
    if (!data)
        return std::nullopt;
    TemplateReader reader(static_cast<const BYTE *>(data), size);
    DialogTemplate result;

    const WORD version = reader.Word();
    const WORD signature = reader.Word();
    if (!reader.Ok())
        return std::nullopt;
    result.extended = version == kExtendedVersion && signature == kExtendedSignature;
    WORD itemCount = 0;
    if (result.extended) {
        result.helpId = reader.Dword();
        result.exStyle = reader.Dword();
        result.style = reader.Dword();
    } else {
        result.style = MAKELONG(version, signature);
        result.exStyle = reader.Dword();
    }
    itemCount = reader.Word();
    result.x = reader.Short();
    result.y = reader.Short();
    result.cx = reader.Short();
    result.cy = reader.Short();

    result.menu = reader.Name();
    result.className = reader.Name();
    result.title = reader.Name();

    if (result.style & DS_SETFONT) {
        TemplateFont font;
        font.pointSize = reader.Word();
        if (result.extended) {
            font.weight = reader.Word();
            font.italic = reader.Byte() != 0;
            font.charset = reader.Byte();
        }
        font.face = reader.String();
        result.font = font;
    }

    // Every item takes at least 18 bytes, so a corrupt count cannot make us reserve much.
    result.items.reserve(std::min<size_t>(itemCount, size / 18));
    for (WORD i = 0; i < itemCount && reader.Ok(); ++i) {
        reader.AlignTo(sizeof(DWORD));
        result.items.push_back(result.extended ? ReadExtendedItem(reader) : ReadItem(reader));
    }
    if (!reader.Ok())
        return std::nullopt;
    return result;
}

} // namespace win32::user::dialog
