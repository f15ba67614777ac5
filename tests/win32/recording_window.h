// A top-level or child test window whose procedure records every message it receives.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

struct RecordedMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageLog {
public:
    static MessageLog &Instance();
    void Clear() { m_entries.clear(); }
    void Add(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) { m_entries.push_back({hwnd, message, wParam, lParam}); }
    const std::vector<RecordedMessage> &Entries() const { return m_entries; }
    // The messages of one window, in order, leaving out those in `ignore`.
    std::vector<UINT> MessagesOf(HWND hwnd, std::vector<UINT> only = {}) const;
    int Count(HWND hwnd, UINT message) const;

private:
    std::vector<RecordedMessage> m_entries;
};

// Registers the class once; the optional handler may answer a message (return true and set the result).
extern const char *const kRecordingClass;
using MessageHandler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT &)>;
void SetRecordingHandler(MessageHandler handler);
HWND CreateRecordingWindow(DWORD style = WS_OVERLAPPEDWINDOW, HWND parent = nullptr, int id = 0, DWORD exStyle = 0);
void PumpMessages();
