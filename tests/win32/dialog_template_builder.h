// Builds DLGTEMPLATE / DLGTEMPLATEEX images in memory for the dialog tests, byte for byte as the
// resource compiler lays them out (WORD-aligned strings, DWORD-aligned items).
#pragma once
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace dialog_test {

// A class, title or menu field: text, an ordinal, or nothing.
struct TemplateText {
    TemplateText() = default;
    TemplateText(const char *text) : present(text != nullptr), text(text ? text : "") {}
    static TemplateText Ordinal(WORD value) {
        TemplateText t;
        t.present = true;
        t.isOrdinal = true;
        t.ordinal = value;
        return t;
    }
    bool present = false;
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::string text;
};

constexpr WORD kButton = 0x0080;
constexpr WORD kEdit = 0x0081;
constexpr WORD kStatic = 0x0082;
constexpr WORD kListBox = 0x0083;
constexpr WORD kComboBox = 0x0085;

struct TemplateItemSpec {
    TemplateText cls;
    TemplateText title;
    DWORD id = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 10, cy = 10;
    DWORD exStyle = 0;
    DWORD helpId = 0;
    std::vector<BYTE> creationData;
};

class DialogTemplateBuilder {
public:
    explicit DialogTemplateBuilder(DWORD style, bool extended = false) : m_style(style), m_extended(extended) {}

    DialogTemplateBuilder &Rect(short x, short y, short cx, short cy) {
        m_x = x, m_y = y, m_cx = cx, m_cy = cy;
        return *this;
    }
    DialogTemplateBuilder &ExStyle(DWORD exStyle) {
        m_exStyle = exStyle;
        return *this;
    }
    DialogTemplateBuilder &Title(TemplateText title) {
        m_title = title;
        return *this;
    }
    DialogTemplateBuilder &Class(TemplateText cls) {
        m_class = cls;
        return *this;
    }
    DialogTemplateBuilder &Menu(TemplateText menu) {
        m_menu = menu;
        return *this;
    }
    // Needs DS_SETFONT in the style to be read.
    DialogTemplateBuilder &Font(WORD pointSize, const char *face, WORD weight = 400, BYTE italic = 0,
                                BYTE charset = 1) {
        m_pointSize = pointSize, m_face = face, m_weight = weight, m_italic = italic, m_charset = charset;
        return *this;
    }
    DialogTemplateBuilder &Item(const TemplateItemSpec &item) {
        m_items.push_back(item);
        return *this;
    }
    DialogTemplateBuilder &Item(TemplateText cls, TemplateText title, DWORD id, DWORD style, short x, short y,
                                short cx, short cy) {
        TemplateItemSpec item;
        item.cls = cls, item.title = title, item.id = id, item.style = style;
        item.x = x, item.y = y, item.cx = cx, item.cy = cy;
        return Item(item);
    }

    // The template image; valid until the builder changes or goes away.
    const DLGTEMPLATE *Get() {
        Build();
        return reinterpret_cast<const DLGTEMPLATE *>(m_storage.data());
    }
    size_t Size() {
        Build();
        return m_bytes.size();
    }

private:
    void Word(WORD w) { Raw(&w, sizeof w); }
    void Dword(DWORD d) { Raw(&d, sizeof d); }
    void Raw(const void *p, size_t n) {
        const BYTE *b = static_cast<const BYTE *>(p);
        m_bytes.insert(m_bytes.end(), b, b + n);
    }
    void String(const std::string &s) {
        for (unsigned char c : s)
            Word(c);
        Word(0);
    }
    void Field(const TemplateText &t) {
        if (!t.present) {
            Word(0);
        } else if (t.isOrdinal) {
            Word(0xFFFF);
            Word(t.ordinal);
        } else {
            String(t.text);
        }
    }
    void AlignDword() {
        while (m_bytes.size() % 4)
            m_bytes.push_back(0);
    }

    void Build() {
        m_bytes.clear();
        if (m_extended) {
            Word(1);
            Word(0xFFFF);
            Dword(0);
            Dword(m_exStyle);
            Dword(m_style);
        } else {
            Dword(m_style);
            Dword(m_exStyle);
        }
        Word(static_cast<WORD>(m_items.size()));
        for (short v : {m_x, m_y, m_cx, m_cy})
            Word(static_cast<WORD>(v));
        Field(m_menu);
        Field(m_class);
        Field(m_title);
        if (m_style & DS_SETFONT) {
            Word(m_pointSize);
            if (m_extended) {
                Word(m_weight);
                m_bytes.push_back(m_italic);
                m_bytes.push_back(m_charset);
            }
            String(m_face);
        }
        for (const TemplateItemSpec &item : m_items) {
            AlignDword();
            if (m_extended) {
                Dword(item.helpId);
                Dword(item.exStyle);
                Dword(item.style);
            } else {
                Dword(item.style);
                Dword(item.exStyle);
            }
            for (short v : {item.x, item.y, item.cx, item.cy})
                Word(static_cast<WORD>(v));
            if (m_extended)
                Dword(item.id);
            else
                Word(static_cast<WORD>(item.id));
            Field(item.cls);
            Field(item.title);
            Word(static_cast<WORD>(item.creationData.size()));
            Raw(item.creationData.data(), item.creationData.size());
        }
        m_storage.assign((m_bytes.size() + 3) / 4, 0);
        std::memcpy(m_storage.data(), m_bytes.data(), m_bytes.size());
    }

    DWORD m_style;
    bool m_extended;
    DWORD m_exStyle = 0;
    short m_x = 0, m_y = 0, m_cx = 200, m_cy = 100;
    TemplateText m_title, m_class, m_menu;
    WORD m_pointSize = 8;
    std::string m_face = "Sans";
    WORD m_weight = 400;
    BYTE m_italic = 0;
    BYTE m_charset = 1;
    std::vector<TemplateItemSpec> m_items;
    std::vector<BYTE> m_bytes;
    std::vector<DWORD> m_storage; // DWORD-aligned copy handed to the API
};

} // namespace dialog_test
