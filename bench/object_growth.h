// What a benchmark leaves behind: heap bytes and window-system objects counted once before the timed loop
// and reported as growth counters after it.
#pragma once
#include <windows.h>

#include <benchmark/benchmark.h>
#include <malloc.h>

class ObjectGrowth {
public:
    ObjectGrowth()
        : m_heap(mallinfo2().uordblks), m_user(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)),
          m_gdi(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
    {
    }

    void Report(benchmark::State &state) const
    {
        state.counters["heap_growth_bytes"] = static_cast<double>(mallinfo2().uordblks) - static_cast<double>(m_heap);
        state.counters["user_object_growth"] =
            static_cast<double>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) - m_user;
        state.counters["gdi_object_growth"] =
            static_cast<double>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) - m_gdi;
    }

private:
    size_t m_heap;
    DWORD m_user;
    DWORD m_gdi;
};
