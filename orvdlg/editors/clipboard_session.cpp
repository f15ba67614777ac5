#include "editors/clipboard_session.h"

#include "core/library_state.h"

ClipboardSession::ClipboardSession() : m_open(OpenClipboard(HostMainWindow()) != FALSE) {}

ClipboardSession::~ClipboardSession()
{
    if (m_open)
        CloseClipboard();
}
