// Times a detail sheet opened by the fake host and closed with Escape: once untimed, so that the library's
// first-use work and the growth counters' baseline come before the loop, then once per iteration. A sheet
// that does not end as cancelled fails the benchmark.
#pragma once
#include "fake_host.h"
#include "object_growth.h"

#include <benchmark/benchmark.h>

#include <functional>

inline void TimeOpeningAndClosing(benchmark::State &state, FakeHost &host, const std::function<int()> &open)
{
    auto cycle = [&] {
        host.Driver().Then([](Modeller &) { Modeller::Escape(); });
        return open();
    };
    cycle();
    host.Log().Clear();
    ObjectGrowth growth;
    for (auto _ : state) {
        if (cycle() != 0)
            state.SkipWithError("the sheet did not end as cancelled");
        host.Log().Clear();
    }
    growth.Report(state);
}
