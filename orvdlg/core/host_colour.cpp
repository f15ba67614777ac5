#include "core/host_colour.h"

#include <cstdlib>

namespace {
constexpr COLORREF kTable[kHostColourCount] = {
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(255, 0, 0),     RGB(0, 255, 0),   RGB(0, 0, 255),   RGB(0, 255, 255),
    RGB(255, 255, 0),   RGB(255, 0, 255),   RGB(192, 192, 192), RGB(127, 127, 127), RGB(127, 0, 0), RGB(0, 127, 0),
    RGB(0, 0, 127),     RGB(0, 127, 127),   RGB(127, 127, 0),   RGB(127, 0, 127), RGB(127, 127, 127),
};

bool IsGrey(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }

int Distance(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

// Step 1: an exact match at once, else the nearest entry, a later entry winning a tie.
int NearestEntry(COLORREF colour)
{
    int best = 0;
    int bestDistance = 765;
    for (int i = 0; i < kHostColourCount; ++i) {
        int distance = Distance(colour, kTable[i]);
        if (distance == 0)
            return i;
        if (distance <= bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

BYTE RoundComponent(BYTE c) { return c < 63 ? 0 : c < 192 ? 127 : 255; }
} // namespace

COLORREF HostColourToColour(int index)
{
    return index >= 0 && index < kHostColourCount ? kTable[index] : kTable[0];
}

int ColourToHostColour(COLORREF colour)
{
    colour &= 0x00FFFFFF;
    int best = NearestEntry(colour);
    if (!IsGrey(kTable[best]))
        return best;
    if (IsGrey(colour)) {
        BYTE c = GetRValue(colour);
        return c < 127 ? 0 : c < 159 ? 9 : c < 223 ? 8 : 1;
    }
    BYTE rgb[3] = {RoundComponent(GetRValue(colour)), RoundComponent(GetGValue(colour)),
                   RoundComponent(GetBValue(colour))};
    bool has127 = false, has255 = false;
    for (BYTE c : rgb) {
        has127 |= c == 127;
        has255 |= c == 255;
    }
    if (has127 && has255)
        for (BYTE &c : rgb)
            if (c == 127)
                c = 0;
    return NearestEntry(RGB(rgb[0], rgb[1], rgb[2]));
}
