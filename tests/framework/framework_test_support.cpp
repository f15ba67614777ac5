#include "framework_test_support.h"

#include <win32_headless.h>

namespace fwtest {
namespace {

std::vector<MessageBoxRecord> g_boxes;
std::vector<UINT> g_hostCommands;
std::vector<UINT> g_hostMessages;

void CALLBACK AnswerModal(HWND modal, UINT msgf) {
    if (msgf != MSGF_MESSAGEBOX)
        return;
    MessageBoxRecord record;
    record.caption = TextOf(modal);
    record.text = DialogItemText(modal, 0xFFFF);
    record.owner = GetWindow(modal, GW_OWNER);
    record.ownerEnabled = record.owner != nullptr && IsWindowEnabled(record.owner);
    g_boxes.push_back(record);
    PostMessageA(modal, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    g_hostMessages.push_back(message);
    if (message == WM_COMMAND)
        g_hostCommands.push_back(LOWORD(wParam));
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (FrameworkPreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

MessageBoxAnswerer::MessageBoxAnswerer() {
    g_boxes.clear();
    Win32Headless_SetModalIdleHook(AnswerModal);
}

MessageBoxAnswerer::~MessageBoxAnswerer() { Win32Headless_SetModalIdleHook(nullptr); }

const std::vector<MessageBoxRecord> &MessageBoxAnswerer::Boxes() const { return g_boxes; }

HostWindow::HostWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FrameworkTestHost";
    WNDCLASSA existing{};
    if (!GetClassInfoA(wc.hInstance, wc.lpszClassName, &existing))
        RegisterClassA(&wc);
    g_hostCommands.clear();
    g_hostMessages.clear();
    m_hwnd = CreateWindowExA(0, wc.lpszClassName, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                             nullptr, wc.hInstance, nullptr);
}

HostWindow::~HostWindow() {
    if (IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
}

const std::vector<UINT> &HostWindow::Commands() const { return g_hostCommands; }
const std::vector<UINT> &HostWindow::Messages() const { return g_hostMessages; }

void FrameworkTest::SetUp() {
    FrameworkSetMainWnd(nullptr);
    FrameworkSetResourceHandle(nullptr);
    FrameworkSetHelpFilePath(kHelpPath);
    FrameworkSetAppTitle("Framework Test");
    Win32Headless_ClearHelpCalls();
}

void FrameworkTest::TearDown() {
    Pump();
    CWnd::DeleteTempMap();
    FrameworkSetMainWnd(nullptr);
    Win32Headless_SetModalIdleHook(nullptr);
}

std::string TextOf(HWND hwnd) {
    char buffer[512] = {};
    GetWindowTextA(hwnd, buffer, sizeof(buffer));
    return buffer;
}

std::string DialogItemText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

} // namespace fwtest
