// Precise sleeps on the Win32 API.

#include "platform/win32/Native.h"

#include <windows.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace platform::win32 {

namespace {

// One timer per thread, made at the first sleep; null where Windows has no
// high-resolution timers.
HANDLE highResolutionTimer() {
    thread_local const struct Timer {
        HANDLE handle = ::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                                 TIMER_ALL_ACCESS);
        ~Timer() {
            if (handle != nullptr)
                ::CloseHandle(handle);
        }
    } timer;
    return timer.handle;
}

} // namespace

void sleepUntil(std::chrono::steady_clock::time_point deadline) {
    using std::chrono::steady_clock;
    const auto remaining = deadline - steady_clock::now();
    if (remaining <= steady_clock::duration::zero())
        return;
    if (HANDLE timer = highResolutionTimer()) {
        // A negative due time is relative, in units of 100 ns.
        LARGE_INTEGER due{};
        due.QuadPart =
            -std::chrono::duration_cast<std::chrono::duration<long long, std::ratio<1, 10'000'000>>>(
                 remaining)
                 .count();
        if (::SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE))
            ::WaitForSingleObject(timer, INFINITE);
    }
    // The rest (or all of it, without the timer) is at most a short spin.
    while (steady_clock::now() < deadline)
        ::SwitchToThread();
}

} // namespace platform::win32
