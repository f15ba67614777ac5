// The buffer detail sheet opened and closed while the model holds 10,000 or 100,000 attributes, which its
// attribute list shows: the list filler must stay about linear in the number of elements.
#include "fake_host.h"
#include "sheet_opening.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {
void BM_BufferSheetWithAttributes(benchmark::State &state)
{
    FakeHost host(ORVANE_ORVDLG_LIBRARY);
    const int attributes = static_cast<int>(state.range(0));
    for (int i = 0; i < attributes; ++i)
        host.Model().Add({1000 + i, 12, "A" + std::to_string(i), 1, true, i % 3});
    auto buffer = ORV_EXPORT(host, BufferDetailDialog);
    OrvBufferRecord record{};
    record.element = 1;
    std::strcpy(record.name, "B1");
    TimeOpeningAndClosing(state, host, [&] { return buffer(&record); });
}
BENCHMARK(BM_BufferSheetWithAttributes)->Arg(10000)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
