#include "host_loop.h"

namespace {
// A library that keeps asking for idle time must not starve the host's own messages.
constexpr long kMaxIdleCalls = 1000;
} // namespace

bool HostLoop::FilterMessage(MSG *msg)
{
    if (m_filter && m_filter(msg)) {
        ++m_consumed;
        return true;
    }
    return false;
}

bool HostLoop::PumpOne()
{
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    m_idleDue = true;
    if (msg.message == WM_QUIT) {
        // Kept rather than posted again: a dialog's loop calling ProcessEvents would otherwise see it forever.
        m_quit = true;
        m_quitCode = static_cast<int>(msg.wParam);
        return true;
    }
    if (!FilterMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void HostLoop::RunIdle()
{
    if (!m_idleDue)
        return;
    m_idleDue = false;
    if (!m_idle)
        return;
    for (long count = 0; count < kMaxIdleCalls && m_idle(count); ++count) {
    }
}

void HostLoop::ProcessEvents()
{
    ++m_passes;
    if (PumpOne())
        return;
    RunIdle();
    if (m_driver)
        m_driver();
}

int HostLoop::Run()
{
    while (!m_quit) {
        if (!PumpOne()) {
            RunIdle();
            WaitMessage();
        }
    }
    return m_quitCode;
}

bool HostLoop::RunUntilQuit(int passes)
{
    for (int pass = 0; pass < passes && !m_quit; ++pass)
        ProcessEvents();
    return m_quit;
}
