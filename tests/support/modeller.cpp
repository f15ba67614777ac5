#include "modeller.h"

#include <prsht.h>
#include <win32_headless.h>

#include <cstdio>

namespace {

struct FindById {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND hwnd, LPARAM lParam)
{
    auto *search = reinterpret_cast<FindById *>(lParam);
    if (GetDlgCtrlID(hwnd) == search->id && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    if (GetDlgCtrlID(hwnd) == search->id && !search->found)
        search->found = hwnd; // a hidden match is kept in case no visible one exists
    return TRUE;
}

} // namespace

Modeller *Modeller::s_current = nullptr;

Modeller::Modeller()
{
    m_previousHook = reinterpret_cast<void *>(Win32Headless_SetModalIdleHook(&Modeller::OnModalIdle));
    s_current = this;
}

Modeller::~Modeller()
{
    Win32Headless_SetModalIdleHook(reinterpret_cast<WIN32_MODAL_IDLE_PROC>(m_previousHook));
    if (s_current == this)
        s_current = nullptr;
}

void CALLBACK Modeller::OnModalIdle(HWND modal, UINT filter)
{
    if (s_current)
        s_current->RunNextStep();
}

bool Modeller::RunNextStep()
{
    if (m_steps.empty())
        return false;
    m_idle = 0;
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    ++m_depth;
    step(*this);
    --m_depth;
    return true;
}

bool Modeller::PumpOne()
{
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    if (m_filter && m_filter(&msg))
        return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

void Modeller::Pump()
{
    for (int guard = 0; guard < 100000 && PumpOne(); ++guard) {
    }
}

void Modeller::ProcessEvents()
{
    if (PumpOne())
        return;
    if (RunNextStep())
        return;
    if (++m_idle == m_patience) {
        char title[128] = "";
        HWND active = GetActiveWindow();
        GetWindowTextA(active, title, sizeof title);
        m_complaint = std::string("the modeller had nothing left to do while '") + title + "' was still open";
        fprintf(stderr, "modeller: %s; pressing Escape\n", m_complaint.c_str());
        Escape();
    } else if (m_idle > m_patience * 2) {
        fprintf(stderr, "modeller: the open window does not close; giving up\n");
        PostMessageA(GetActiveWindow(), WM_COMMAND, IDCANCEL, 0);
        m_idle = m_patience;
    }
}

HWND Modeller::Control(int id, HWND dialog)
{
    if (!dialog)
        dialog = GetActiveWindow();
    if (!dialog)
        return nullptr;
    FindById search{id, nullptr};
    EnumChildWindows(dialog, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string Modeller::Text(HWND hwnd)
{
    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

void Modeller::Focus(HWND control)
{
    HWND top = GetAncestor(control, GA_ROOT);
    if (top && IsWindowEnabled(top))
        SetFocus(control);
}

void Modeller::Type(HWND control, const std::string &text)
{
    Focus(control);
    HWND target = GetFocus(); // a combo box hands the focus to its edit
    for (unsigned char c : text)
        PostMessageA(target ? target : control, WM_CHAR, c, 1);
}

void Modeller::ClearAndType(int id, const std::string &text)
{
    HWND control = Control(id);
    Focus(control);
    HWND target = GetFocus() ? GetFocus() : control;
    SendMessageA(target, EM_SETSEL, 0, -1);
    for (unsigned char c : text)
        PostMessageA(target, WM_CHAR, c, 1);
}

void Modeller::Click(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

void Modeller::Choose(HWND control, int index)
{
    char className[32] = "";
    GetClassNameA(control, className, sizeof className);
    bool list = lstrcmpiA(className, "ListBox") == 0;
    Focus(control);
    SendMessageA(control, list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    WORD code = list ? LBN_SELCHANGE : CBN_SELCHANGE;
    PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

void Modeller::ChooseText(int id, const std::string &text)
{
    HWND control = Control(id);
    LRESULT index = SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text.c_str()));
    Choose(control, static_cast<int>(index));
}

void Modeller::Key(UINT vk)
{
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
}

void Modeller::ShiftKey(UINT vk)
{
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(static_cast<BYTE>(vk), 0, 0, 0);
    keybd_event(static_cast<BYTE>(vk), 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
}

void Modeller::SwitchPage(HWND sheet, int index)
{
    SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}
