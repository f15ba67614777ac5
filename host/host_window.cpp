#include "host_window.h"

namespace {

int g_exitCommands = 0;

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == HostWindow::kExitCommand && lParam == 0) {
            ++g_exitCommands;
            DestroyWindow(hwnd);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HMENU CreateHostMenu()
{
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, HostWindow::kExitCommand, "E&xit");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    return bar;
}

} // namespace

HWND HostWindow::Create()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = "OrvaneHostWindow";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "Orvane", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 800, 600,
                           nullptr, CreateHostMenu(), wc.hInstance, nullptr);
}

int HostWindow::ExitCommands()
{
    return g_exitCommands;
}
