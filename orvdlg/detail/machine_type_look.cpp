#include "detail/machine_type_look.h"

#include <orvane/records/machine.h>
#include <resource.h>

#include <iterator>

namespace {
constexpr FixedText kOne{0, "1"};
constexpr FixedText kAsInput{IDS_MACHINE_AS_INPUT, nullptr};
constexpr FixedText kEnabled{};

constexpr MachineTypeLook kLooks[] = {
    // Single
    {IDS_MACHINE_INPUT_QUANTITY, kOne, false, IDS_MACHINE_DURATION, false, kOne, false, false},
    // Batch
    {IDS_MACHINE_BATCH_MINIMUM, kEnabled, true, IDS_MACHINE_DURATION, false, kAsInput, false, false},
    // Assembly
    {IDS_MACHINE_INPUT_QUANTITY, kEnabled, false, IDS_MACHINE_DURATION, false, kOne, false, false},
    // Production
    {IDS_MACHINE_INPUT_QUANTITY, kOne, false, IDS_MACHINE_DURATION, false, kEnabled, true, false},
    // General
    {IDS_MACHINE_INPUT_QUANTITY, kEnabled, false, IDS_MACHINE_DURATION, false, kEnabled, false, false},
    // Multiple Cycle
    {IDS_MACHINE_INPUT_QUANTITY, kEnabled, false, IDS_MACHINE_DURATION, false, kEnabled, false, true},
    // Multiple Station
    {IDS_MACHINE_INPUT_QUANTITY, kEnabled, false, IDS_MACHINE_DURATION_PER_STATION, true, kAsInput, false,
     false},
};
} // namespace

const MachineTypeLook &LookOfMachineType(int32_t type)
{
    return type >= 0 && type < static_cast<int32_t>(std::size(kLooks)) ? kLooks[type] : kLooks[0];
}

bool MachineTypeHasFluidRules(int32_t type)
{
    return type == OrvMachineSingle || type == OrvMachineBatch || type == OrvMachineMultipleStation;
}
