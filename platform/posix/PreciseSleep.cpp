#include "platform/posix/PreciseSleep.h"

#include <cerrno>
#include <ctime>

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace platform::posix {

void sleepUntil(std::chrono::steady_clock::time_point deadline) {
#ifdef __linux__
    // Linux lets a sleep end up to 50 us late by default to batch wake-ups;
    // the threads that sleep here want their deadline instead.
    thread_local const bool tightened = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    static_cast<void>(tightened);
#endif
    // steady_clock is CLOCK_MONOTONIC here; an absolute sleep on it neither
    // drifts by the call's own time nor restarts from zero after a signal.
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline.time_since_epoch()).count();
    timespec at{};
    at.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
    at.tv_nsec = static_cast<long>(ns % 1'000'000'000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

} // namespace platform::posix
