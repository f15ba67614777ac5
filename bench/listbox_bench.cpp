// Sorted insertion into a list box and a combo box: N strings in pseudo-random order, added with
// LB_ADDSTRING / CB_ADDSTRING to a sorted control. The per-N series shows how the cost grows; it
// should stay close to N log N, with no quadratic moving of items.
#include <windows.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> ShuffledStrings(int count) {
    std::vector<std::string> strings;
    strings.reserve(static_cast<size_t>(count));
    unsigned state = 2463534242u;
    for (int i = 0; i < count; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        strings.push_back("Item " + std::to_string(state % 1000000u) + " #" + std::to_string(i));
    }
    return strings;
}

HWND CreateParent() {
    static ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ListBenchParent";
        return RegisterClassA(&wc);
    }();
    (void)atom;
    return CreateWindowExA(0, "ListBenchParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void AddSorted(benchmark::State &state, const char *className, DWORD sortStyle, UINT addMessage) {
    const int count = static_cast<int>(state.range(0));
    const std::vector<std::string> strings = ShuffledStrings(count);
    HWND parent = CreateParent();
    for (auto _ : state) {
        HWND control = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | sortStyle, 0, 0, 200, 200, parent,
                                       reinterpret_cast<HMENU>(1), GetModuleHandleA(nullptr), nullptr);
        for (const std::string &text : strings) {
            SendMessageA(control, addMessage, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        state.PauseTiming();
        DestroyWindow(control);
        state.ResumeTiming();
    }
    DestroyWindow(parent);
    state.SetItemsProcessed(state.iterations() * count);
    state.SetComplexityN(count);
}

void BM_ListBoxSortedAdd(benchmark::State &state) {
    AddSorted(state, "ListBox", LBS_SORT, LB_ADDSTRING);
}

void BM_ComboBoxSortedAdd(benchmark::State &state) {
    AddSorted(state, "ComboBox", CBS_DROPDOWNLIST | CBS_SORT, CB_ADDSTRING);
}

BENCHMARK(BM_ListBoxSortedAdd)->Arg(10000)->Arg(30000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ComboBoxSortedAdd)->Arg(10000)->Arg(30000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
