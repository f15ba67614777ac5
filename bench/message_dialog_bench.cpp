// Opening and closing the Yes/No/Cancel message as a host does, 10,000 times: the time per cycle, and the
// memory and window-system objects left over afterwards (which must not grow with the number of cycles).
#include "fake_host.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {
void BM_YesNoCancelMessageCycle(benchmark::State &state)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    auto yesNoCancel = ORV_EXPORT(host, YesNoCancelMessage);
    auto cycle = [&] {
        host.Driver().Then([](Modeller &) { Modeller::Click(5); }); // No
        return yesNoCancel("Save the changes to the model?");
    };
    // One cycle first, so that what is built once (classes, fonts, caches) is not counted as growth.
    cycle();
    host.Log().Clear();
    const size_t heapBefore = mallinfo2().uordblks;
    const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (auto _ : state) {
        if (cycle() != 2)
            state.SkipWithError("the dialog did not answer No");
        host.Log().Clear();
    }
    state.counters["heap_growth_bytes"] = static_cast<double>(mallinfo2().uordblks) - static_cast<double>(heapBefore);
    state.counters["user_object_growth"] =
        static_cast<double>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) - userBefore;
    state.counters["gdi_object_growth"] =
        static_cast<double>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) - gdiBefore;
}
BENCHMARK(BM_YesNoCancelMessageCycle)->Iterations(10000)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
