#include "platform/win32/Native.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace platform::win32;
using std::chrono::steady_clock;

TEST(NativeTime, SleepsEndAtTheirDeadlineNeverBefore) {
    using namespace std::chrono_literals;
    for (const std::chrono::microseconds length : {0us, 300us, 2000us, 20000us}) {
        const auto start = steady_clock::now();
        sleepUntil(start + length);
        const auto slept = steady_clock::now() - start;
        EXPECT_GE(slept, length) << length.count() << " us";
        // Generous: Wine and a busy machine may be late, never by a whole second.
        EXPECT_LT(slept, length + 1s) << length.count() << " us";
    }
}

TEST(NativeTime, ADeadlineInThePastReturnsAtOnce) {
    using namespace std::chrono_literals;
    const auto start = steady_clock::now();
    sleepUntil(start - 1h);
    EXPECT_LT(steady_clock::now() - start, 100ms);
}
