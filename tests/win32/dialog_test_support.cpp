#include "dialog_test_support.h"

#include <win32_headless.h>

#include <algorithm>

namespace dialog_test {

namespace {
DialogRecorder *g_current = nullptr;
ScopedIdleHook *g_activeHook = nullptr;
} // namespace

ScopedIdleHook::ScopedIdleHook(std::function<void(HWND, UINT)> action)
    : m_action(std::move(action)), m_previousActive(g_activeHook) {
    g_activeHook = this;
    m_previousHook = reinterpret_cast<void *>(Win32Headless_SetModalIdleHook(Trampoline));
}

ScopedIdleHook::~ScopedIdleHook() {
    Win32Headless_SetModalIdleHook(reinterpret_cast<WIN32_MODAL_IDLE_PROC>(m_previousHook));
    g_activeHook = m_previousActive;
}

void CALLBACK ScopedIdleHook::Trampoline(HWND modal, UINT msgf) {
    if (ScopedIdleHook *hook = g_activeHook) {
        ++hook->calls;
        if (hook->m_action)
            hook->m_action(modal, msgf);
    }
}

DialogRecorder::DialogRecorder() {
    g_current = this;
}

DialogRecorder::~DialogRecorder() {
    if (g_current == this)
        g_current = nullptr;
}

DialogRecorder *DialogRecorder::Current() {
    return g_current;
}

int DialogRecorder::Count(UINT message) const {
    return static_cast<int>(
        std::count_if(messages.begin(), messages.end(), [message](const DialogMessage &m) { return m.message == message; }));
}

std::vector<int> DialogRecorder::CommandIds() const {
    std::vector<int> ids;
    for (const DialogCommand &c : commands)
        ids.push_back(c.id);
    return ids;
}

void DialogRecorder::Clear() {
    messages.clear();
    commands.clear();
}

INT_PTR CALLBACK RecordingDialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    DialogRecorder *recorder = DialogRecorder::Current();
    if (!recorder)
        return FALSE;
    recorder->messages.push_back({msg, wParam, lParam});
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        recorder->commands.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
    INT_PTR result = 0;
    if (recorder->handler && recorder->handler(hDlg, msg, wParam, lParam, result))
        return result;
    if (msg == WM_INITDIALOG)
        return recorder->initResult;
    if (msg == WM_COMMAND) {
        const int id = LOWORD(wParam);
        if (std::find(recorder->endOn.begin(), recorder->endOn.end(), id) != recorder->endOn.end()) {
            EndDialog(hDlg, id);
            return TRUE;
        }
    }
    return FALSE;
}

HWND CreateTestDialog(DialogTemplateBuilder &builder, HWND parent, LPARAM param) {
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), builder.Get(), parent, RecordingDialogProc, param);
}

void PumpDialog(HWND hDlg) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsWindow(hDlg) || !IsDialogMessageA(hDlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void PressKey(HWND hDlg, WPARAM vk) {
    HWND target = GetFocus() ? GetFocus() : hDlg;
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
    PumpDialog(hDlg);
}

void TypeChar(HWND hDlg, char ch) {
    HWND target = GetFocus() ? GetFocus() : hDlg;
    PostMessageA(target, WM_CHAR, static_cast<unsigned char>(ch), 1);
    PumpDialog(hDlg);
}

void PressShiftTab(HWND hDlg) {
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_TAB, 0, 0, 0);
    keybd_event(VK_TAB, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    PumpDialog(hDlg);
}

void PressAltKey(HWND hDlg, char letter) {
    const BYTE vk = static_cast<BYTE>(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
    keybd_event(VK_MENU, 0, 0, 0);
    keybd_event(vk, 0, 0, 0);
    keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    PumpDialog(hDlg);
}

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

} // namespace dialog_test
