// The one drawing helper of the column list: a "|"-separated text drawn field by field in the columns of a
// layout. The list's rows and its heading lines both draw through it, so their fields line up.
#pragma once
#include <windows.h>

#include "core/column_list_layout.h"

// Draws `text` into `row` with the DC's font and text colour on a transparent background; each field is
// clipped to its column, a couple of pixels in from the column edges so that neighbouring fields never touch.
void DrawColumnText(HDC dc, const RECT &row, const char *text, const ColumnLayout &layout);
