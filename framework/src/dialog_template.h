// Reading and writing dialog templates in their binary resource form (the classic DLGTEMPLATE
// and the extended form), as the property sheet needs them: the size and caption of a page's
// template, a page's template restyled as a child, and the sheet's own template built in memory.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace fw::detail {

struct DialogTemplateInfo {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    int cx = 0; // dialog units
    int cy = 0;
    std::string caption;
    bool hasFont = false;
    WORD pointSize = 0;
    std::string faceName;
};

// DWORD-aligned bytes of a template, as the dialog functions require.
struct DialogTemplateBytes {
    std::vector<DWORD> storage;
    size_t size = 0;

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(storage.data()); }
    BYTE *Data() { return reinterpret_cast<BYTE *>(storage.data()); }
    const BYTE *Data() const { return reinterpret_cast<const BYTE *>(storage.data()); }
};

bool ReadDialogTemplate(const BYTE *data, size_t size, DialogTemplateInfo &info);

// A copy of dialog template `name` of `module`; false when it does not exist.
bool LoadDialogTemplate(HINSTANCE module, LPCSTR name, DialogTemplateBytes &bytes);

// Replaces the style and extended style of a template in place.
void SetTemplateStyles(DialogTemplateBytes &bytes, const DialogTemplateInfo &info, DWORD style, DWORD exStyle);

// A template without controls; the font is used when `font.hasFont` is set.
DialogTemplateBytes BuildEmptyTemplate(DWORD style, DWORD exStyle, const char *caption,
                                       const DialogTemplateInfo &font);

} // namespace fw::detail
