// The process-wide registrations of the clipboard targets: the clipboard edit and the clipboard combo box that
// last received the focus, each with the time it did. The combo box wins unless the edit is newer, since a
// combo box is usually focused right after an edit within the same second.
#pragma once
#include <cstdint>

class ClipboardTarget;

// Seconds on some steady clock; only their order matters.
using ClipboardClock = int64_t (*)();

class ClipboardTargetRegistry {
public:
    enum class Kind { Edit, ComboBox };

    static ClipboardTargetRegistry &Instance();

    // Makes `target` the registered control of its kind, stamped with the clock's time.
    void Register(Kind kind, ClipboardTarget *target);
    // Clears every registration of `target` (it is going away).
    void Unregister(const ClipboardTarget *target);
    // The combo box when its registration is not older than the edit's, else the edit; null without either.
    ClipboardTarget *Target() const;

    // Null restores the process clock.
    void SetClock(ClipboardClock clock);

private:
    struct Registration {
        ClipboardTarget *target = nullptr;
        int64_t time = 0;
    };
    Registration m_edit;
    Registration m_comboBox;
    ClipboardClock m_clock;

    ClipboardTargetRegistry();
};
