#pragma once
// The single-point clicker's period arithmetic, in 64 bits: a period of
// nearly 25 days (the longest speed) plus the widest random spread must
// neither wrap nor reach a timer as a nonsense period.

#include <QtGlobal>

namespace lumo {

// The periods a random one is drawn from: period - jitter to period +
// jitter, never shorter than the timers' minimum. Any two ints are fine.
struct PeriodRange {
    qint64 lowestMs = 0;
    qint64 highestMs = 0;
};
PeriodRange randomPeriodRange(int periodMs, int jitterMs);

// A wait of ms as a timer period: the timers' minimum at least, and no
// more than an int holds (a timer that long ticks late rather than never).
int timerPeriodOf(qint64 ms);

} // namespace lumo
