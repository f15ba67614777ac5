// The modeller driver: acts as a person at the keyboard from inside the host's event processing.
//
// A test queues steps; the host's ProcessEvents calls Modeller::ProcessEvents, which pumps the queue (through
// the host's message filter, as a host must) and, when the queue is empty, performs the next step. Steps act
// only through ordinary Win32 messages: characters and keys go through the queue so that limits and the
// dialog manager apply, clicks are BM_CLICK, a choice in a list is the selection plus the notification the
// user's choice would send, pages are switched with PSM_SETCURSEL.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <string>

class Modeller {
public:
    // While it lives, the modeller also acts inside the system's own modal boxes (message boxes, common
    // dialogs), whose loops do not call the host: they call the stand-in's modal-idle hook instead.
    Modeller();
    ~Modeller();
    Modeller(const Modeller &) = delete;
    Modeller &operator=(const Modeller &) = delete;

    using Step = std::function<void(Modeller &)>;
    using MessageFilter = std::function<bool(MSG *)>; // true: the library consumed the message

    void SetMessageFilter(MessageFilter filter) { m_filter = std::move(filter); }
    // After this many idle passes with no step left and a window still waiting, the driver gives up:
    // it reports the fact and presses Escape on the active window, so a test fails instead of hanging.
    void SetPatience(int idlePasses) { m_patience = idlePasses; }

    void Then(Step step) { m_steps.push_back(std::move(step)); }
    bool Done() const { return m_steps.empty(); }
    const std::string &Complaint() const { return m_complaint; }

    // One pass of event processing: what a host's ProcessEvents does, plus the next step when idle.
    void ProcessEvents();
    // Pumps until the queue is empty (no steps).
    void Pump();

    // Where the modeller looks.
    static HWND ActiveWindow() { return GetActiveWindow(); }
    static HWND Control(int id, HWND dialog = nullptr); // searches the dialog and its child dialogs (pages)
    static std::string Text(HWND hwnd);
    static std::string Text(int id) { return Text(Control(id)); }
    static bool Visible(int id) { return IsWindowVisible(Control(id)) != FALSE; }
    static bool Enabled(int id) { return IsWindowEnabled(Control(id)) != FALSE; }
    static int FocusId() { return GetDlgCtrlID(GetFocus()); }

    // What the modeller does. Each posts its messages; they take effect as the queue is pumped.
    static void Focus(HWND control);
    static void Type(HWND control, const std::string &text); // focus, then one WM_CHAR per character
    static void Type(int id, const std::string &text) { Type(Control(id), text); }
    static void ClearAndType(int id, const std::string &text); // select all, then type
    static void Click(HWND button);
    static void Click(int id) { Click(Control(id)); }
    static void Choose(HWND combo, int index); // combo box or list box
    static void Choose(int id, int index) { Choose(Control(id), index); }
    static void ChooseText(int id, const std::string &text);
    static void Key(UINT vk); // WM_KEYDOWN and WM_KEYUP to the focus window
    static void ShiftKey(UINT vk);
    static void Escape() { Key(VK_ESCAPE); }
    static void Enter() { Key(VK_RETURN); }
    static void SwitchPage(HWND sheet, int index);

private:
    bool PumpOne();
    bool RunNextStep();
    static void CALLBACK OnModalIdle(HWND modal, UINT filter);
    static Modeller *s_current;
    void *m_previousHook = nullptr;

    std::deque<Step> m_steps;
    MessageFilter m_filter;
    int m_idle = 0;
    int m_patience = 2000;
    int m_depth = 0;
    std::string m_complaint;
};
