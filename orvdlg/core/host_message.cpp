#include "core/host_message.h"

#include "core/host_callbacks.h"

CString HostMessage(int group, int item)
{
    const char *text = Host().Message ? Host().Message(group, item) : nullptr;
    return text ? CString(text) : CString();
}
