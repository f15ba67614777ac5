// CMainFrame: the library's main-window object. SetMainWindowHandle binds it to the host's main window by
// subclassing, so that the library sees the window's messages first: it translates the library's accelerator
// table for the window, routes help, reports menu selections to the host, and turns Alt+F4 and closing the
// window into command 24 for the host to decide on.
#pragma once
#include <framework/framework.h>

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame() = default;

    // Binds to `hwnd` (releasing a window bound before) and loads accelerator table 122 from the resource
    // module of the moment.
    BOOL Bind(HWND hwnd);
    void Unbind();

    void OnMenuSelect(UINT item, UINT flags, HMENU menu) override;
    // Help contexts outside the library's ranges are replaced by the general context.
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT) override;

protected:
    void OnClose();
    void OnCloseCommand();
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()
};
