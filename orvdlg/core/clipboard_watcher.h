// Membership of a dialog or sheet in the clipboard-viewer chain, for the host: it is told when the clipboard
// changes (HandleWindowsClipboardChange), and once when the window joins.
#pragma once
#include <windows.h>

class ClipboardWatcher {
public:
    void Join(HWND window);
    void Leave(HWND window);
    bool InChain() const { return m_inChain; }
    // WM_DRAWCLIPBOARD, after the window's default handling: passes it on and tells the host.
    void PassOnDraw(UINT message, WPARAM wParam, LPARAM lParam) const;
    void OnDrawClipboard() const;
    // WM_CHANGECBCHAIN.
    void OnChangeChain(HWND removed, HWND next);

private:
    HWND m_nextViewer = nullptr;
    bool m_inChain = false;
    bool m_joining = false;
};
