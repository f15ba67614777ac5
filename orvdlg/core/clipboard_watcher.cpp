#include "core/clipboard_watcher.h"

#include "core/host_callbacks.h"

namespace {
void TellHost()
{
    if (Host().HandleWindowsClipboardChange)
        Host().HandleWindowsClipboardChange();
}
} // namespace

void ClipboardWatcher::Join(HWND window)
{
    if (m_inChain)
        return;
    // Joining sends the new viewer WM_DRAWCLIPBOARD at once; the host hears of the opening only once.
    m_joining = true;
    m_nextViewer = SetClipboardViewer(window);
    m_joining = false;
    m_inChain = true;
    TellHost();
}

void ClipboardWatcher::Leave(HWND window)
{
    if (!m_inChain)
        return;
    ChangeClipboardChain(window, m_nextViewer);
    m_nextViewer = nullptr;
    m_inChain = false;
}

void ClipboardWatcher::PassOnDraw(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (m_nextViewer)
        SendMessageA(m_nextViewer, message, wParam, lParam);
}

void ClipboardWatcher::OnDrawClipboard() const
{
    if (!m_joining)
        TellHost();
}

void ClipboardWatcher::OnChangeChain(HWND removed, HWND next)
{
    if (removed == m_nextViewer)
        m_nextViewer = next;
    else if (m_nextViewer)
        SendMessageA(m_nextViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed), reinterpret_cast<LPARAM>(next));
}
