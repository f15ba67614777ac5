#include "core/summary_dialog_kinds.h"

#include "resource.h"

namespace {
// Indexed by the number callers pass.
constexpr std::array<SummaryKind, kSummaryKindCount> kKinds = {{
    {IDS_SUMMARY_SHIFT_PERIODS, IDS_SUMMARY_SHIFT_PERIODS_UPPER, IDS_SUMMARY_SHIFT_PERIODS_LOWER, 5,
     {0, 20, 40, 60, 80}},
    {IDS_SUMMARY_MACHINE_SETUPS, IDS_SUMMARY_MACHINE_SETUPS_UPPER, IDS_SUMMARY_MACHINE_SETUPS_LOWER, 8,
     {0, 10, 40, 60, 75, 80, 85, 91}},
    {IDS_SUMMARY_MACHINE_CYCLES, IDS_SUMMARY_MACHINE_CYCLES_UPPER, IDS_SUMMARY_MACHINE_CYCLES_LOWER, 9,
     {0, 8, 29, 42, 52, 57, 62, 67, 90}},
    {IDS_SUMMARY_PIE_CHART, 0, IDS_SUMMARY_PIE_CHART_LOWER, 2, {0, 20}},
    {IDS_SUMMARY_SITUATIONS, IDS_SUMMARY_SITUATIONS_UPPER, IDS_SUMMARY_SITUATIONS_LOWER, 4, {0, 15, 60, 80}},
    {IDS_SUMMARY_REPLICATIONS, IDS_SUMMARY_REPLICATIONS_UPPER, IDS_SUMMARY_REPLICATIONS_LOWER, 3, {0, 20, 80}},
    {IDS_SUMMARY_PART_ROUTE, 0, IDS_SUMMARY_PART_ROUTE_LOWER, 4, {0, 15, 50, 75}},
    {IDS_SUMMARY_BREAKDOWNS, IDS_SUMMARY_BREAKDOWNS_UPPER, IDS_SUMMARY_BREAKDOWNS_LOWER, 7,
     {0, 14, 38, 56, 80, 85, 90}},
}};
} // namespace

const SummaryKind *FindSummaryKind(int kind)
{
    if (kind < 0 || kind >= kSummaryKindCount)
        return nullptr;
    return &kKinds[static_cast<size_t>(kind)];
}
