// The host's callback table: one process-wide entry per callback, empty until the host registers it.
#pragma once
#include <orvane/orvdlg.h>

struct HostCallbacks {
#define ORV_DECLARE_CALLBACK(name) Orv##name##Callback name = nullptr;
    ORV_FOR_EACH_HOST_CALLBACK(ORV_DECLARE_CALLBACK)
#undef ORV_DECLARE_CALLBACK
    // Not a function: the address of the host's pointer to its element numbers in display order.
    int32_t **ElementOrderArray = nullptr;
};

HostCallbacks &Host();
