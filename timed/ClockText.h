#pragma once
// The current time of day as the user's long time format writes it: the
// text timed tasks are compared with and the editors show on opening.

#include "platform/Platform.h"

#include <QString>
#include <QTime>

namespace lumo {

// Designator (12-hour clocks, first or last, one blank apart), the hour with
// or without its leading zero, then minutes and seconds of two digits each,
// all joined by the locale's separator.
QString clockText(const platform::LongTimeFormat &format, const QTime &time);

} // namespace lumo
