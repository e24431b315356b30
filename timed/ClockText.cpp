#include "timed/ClockText.h"

namespace lumo {

namespace {

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString clockText(const platform::LongTimeFormat &format, const QTime &time) {
    const int hour24 = time.hour();
    int hour = hour24;
    if (format.twelveHour) {
        hour = hour24 % 12;
        if (hour == 0)
            hour = 12;
    }
    const QString designator = hour24 < 12 ? format.am : format.pm;
    QString text;
    if (format.twelveHour && format.designatorFirst)
        text += designator + QLatin1Char(' ');
    text += format.leadingZero ? twoDigits(hour) : QString::number(hour);
    text += format.separator + twoDigits(time.minute()) + format.separator + twoDigits(time.second());
    if (format.twelveHour && !format.designatorFirst)
        text += QLatin1Char(' ') + designator;
    return text;
}

} // namespace lumo
