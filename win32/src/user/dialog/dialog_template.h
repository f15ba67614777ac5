// A dialog template (DLGTEMPLATE or DLGTEMPLATEEX with its items) decoded into plain data, so that
// creation code never walks raw template bytes. Resource templates and in-memory templates go
// through the same parser; 16-bit text is narrowed to 8-bit (Latin-1).
#pragma once
#include <windows.h>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace win32::user::dialog {

// A menu, class or title field: absent, an ordinal, or text.
struct TemplateName {
    enum class Kind { None, Ordinal, Text };
    Kind kind = Kind::None;
    WORD ordinal = 0;
    std::string text;

    // The form Win32 calls take: nullptr, MAKEINTRESOURCE(ordinal) or the text.
    LPCSTR AsResourceName() const;
};

struct TemplateFont {
    WORD pointSize = 0;
    WORD weight = 0;
    bool italic = false;
    BYTE charset = 0;
    std::string face;
};

struct TemplateItem {
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    // A predefined class ordinal (0x0080 Button ... 0x0085 ComboBox) arrives here as its name.
    TemplateName className;
    TemplateName title;
    // Empty when the template has none; otherwise the size WORD followed by the data, which is
    // what a control receives as lpCreateParams.
    std::vector<WORD> creationData;
};

struct DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    TemplateName menu;
    TemplateName className;
    TemplateName title;
    std::optional<TemplateFont> font; // present when the style has DS_SETFONT
    std::vector<TemplateItem> items;
};

// Decodes the template at `data`, never reading past `data + size`. nullopt when the template is
// truncated or malformed.
std::optional<DialogTemplate> ParseDialogTemplate(const void *data, size_t size);

// The class name of a predefined control ordinal, nullptr for any other ordinal.
const char *PredefinedClassName(WORD ordinal);

} // namespace win32::user::dialog
