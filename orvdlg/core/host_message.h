// A text the host supplies through its Message callback (an empty text when it gives none).
#pragma once
#include <framework/text.h>

CString HostMessage(int group, int item);
// The host's text for a field with nothing in it yet (message 65).
inline CString HostEmptyText() { return HostMessage(65, 0); }
