#include "editors/clipboard_target_registry.h"

#include <chrono>

namespace {
// Elapsed time rather than processor time: a dialog that waits for the modeller uses no processor at all.
int64_t ProcessClockSeconds()
{
    using namespace std::chrono;
    return duration_cast<seconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

ClipboardTargetRegistry::ClipboardTargetRegistry() : m_clock(ProcessClockSeconds) {}

ClipboardTargetRegistry &ClipboardTargetRegistry::Instance()
{
    static ClipboardTargetRegistry registry;
    return registry;
}

void ClipboardTargetRegistry::Register(Kind kind, ClipboardTarget *target)
{
    Registration &registration = kind == Kind::Edit ? m_edit : m_comboBox;
    registration.target = target;
    registration.time = m_clock();
}

void ClipboardTargetRegistry::Unregister(const ClipboardTarget *target)
{
    for (Registration *registration : {&m_edit, &m_comboBox})
        if (registration->target == target)
            *registration = Registration{};
}

ClipboardTarget *ClipboardTargetRegistry::Target() const
{
    if (m_comboBox.target && (!m_edit.target || m_comboBox.time >= m_edit.time))
        return m_comboBox.target;
    return m_edit.target;
}

void ClipboardTargetRegistry::SetClock(ClipboardClock clock) { m_clock = clock ? clock : ProcessClockSeconds; }
