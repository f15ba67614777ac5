// The global (and local, which is the same heap on Win32) memory of the process.
// A GMEM_FIXED block's handle is its address; a GMEM_MOVEABLE block's handle is a distinct value
// that stays the same when the block moves, and its address is only valid while it is locked.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <mutex>

namespace win32::kernel {

class GlobalHeap {
public:
    static GlobalHeap &Instance();

    HGLOBAL Alloc(UINT flags, SIZE_T bytes);
    HGLOBAL ReAlloc(HGLOBAL handle, SIZE_T bytes, UINT flags);
    LPVOID Lock(HGLOBAL handle);
    BOOL Unlock(HGLOBAL handle);
    HGLOBAL Free(HGLOBAL handle);
    SIZE_T Size(HGLOBAL handle);
    UINT Flags(HGLOBAL handle);
    HGLOBAL HandleOf(LPCVOID pointer);

private:
    struct Block {
        void *data = nullptr; // first, as in the platform's handle entries
        SIZE_T size = 0;
        SIZE_T capacity = 0;
        UINT flags = 0;
        unsigned lockCount = 0;

        bool Moveable() const { return (flags & GMEM_MOVEABLE) != 0; }
        HGLOBAL Handle() { return Moveable() ? static_cast<HGLOBAL>(this) : static_cast<HGLOBAL>(data); }
    };

    Block *Find(HGLOBAL handle);
    bool Resize(Block &block, SIZE_T bytes, bool mayMove, bool zeroInit);
    void Rekey(Block &block, HGLOBAL oldHandle, void *oldData);

    std::mutex m_mutex;
    std::map<const void *, std::unique_ptr<Block>> m_byHandle;
    std::map<const void *, Block *> m_byData;
};

} // namespace win32::kernel
