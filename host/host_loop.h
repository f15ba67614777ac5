// The host's message loop: every message goes to the library's FilterDllMsg first; a message the library
// consumed is neither translated nor dispatched. Idle time goes to DoIdleProcessing (0, 1, 2, ... while it
// asks for more). One pass of the loop is also what the host's ProcessEvents callback does.
#pragma once
#include <windows.h>

#include <orvane/export.h>

#include <functional>

class HostLoop {
public:
    using FilterFunction = int(ORVANE_CALL *)(MSG *);
    using IdleFunction = int(ORVANE_CALL *)(long);

    void Bind(FilterFunction filter, IdleFunction idle)
    {
        m_filter = filter;
        m_idle = idle;
    }
    // Called on each pass that finds the queue empty (the demo tour's modeller acts from there).
    void SetDriver(std::function<void()> driver) { m_driver = std::move(driver); }

    bool FilterMessage(MSG *msg); // true: the library consumed it
    bool PumpOne();               // false: the queue was empty
    void RunIdle();
    void ProcessEvents();
    // Until WM_QUIT; waits for messages when idle. Returns the quit code.
    int Run();
    // Until WM_QUIT, giving up after this many passes; true when the quit arrived.
    bool RunUntilQuit(int passes);

    bool QuitReceived() const { return m_quit; }
    int Passes() const { return m_passes; }
    int Consumed() const { return m_consumed; }

private:
    FilterFunction m_filter = nullptr;
    IdleFunction m_idle = nullptr;
    std::function<void()> m_driver;
    bool m_idleDue = true;
    bool m_quit = false;
    int m_quitCode = 0;
    int m_passes = 0;
    int m_consumed = 0;
};
