#include "core/ClickPeriod.h"

#include "platform/Platform.h"

#include <algorithm>
#include <limits>

namespace lumo {

PeriodRange randomPeriodRange(int periodMs, int jitterMs) {
    const qint64 period = periodMs;
    const qint64 jitter = std::max<qint64>(jitterMs, 0);
    const qint64 lowest = std::max<qint64>(platform::Timers::MinimumPeriodMs, period - jitter);
    return {lowest, std::max(lowest, period + jitter)};
}

int timerPeriodOf(qint64 ms) {
    return int(std::clamp<qint64>(ms, platform::Timers::MinimumPeriodMs, std::numeric_limits<int>::max()));
}

} // namespace lumo
