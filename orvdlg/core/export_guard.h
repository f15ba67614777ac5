// Nothing is thrown across an export: each export runs its body through GuardExport, which turns running out
// of memory into the system's memory message and any other failure into the export's failure result.
#pragma once
#include <new>
#include <type_traits>

// Shows "There is not enough memory to perform the requested operation" in the library's message dialog.
void ShowMemoryMessage();

namespace export_guard_detail {
inline void OutOfMemory()
{
    try {
        ShowMemoryMessage();
    } catch (...) {
    }
}
} // namespace export_guard_detail

template <typename Body>
    requires std::is_void_v<std::invoke_result_t<Body>>
void GuardExport(Body body)
{
    try {
        body();
    } catch (const std::bad_alloc &) {
        export_guard_detail::OutOfMemory();
    } catch (...) {
    }
}

template <typename Body, typename Result> Result GuardExport(Body body, Result failure)
{
    try {
        return body();
    } catch (const std::bad_alloc &) {
        export_guard_detail::OutOfMemory();
    } catch (...) {
    }
    return failure;
}
