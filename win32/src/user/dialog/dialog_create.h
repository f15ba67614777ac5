// Dialog creation from a template, shared by CreateDialog*, DialogBox* and MessageBoxA.
#pragma once
#include <windows.h>

#include <cstddef>

namespace win32::user::dialog {

enum class ShowMode {
    AsTemplate, // a modeless dialog shows itself when the template has WS_VISIBLE
    Hidden,     // a modal loop shows the dialog itself, after disabling its owner
};

// Creates the dialog from the template at `data` (at most `size` bytes). Null with a last error on failure.
HWND CreateDialogFromTemplate(HINSTANCE instance, const void *data, size_t size, HWND parent, DLGPROC proc,
                              LPARAM param, ShowMode show);

// The bytes and size of an RT_DIALOG resource; false with a last error when it is missing.
bool FindDialogResource(HINSTANCE instance, LPCSTR name, const void **data, size_t *size);

// Bound for templates given without a size: the parser stops at the template's own end well before it.
constexpr size_t kUnsizedTemplateBound = 1u << 20;

} // namespace win32::user::dialog
