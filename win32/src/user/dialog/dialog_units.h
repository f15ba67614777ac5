// Dialog base units and the dialog font: template coordinates are in dialog units, a quarter of the
// font's average character width horizontally and an eighth of its height vertically.
#pragma once
#include <windows.h>

#include "user/dialog/dialog_template.h"

namespace win32::user::dialog {

// Base units of `font` (the system font when null).
SIZE FontBaseUnits(HFONT font);

// The font a template asks for with DS_SETFONT (height -MulDiv(pt, 96, 72)); null without one.
HFONT CreateTemplateFont(const DialogTemplate &dlg);

// Template coordinates to pixels with the given base units.
RECT DialogUnitsToPixels(const SIZE &baseUnits, int x, int y, int cx, int cy);

} // namespace win32::user::dialog
