// The add/remove dialog opened over a long list and closed with OK, as a detail page does: the time per
// cycle for 1,000 and 10,000 rows (which must grow about linearly with the rows: filling the list, copying
// the rows in and taking them back), and the memory and window-system objects left over afterwards.
#include "fake_host.h"
#include "object_growth.h"
#include "testkit.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {
std::string RowNames(int rows)
{
    std::string text;
    for (int row = 0; row < rows; ++row)
        text += "Cycle " + std::to_string(row + 1) + "|";
    return text;
}

void BM_AddRemoveOpenClose(benchmark::State &state)
{
    FakeHost host(ORVANE_TESTKIT_LIBRARY);
    auto addRemove = ORV_EXPORT(host, TestkitAddRemove);
    const int rows = static_cast<int>(state.range(0));
    const std::string names = RowNames(rows);
    std::vector<char> result(static_cast<size_t>(rows) * 24 + 1);
    auto cycle = [&] {
        TestkitAddRemoveRecord record{};
        record.maximumCount = -1;
        record.selectedIndex = rows - 1;
        record.trackedIndex = rows / 2;
        record.rowNames = names.c_str();
        record.result = result.data();
        record.resultSize = static_cast<int32_t>(result.size());
        host.Driver().Then([](Modeller &) { Modeller::Click(IDOK); });
        const int answer = addRemove(&record);
        return answer == IDOK && record.selectedIndex == rows - 1 && record.trackedIndex == rows / 2;
    };
    // One cycle first, so that what is built once (classes, fonts, caches) is not counted as growth.
    cycle();
    const ObjectGrowth growth;
    for (auto _ : state) {
        if (!cycle())
            state.SkipWithError("the dialog did not give the rows back");
        host.Log().Clear();
    }
    state.SetComplexityN(rows);
    growth.Report(state);
}
BENCHMARK(BM_AddRemoveOpenClose)->Arg(1000)->Arg(10000)->Iterations(5)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
