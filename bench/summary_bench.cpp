// The Summary dialog opened over a long list and closed, as a detail page does: the time per cycle for 1,000
// and 10,000 rows (which must grow about linearly with the rows), and the memory and window-system objects
// left over afterwards.
#include "fake_host.h"
#include "testkit.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

namespace {
std::string RowsText(int rows)
{
    std::string text;
    for (int row = 0; row < rows; ++row)
        text += std::to_string(row + 1) + "|Cycle " + std::to_string(row) + "|FIFO|1|S|F|2|10.00|1?";
    return text;
}

void BM_SummaryOpenClose(benchmark::State &state)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    auto summary = ORV_EXPORT(host, TestkitSummary);
    const int rows = static_cast<int>(state.range(0));
    const std::string text = RowsText(rows);
    auto cycle = [&] {
        host.Driver().Then([](Modeller &) { Modeller::Click(2); }); // Close
        return summary(2, text.c_str(), rows - 1);
    };
    // One cycle first, so that what is built once (classes, fonts, caches) is not counted as growth.
    cycle();
    const size_t heapBefore = mallinfo2().uordblks;
    const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (auto _ : state) {
        if (cycle() != rows - 1)
            state.SkipWithError("the dialog did not answer the current row");
        host.Log().Clear();
    }
    state.SetComplexityN(rows);
    state.counters["heap_growth_bytes"] = static_cast<double>(mallinfo2().uordblks) - static_cast<double>(heapBefore);
    state.counters["user_object_growth"] =
        static_cast<double>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) - userBefore;
    state.counters["gdi_object_growth"] =
        static_cast<double>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) - gdiBefore;
}
BENCHMARK(BM_SummaryOpenClose)->Arg(1000)->Arg(10000)->Iterations(5)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
