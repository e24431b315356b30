#include "timed/TimedScheduler.h"

#include "core/ClockText.h"
#include "core/Conversion.h"

#include <algorithm>

namespace lumo {

TimedScheduler::TimedScheduler(TimedRows &rows, platform::Locale &locale, QObject *parent)
    : QObject(parent), rows_(rows), locale_(locale) {
}

int TimedScheduler::msToNextSecond(const QDateTime &now) {
    const int ms = 1000 - now.time().msec();
    // A tick that came a moment early would otherwise ask for an instant one.
    return ms < platform::Timers::MinimumPeriodMs ? ms + 1000 : ms;
}

void TimedScheduler::tick(const QDateTime &now) {
    clockText_ = lumo::clockText(locale_.longTimeFormat(), now.time());
    const qint64 second = now.toSecsSinceEpoch();
    qint64 first = second;
    if (lastSecond_) {
        if (*lastSecond_ == second)
            return; // a second tick within one second: that second is done
        if (*lastSecond_ < second)
            first = std::max(*lastSecond_ + 1, second - kMaxLateSeconds);
    }
    // Claimed before anything plays: ticks nested in a play take only the
    // seconds after this one.
    lastSecond_ = second;
    const int rowCount = rows_.rowCount();
    for (qint64 s = first; s <= second; ++s)
        if (!playDueAt(s, rowCount))
            return;
}

bool TimedScheduler::playDueAt(qint64 second, int rowCount) {
    const int due = QDateTime::fromSecsSinceEpoch(second).time().msecsSinceStartOfDay() / 1000;
    for (int position = 0; position < rowCount; ++position) {
        // A reload during a play may leave fewer rows than the tick counted.
        if (position >= rows_.rowCount())
            return false;
        const TimedRow row = rows_.rowAt(position);
        if (row.status != kStatusEnabled || timeOfDay(row.time) != due)
            continue;
        playTask(row);
    }
    return true;
}

void TimedScheduler::playTask(const TimedRow &row) {
    int cycles = 0;
    if (!tryParseInt32(row.cycles, cycles)) {
        emit badCycles();
        return;
    }
    for (int cycle = 0; cycle < cycles; ++cycle) {
        // By id, afresh: a reload during the last cycle may have moved the
        // task, changed its steps or deleted it.
        const std::optional<TimedRow> current = rows_.rowById(row.id);
        if (!current)
            return;
        emit playRequested(current->steps, 1);
    }
}

} // namespace lumo
