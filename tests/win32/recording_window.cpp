#include "recording_window.h"

#include <algorithm>

const char *const kRecordingClass = "RecordingTestWindow";

namespace {

MessageHandler &Handler()
{
    static MessageHandler handler;
    return handler;
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    MessageLog::Instance().Add(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    if (Handler() && Handler()(hwnd, msg, wParam, lParam, result))
        return result;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterOnce()
{
    static bool done = false;
    if (done)
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.cbWndExtra = 8;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kRecordingClass;
    done = RegisterClassA(&wc) != 0;
}

} // namespace

MessageLog &MessageLog::Instance()
{
    static MessageLog log;
    return log;
}

std::vector<UINT> MessageLog::MessagesOf(HWND hwnd, std::vector<UINT> only) const
{
    std::vector<UINT> out;
    for (auto &e : m_entries)
        if (e.hwnd == hwnd && (only.empty() || std::find(only.begin(), only.end(), e.message) != only.end()))
            out.push_back(e.message);
    return out;
}

int MessageLog::Count(HWND hwnd, UINT message) const
{
    return static_cast<int>(std::count_if(m_entries.begin(), m_entries.end(),
                                          [&](auto &e) { return e.hwnd == hwnd && e.message == message; }));
}

void SetRecordingHandler(MessageHandler handler)
{
    Handler() = std::move(handler);
}

HWND CreateRecordingWindow(DWORD style, HWND parent, int id, DWORD exStyle)
{
    RegisterOnce();
    return CreateWindowExA(exStyle, kRecordingClass, "Test", style, 10, 20, 200, 150, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
