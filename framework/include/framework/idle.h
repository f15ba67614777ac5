// Message pre-translation and idle processing for a message loop that the framework does not
// own (the host program's).
#pragma once
#include <windows.h>

// Offers the message to the framework objects from its target window upward (dialogs run their
// keyboard through the dialog manager, the main window translates its accelerators). TRUE when
// the message was consumed and must not be dispatched.
BOOL FrameworkPreTranslateMessage(MSG *msg);

// Whether idle processing is due after `msg`: not after mouse moves that do not move, not after
// painting or the caret-blink timer.
BOOL FrameworkIsIdleMessage(const MSG *msg);

// One step of idle processing: count 0 refreshes the controls of dialogs that opted in, later
// counts free temporary window objects. TRUE while more idle calls are wanted.
BOOL FrameworkOnIdle(LONG count);
