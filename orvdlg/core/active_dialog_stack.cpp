#include "core/active_dialog_stack.h"

#include "core/library_state.h"

#include <new>

ActiveDialogStack &ActiveDialogStack::Instance()
{
    static ActiveDialogStack stack;
    return stack;
}

bool ActiveDialogStack::Push(HWND dialog) noexcept
{
    try {
        if (m_failNextPush) {
            m_failNextPush = false;
            throw std::bad_alloc();
        }
        if (m_dialogs.size() == m_dialogs.capacity())
            m_dialogs.reserve(m_dialogs.size() + kGrowth);
        m_dialogs.push_back(dialog);
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

HWND ActiveDialogStack::Pop()
{
    if (m_dialogs.empty())
        return HostMainWindow();
    HWND top = m_dialogs.back();
    m_dialogs.pop_back();
    return top;
}

HWND ActiveDialogStack::Top() const { return m_dialogs.empty() ? HostMainWindow() : m_dialogs.back(); }

extern "C" ORVANE_EXPORT int ORVANE_CALL GetActiveDialogCount(void) { return ActiveDialogStack::Instance().Count(); }
