// Shared pieces of the dialog tests: a recording dialog procedure, a pump that goes through the
// dialog manager, and keys as a user would press them.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "dialog_template_builder.h"

namespace dialog_test {

struct DialogMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct DialogCommand {
    int id;
    int code;
    HWND from;
};

// Records what the dialog procedure receives; the handler may answer a message (return true and set
// `result`, which the procedure returns as its own value).
class DialogRecorder {
public:
    DialogRecorder();
    ~DialogRecorder();
    DialogRecorder(const DialogRecorder &) = delete;
    DialogRecorder &operator=(const DialogRecorder &) = delete;

    std::vector<DialogMessage> messages;
    std::vector<DialogCommand> commands; // BN_CLICKED commands only: focus notifications are not counted
    std::function<bool(HWND, UINT, WPARAM, LPARAM, INT_PTR &)> handler;
    // The WM_INITDIALOG answer (TRUE: the dialog manager sets the focus).
    INT_PTR initResult = TRUE;
    // End the dialog with the command's id when it is one of these.
    std::vector<int> endOn;

    int Count(UINT message) const;
    std::vector<int> CommandIds() const;
    void Clear();

    static DialogRecorder *Current();
};

INT_PTR CALLBACK RecordingDialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);

// Creates a modeless dialog of the builder's template with the recording procedure.
HWND CreateTestDialog(DialogTemplateBuilder &builder, HWND parent = nullptr, LPARAM param = 0);

// Pumps the queue through IsDialogMessageA(hDlg) until it is empty.
void PumpDialog(HWND hDlg);

// A key through the posted queue to the focus window, then a pump.
void PressKey(HWND hDlg, WPARAM vk);
// A character through the posted queue to the focus window, then a pump.
void TypeChar(HWND hDlg, char ch);
// Shift+Tab as real input (keybd_event), so that GetKeyState(VK_SHIFT) sees the Shift key.
void PressShiftTab(HWND hDlg);
// Alt+letter as real input: the dialog sees WM_SYSCHAR.
void PressAltKey(HWND hDlg, char letter);

DWORD StyleOf(HWND hwnd);

// Acts as the user inside modal loops through the stand-in's modal-idle hook for its lifetime.
class ScopedIdleHook {
public:
    explicit ScopedIdleHook(std::function<void(HWND modal, UINT msgf)> action);
    ~ScopedIdleHook();
    ScopedIdleHook(const ScopedIdleHook &) = delete;
    ScopedIdleHook &operator=(const ScopedIdleHook &) = delete;
    int calls = 0;

private:
    std::function<void(HWND, UINT)> m_action;
    ScopedIdleHook *m_previousActive;
    void *m_previousHook;
    static void CALLBACK Trampoline(HWND modal, UINT msgf);
};

} // namespace dialog_test
