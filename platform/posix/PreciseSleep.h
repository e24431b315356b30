#pragma once
// Sleeping until an instant of the monotonic clock, to the microsecond: a
// sleep to shortly before it, then a short spin.

#include <chrono>

namespace platform::posix {

// Returns at deadline (at once when it has passed); signals do not cut it short.
void sleepUntil(std::chrono::steady_clock::time_point deadline);

} // namespace platform::posix
