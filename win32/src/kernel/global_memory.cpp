#include "kernel/global_memory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace win32::kernel {
namespace {

// Sizes beyond this fail like an exhausted heap instead of overflowing size arithmetic.
constexpr SIZE_T kMaxBlock = 0x7FFF0000;
constexpr unsigned kMaxLockCount = GMEM_LOCKCOUNT;
constexpr UINT kKeptFlags = GMEM_MOVEABLE | GMEM_DISCARDABLE | GMEM_DDESHARE;

} // namespace

GlobalHeap &GlobalHeap::Instance() {
    static GlobalHeap *const heap = new GlobalHeap; // clipboard data may be freed during shutdown
    return *heap;
}

GlobalHeap::Block *GlobalHeap::Find(HGLOBAL handle) {
    auto it = m_byHandle.find(handle);
    return it == m_byHandle.end() ? nullptr : it->second.get();
}

// Grows or shrinks a block's storage. Growing beyond the capacity moves the block, which is only
// allowed when `mayMove`.
bool GlobalHeap::Resize(Block &block, SIZE_T bytes, bool mayMove, bool zeroInit) {
    if (bytes > kMaxBlock)
        return false;
    if (block.data && bytes <= block.capacity) {
        if (zeroInit && bytes > block.size)
            std::memset(static_cast<char *>(block.data) + block.size, 0, bytes - block.size);
        block.size = bytes;
        return true;
    }
    if (block.data && !mayMove)
        return false;
    SIZE_T capacity = bytes ? bytes : 1; // even an empty fixed block has a unique address
    void *data = std::malloc(capacity);
    if (!data)
        return false;
    SIZE_T kept = std::min(block.size, bytes);
    if (block.data)
        std::memcpy(data, block.data, kept);
    if (zeroInit)
        std::memset(static_cast<char *>(data) + kept, 0, capacity - kept);
    std::free(block.data);
    block.data = data;
    block.size = bytes;
    block.capacity = capacity;
    return true;
}

// Keeps the two indexes right after a block changed its address or its kind.
void GlobalHeap::Rekey(Block &block, HGLOBAL oldHandle, void *oldData) {
    if (oldData)
        m_byData.erase(oldData);
    if (block.data)
        m_byData[block.data] = &block;
    HGLOBAL newHandle = block.Handle();
    if (newHandle != oldHandle) {
        auto node = m_byHandle.extract(oldHandle);
        node.key() = newHandle;
        m_byHandle.insert(std::move(node));
    }
}

HGLOBAL GlobalHeap::Alloc(UINT flags, SIZE_T bytes) {
    std::lock_guard lock(m_mutex);
    auto block = std::make_unique<Block>();
    block->flags = flags & kKeptFlags;
    // A moveable block of size zero is allocated discarded: it has a handle but no memory yet.
    bool discarded = block->Moveable() && bytes == 0;
    if (!discarded && !Resize(*block, bytes, true, (flags & GMEM_ZEROINIT) != 0)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    HGLOBAL handle = block->Handle();
    if (block->data)
        m_byData[block->data] = block.get();
    m_byHandle.emplace(handle, std::move(block));
    return handle;
}

HGLOBAL GlobalHeap::ReAlloc(HGLOBAL handle, SIZE_T bytes, UINT flags) {
    std::lock_guard lock(m_mutex);
    Block *block = Find(handle);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void *oldData = block->data;
    if (flags & GMEM_MODIFY) {
        // Only the attributes change; a fixed block may become moveable, never the reverse.
        if (flags & GMEM_MOVEABLE)
            block->flags |= GMEM_MOVEABLE;
        if (block->Moveable())
            block->flags = (block->flags & ~GMEM_DISCARDABLE) | (flags & GMEM_DISCARDABLE);
        Rekey(*block, handle, oldData);
        return block->Handle();
    }
    if (bytes == 0 && block->Moveable()) {
        if (block->lockCount > 0) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
        // Reallocating an unlocked moveable block to zero discards it.
        std::free(block->data);
        block->data = nullptr;
        block->size = block->capacity = 0;
        Rekey(*block, handle, oldData);
        return handle;
    }
    // A locked moveable block, or a fixed one, may move only when the caller allows it.
    bool mayMove = (flags & GMEM_MOVEABLE) || (block->Moveable() && block->lockCount == 0);
    if (!Resize(*block, bytes, mayMove, (flags & GMEM_ZEROINIT) != 0)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    Rekey(*block, handle, oldData);
    return block->Handle();
}

LPVOID GlobalHeap::Lock(HGLOBAL handle) {
    std::lock_guard lock(m_mutex);
    Block *block = Find(handle);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!block->Moveable())
        return block->data;
    if (!block->data) {
        SetLastError(ERROR_DISCARDED);
        return nullptr;
    }
    if (block->lockCount < kMaxLockCount)
        ++block->lockCount;
    return block->data;
}

BOOL GlobalHeap::Unlock(HGLOBAL handle) {
    std::lock_guard lock(m_mutex);
    Block *block = Find(handle);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!block->Moveable())
        return TRUE; // fixed memory has no lock count
    if (block->lockCount == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    if (--block->lockCount > 0)
        return TRUE;
    SetLastError(NO_ERROR);
    return FALSE;
}

HGLOBAL GlobalHeap::Free(HGLOBAL handle) {
    if (!handle)
        return nullptr;
    std::unique_ptr<Block> block;
    {
        std::lock_guard lock(m_mutex);
        auto it = m_byHandle.find(handle);
        if (it == m_byHandle.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return handle;
        }
        block = std::move(it->second);
        m_byHandle.erase(it);
        if (block->data)
            m_byData.erase(block->data);
    }
    // Freed even while locked, as on the platform.
    std::free(block->data);
    return nullptr;
}

SIZE_T GlobalHeap::Size(HGLOBAL handle) {
    std::lock_guard lock(m_mutex);
    Block *block = Find(handle);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return block->size;
}

UINT GlobalHeap::Flags(HGLOBAL handle) {
    std::lock_guard lock(m_mutex);
    Block *block = Find(handle);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return GMEM_INVALID_HANDLE;
    }
    UINT flags = block->lockCount | (block->flags & (GMEM_DISCARDABLE | GMEM_DDESHARE));
    if (block->Moveable() && !block->data)
        flags |= GMEM_DISCARDED;
    return flags;
}

HGLOBAL GlobalHeap::HandleOf(LPCVOID pointer) {
    std::lock_guard lock(m_mutex);
    auto it = m_byData.find(pointer);
    if (it != m_byData.end())
        return it->second->Handle();
    if (Block *block = Find(const_cast<void *>(pointer)))
        return block->Handle();
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

} // namespace win32::kernel

using win32::kernel::GlobalHeap;

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) { return GlobalHeap::Instance().Alloc(uFlags, dwBytes); }
HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags) {
    return GlobalHeap::Instance().ReAlloc(hMem, dwBytes, uFlags);
}
LPVOID WINAPI GlobalLock(HGLOBAL hMem) { return GlobalHeap::Instance().Lock(hMem); }
BOOL WINAPI GlobalUnlock(HGLOBAL hMem) { return GlobalHeap::Instance().Unlock(hMem); }
HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) { return GlobalHeap::Instance().Free(hMem); }
SIZE_T WINAPI GlobalSize(HGLOBAL hMem) { return GlobalHeap::Instance().Size(hMem); }
UINT WINAPI GlobalFlags(HGLOBAL hMem) { return GlobalHeap::Instance().Flags(hMem); }
HGLOBAL WINAPI GlobalHandle(LPCVOID pMem) { return GlobalHeap::Instance().HandleOf(pMem); }
// The local heap is the global heap, and LMEM_* flags have the GMEM_* values.
HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes) { return GlobalHeap::Instance().Alloc(uFlags, uBytes); }
HLOCAL WINAPI LocalFree(HLOCAL hMem) { return GlobalHeap::Instance().Free(hMem); }
