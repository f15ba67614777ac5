// LoadStringA: string tables are stored in blocks of 16 counted UTF-16 strings; the string with
// id N is string N % 16 of the block named N / 16 + 1.
#include "kernel/ansi_codepage.h"
#include "kernel/resource_data.h"

#include <algorithm>

namespace win32::kernel {
namespace {

constexpr unsigned kStringsPerBlock = 16;

WORD ReadWord(const BYTE *at) { return static_cast<WORD>(at[0] | (at[1] << 8)); }

// Finds string `index` of a block; false when the block is too short to hold it.
bool FindBlockString(const ResourceBytes &block, unsigned index, const BYTE *&text, unsigned &length) {
    std::size_t offset = 0;
    for (unsigned i = 0;; ++i) {
        if (block.size - offset < 2)
            return false;
        unsigned count = ReadWord(block.data + offset);
        offset += 2;
        if (count > (block.size - offset) / 2)
            return false;
        if (i == index) {
            text = block.data + offset;
            length = count;
            return true;
        }
        offset += count * 2;
    }
}

} // namespace
} // namespace win32::kernel

using namespace win32::kernel;

int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    if (!lpBuffer || cchBufferMax <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    lpBuffer[0] = 0;
    ResourceBytes block;
    LPCSTR blockName = MAKEINTRESOURCEA(uID / kStringsPerBlock + 1);
    const BYTE *text = nullptr;
    unsigned length = 0;
    if (uID > 0xFFFF || !LoadResourceBytes(hInstance, blockName, RT_STRING, block))
        return 0;
    if (!FindBlockString(block, uID % kStringsPerBlock, text, length) || length == 0) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
    }
    unsigned copied = std::min(length, static_cast<unsigned>(cchBufferMax - 1));
    for (unsigned i = 0; i < copied; ++i)
        lpBuffer[i] = static_cast<char>(UnicodeToAnsi(static_cast<char16_t>(ReadWord(text + 2 * i))));
    lpBuffer[copied] = 0;
    return static_cast<int>(copied);
}
