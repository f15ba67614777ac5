// Raster operations. A ROP3 code's middle byte is the truth table of the result for each
// combination of pattern (P), source (S) and destination (D) bits, indexed (P<<2)|(S<<1)|D;
// evaluating the table bitwise gives every one of the 256 operations. ROP2 codes become the
// ROP3 code that ignores the source.
#pragma once
#include <cstdint>

namespace win32::gdi {

inline uint8_t Rop3Code(uint32_t rop) { return static_cast<uint8_t>(rop >> 16); }

inline uint32_t ApplyRop3(uint8_t rop, uint32_t p, uint32_t s, uint32_t d)
{
    switch (rop) {
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFF;
    case 0xCC:
        return s;
    case 0xF0:
        return p;
    case 0xAA:
        return d;
    case 0x55:
        return ~d & 0xFFFFFF;
    case 0x33:
        return ~s & 0xFFFFFF;
    case 0x88:
        return s & d;
    case 0xEE:
        return s | d;
    case 0x66:
        return s ^ d;
    case 0x5A:
        return p ^ d;
    default:
        break;
    }
    uint32_t result = 0;
    for (int i = 0; i < 8; ++i) {
        if (!(rop & (1 << i)))
            continue;
        uint32_t term = ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
        result |= term;
    }
    return result & 0xFFFFFF;
}

// R2_BLACK (1) .. R2_WHITE (16): table (rop2 - 1) indexed (P<<1)|D.
inline uint8_t Rop2ToRop3(int rop2)
{
    unsigned table = static_cast<unsigned>(rop2 - 1) & 15;
    uint8_t rop3 = 0;
    for (int i = 0; i < 8; ++i) {
        int p = (i >> 2) & 1;
        int d = i & 1;
        if (table & (1u << ((p << 1) | d)))
            rop3 |= static_cast<uint8_t>(1 << i);
    }
    return rop3;
}

// Whether an operation reads the source or the pattern at all.
inline bool RopUsesSource(uint8_t rop) { return ((rop >> 2) & 0x33) != (rop & 0x33); }
inline bool RopUsesPattern(uint8_t rop) { return ((rop >> 4) & 0x0F) != (rop & 0x0F); }

} // namespace win32::gdi
