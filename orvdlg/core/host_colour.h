// Host records keep colours as indexes 0 to 16 into a fixed table; dialogs show them as platform colours and
// write back whatever the modeller picked as the nearest index.
#pragma once
#include <windows.h>

constexpr int kHostColourCount = 17;

// The table's colour for an index from 0 to 16; any other index gives black (entry 0).
COLORREF HostColourToColour(int index);
// The nearest table entry. Greys are matched by brightness bands, and a colour whose nearest entry is a grey
// without being one itself is rounded to a pure colour first, so that a tinted colour never turns grey.
int ColourToHostColour(COLORREF colour);
