// The machine detail sheet opened and closed: a Production machine while the model holds 10,000 or 100,000
// parts, which its part type combo lists, and a Multiple Cycle machine with 500 cycles, each with a rule,
// actions and a labour rule that the sheet copies in and out. Both must stay about linear.
#include "fake_host.h"
#include "sheet_opening.h"

#include <orvane/records/machine.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr int32_t kPartType = 1;

std::vector<OrvMachineCycle> MakeCycles(int count, bool withHandles)
{
    std::vector<OrvMachineCycle> cycles(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        OrvMachineCycle &cycle = cycles[static_cast<size_t>(i)];
        std::snprintf(cycle.description, sizeof cycle.description, "C%d", i + 1);
        std::strcpy(cycle.inputQuantity, i == 0 ? "1" : "N+1");
        std::strcpy(cycle.cycleTime, "5");
        std::strcpy(cycle.finishQuantity, "1");
        const int32_t handle = withHandles ? 10 * (i + 1) : -1;
        cycle.inputRule = handle;
        cycle.startActions = handle;
        cycle.finishActions = withHandles ? handle + 1 : -1;
        cycle.labour.labourRule = handle;
    }
    return cycles;
}

void OpenAndClose(benchmark::State &state, FakeHost &host, OrvMachineRecord &record)
{
    auto machine = ORV_EXPORT(host, MachineDetailDialog);
    TimeOpeningAndClosing(state, host, [&] { return machine(&record); });
}

OrvMachineRecord MachineRecord(int32_t type, std::vector<OrvMachineCycle> &cycles)
{
    OrvMachineRecord record{};
    record.element = 1;
    std::strcpy(record.name, "M1");
    std::strcpy(record.quantity, "1");
    record.type = type;
    record.outputRule = -1;
    record.cycles = cycles.data();
    record.cycleCount = static_cast<int32_t>(cycles.size());
    return record;
}

void BM_ProductionMachineWithParts(benchmark::State &state)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    const int parts = static_cast<int>(state.range(0));
    for (int i = 0; i < parts; ++i)
        host.Model().Add({1000 + i, kPartType, "P" + std::to_string(i), 1, true});
    std::vector<OrvMachineCycle> cycles = MakeCycles(1, false);
    OrvMachineRecord record = MachineRecord(OrvMachineProduction, cycles);
    std::strcpy(record.partType, "P5");
    OpenAndClose(state, host, record);
}
BENCHMARK(BM_ProductionMachineWithParts)->Arg(10000)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);

// The fake host keeps alive every text it hands out: the four host messages each cycle row asks for (its
// cycle time and labour texts) show as heap growth of about 24 bytes each, 2,000 per opening here.
void BM_MultipleCycleMachine(benchmark::State &state)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    std::vector<OrvMachineCycle> cycles = MakeCycles(static_cast<int>(state.range(0)), true);
    OrvMachineRecord record = MachineRecord(OrvMachineMultipleCycle, cycles);
    OpenAndClose(state, host, record);
}
BENCHMARK(BM_MultipleCycleMachine)->Arg(500)->Iterations(3)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
