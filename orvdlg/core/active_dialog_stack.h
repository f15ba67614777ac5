// The process-wide stack of open dialogs and sheets, most recent on top. The host main window lies beneath
// it: the top of an empty stack is the host main window, which the modal loops never disable.
#pragma once
#include <windows.h>

#include <vector>

class ActiveDialogStack {
public:
    static ActiveDialogStack &Instance();

    // FALSE only when memory ran out; nothing changed then.
    bool Push(HWND dialog) noexcept;
    // Removes and returns the most recent; the host main window when the stack is empty.
    HWND Pop();
    HWND Top() const;
    int Count() const { return static_cast<int>(m_dialogs.size()); }
    // The next push behaves as if memory had run out (for tests of that path).
    void FailNextPush() { m_failNextPush = true; }

private:
    static constexpr size_t kGrowth = 10; // entries added at a time
    std::vector<HWND> m_dialogs;
    bool m_failNextPush = false;
};
