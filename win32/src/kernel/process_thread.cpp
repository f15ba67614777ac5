// Thread and process identity, tick count and Sleep.
#include <windows.h>

#include <sched.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

DWORD WINAPI GetCurrentThreadId(void) {
    // The kernel's thread id: unique among live threads of the system, as a Win32 thread id is.
    static thread_local const DWORD id = static_cast<DWORD>(syscall(SYS_gettid));
    return id;
}

DWORD WINAPI GetCurrentProcessId(void) { return static_cast<DWORD>(getpid()); }

DWORD WINAPI GetTickCount(void) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    // Milliseconds since an arbitrary start, wrapping at 2^32 like the platform's counter.
    return static_cast<DWORD>(static_cast<unsigned long long>(now.tv_sec) * 1000ull +
                              static_cast<unsigned long long>(now.tv_nsec) / 1000000ull);
}

void WINAPI Sleep(DWORD dwMilliseconds) {
    if (dwMilliseconds == 0) {
        sched_yield(); // gives up the rest of the time slice
        return;
    }
    if (dwMilliseconds == INFINITE) {
        for (;;)
            pause();
    }
    timespec remaining{static_cast<time_t>(dwMilliseconds / 1000), static_cast<long>(dwMilliseconds % 1000) * 1000000L};
    while (nanosleep(&remaining, &remaining) != 0) {
    }
}
