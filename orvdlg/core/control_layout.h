// Small layout moves of dialog controls at initialisation, for dialogs whose layout depends on what they show
// (buttons shown or hidden, a second value, a message's length). Missing controls are skipped, so that a
// language library's template with other controls still opens.
#pragma once
#include <framework/framework.h>

// The control's rectangle in the dialog's client coordinates; FALSE when the dialog has no such control.
BOOL GetControlRect(const CWnd &dialog, int id, RECT &rect);
void OffsetControl(const CWnd &dialog, int id, int dx, int dy);
// Changes the window's size by the given amounts, keeping its position.
void GrowWindow(CWnd &window, int dx, int dy);
