#include "editors/host_clipboard.h"

#include "editors/clipboard_session.h"

#include <windows.h>

#include <cstring>

namespace {
// Frees a global memory block unless the clipboard took it over.
class OwnedBlock {
public:
    explicit OwnedBlock(SIZE_T size) : m_block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size)) {}
    ~OwnedBlock()
    {
        if (m_block)
            GlobalFree(m_block);
    }
    OwnedBlock(const OwnedBlock &) = delete;
    OwnedBlock &operator=(const OwnedBlock &) = delete;

    HGLOBAL Get() const { return m_block; }
    HGLOBAL Release()
    {
        HGLOBAL block = m_block;
        m_block = nullptr;
        return block;
    }

private:
    HGLOBAL m_block;
};

// Locks a global memory block for as long as it lives.
class LockedBlock {
public:
    explicit LockedBlock(HGLOBAL block) : m_block(block), m_bytes(block ? static_cast<char *>(GlobalLock(block)) : nullptr) {}
    ~LockedBlock()
    {
        if (m_bytes)
            GlobalUnlock(m_block);
    }
    LockedBlock(const LockedBlock &) = delete;
    LockedBlock &operator=(const LockedBlock &) = delete;

    char *Bytes() const { return m_bytes; }
    // The block's text up to its terminator, never past the block's end.
    std::string_view Text() const { return {m_bytes, strnlen(m_bytes, GlobalSize(m_block))}; }

private:
    HGLOBAL m_block;
    char *m_bytes;
};

} // namespace

std::optional<std::string> ReadHostClipboardText()
{
    ClipboardSession session;
    if (!session.IsOpen())
        return std::nullopt;
    LockedBlock block(GetClipboardData(CF_TEXT));
    if (!block.Bytes())
        return std::nullopt;
    return ToHostLineEnds(block.Text());
}

bool WriteHostClipboardText(std::string_view text)
{
    const std::string converted = ToClipboardLineEnds(text);
    OwnedBlock block(converted.size() + 1);
    {
        LockedBlock locked(block.Get());
        if (!locked.Bytes())
            return false;
        std::memcpy(locked.Bytes(), converted.c_str(), converted.size() + 1);
    }
    ClipboardSession session;
    if (!session.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, block.Get()))
        return false;
    block.Release(); // the clipboard owns it now
    return true;
}

bool EmptyHostClipboard()
{
    ClipboardSession session;
    return session.IsOpen() && EmptyClipboard();
}
