#pragma once
// The clock text (the time of day in the user's long time format) and the
// reading of a timed task's time text as a time of day.

#include "platform/Platform.h"

#include <QString>
#include <QTime>

#include <optional>

namespace lumo {

// The time of day as the long time format writes it: 9:05:03 under the
// Chinese (PRC) settings, "AM 9:05:03" or "9:05:03 PM" with a 12-hour clock.
QString clockText(const platform::LongTimeFormat &format, const QTime &time);

// The time of day a time text names, in seconds after midnight: three
// numbers of one or two digits joined by ":", an hour 0-23 and minutes and
// seconds 0-59. Anything else names no time of day and never comes due.
std::optional<int> timeOfDay(const QString &timeText);

} // namespace lumo
