// The part detail sheet opened, its Route page shown and the sheet closed, while the model holds 10,000 or
// 100,000 elements a part can be sent to: the destination combo lists every one of them. Opening must stay
// about linear in the elements.
#include "fake_host.h"
#include "sheet_opening.h"

#include <orvane/records/part.h>

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr int kRoutePage = 2, kDestination = 1190;
// The element types the destination list takes: buffers, machines, conveyors, tracks, processors, modules.
constexpr int kDestinationTypes[] = {2, 3, 4, 7, 13, 26};

std::vector<OrvRouteStage> MakeStages()
{
    std::vector<OrvRouteStage> stages(3);
    for (size_t i = 0; i < stages.size(); ++i) {
        std::strcpy(stages[i].destination, i + 1 == stages.size() ? "SHIP" : "E5");
        std::strcpy(stages[i].setupText, "1");
        std::strcpy(stages[i].cycleText, "2");
    }
    return stages;
}

void BM_PartRouteWithDestinations(benchmark::State &state)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    const int elements = static_cast<int>(state.range(0));
    for (int i = 0; i < elements; ++i)
        host.Model().Add({1000 + i, kDestinationTypes[i % std::size(kDestinationTypes)], "E" + std::to_string(i), 1,
                          true});
    std::vector<OrvRouteStage> stages = MakeStages();
    OrvPartRecord record{};
    record.element = 1;
    std::strcpy(record.name, "P1");
    record.activeArrivals = 1;
    record.outputRule = record.createActions = record.leaveActions = record.fixedAttributesActions = -1;
    record.stageCount = static_cast<int32_t>(stages.size());
    record.stages = stages.data();

    auto part = ORV_EXPORT(host, PartDetailDialog);
    Modeller &modeller = host.Driver();
    TimeOpeningAndClosing(state, host, [&] {
        // The shared opener queued its Escape for a sheet on its first page; it is spent here, on the main
        // window, so that the modeller closes the sheet only once its Route page has filled its list.
        modeller.Pump();
        modeller.Then([](Modeller &) { Modeller::SwitchPage(GetActiveWindow(), kRoutePage); });
        modeller.Then([&](Modeller &) {
            // "SHIP", "SCRAP", "ASSEMBLE" and every element.
            HWND destinations = Modeller::Control(kDestination);
            if (SendMessageA(destinations, CB_GETCOUNT, 0, 0) != elements + 3)
                state.SkipWithError("the destination list does not hold every element");
            Modeller::Escape();
        });
        return part(&record);
    });
}
BENCHMARK(BM_PartRouteWithDestinations)->Arg(10000)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
