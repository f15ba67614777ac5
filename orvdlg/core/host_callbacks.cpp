// The callback setters. Each stores its pointer; TypeName also fills the element-type name tables the first
// time a real callback arrives.
#include "core/host_callbacks.h"

#include "core/element_type_names.h"
#include "core/export_guard.h"

#include <cstddef>

HostCallbacks &Host()
{
    static HostCallbacks callbacks;
    return callbacks;
}

namespace {
void OnTypeNameRegistered()
{
    if (Host().TypeName)
        GuardExport([] { ElementTypeNames::Instance().FillOnce(Host().TypeName); });
}
} // namespace

// Several callbacks share one function type, so the TypeName setter is told apart by its field.
#define ORV_DEFINE_SETTER(name)                                                                 \
    extern "C" ORVANE_EXPORT void ORVANE_CALL Set##name##Callback(Orv##name##Callback callback) \
    {                                                                                           \
        Host().name = callback;                                                                 \
        if constexpr (offsetof(HostCallbacks, name) == offsetof(HostCallbacks, TypeName))       \
            OnTypeNameRegistered();                                                             \
    }

ORV_FOR_EACH_HOST_CALLBACK(ORV_DEFINE_SETTER)
#undef ORV_DEFINE_SETTER

extern "C" ORVANE_EXPORT void ORVANE_CALL SetElementOrderArrayCallback(int32_t **elementOrder)
{
    Host().ElementOrderArray = elementOrder;
}
