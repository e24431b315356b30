#include "core/ClockText.h"

#include <QStringList>

namespace lumo {

namespace {

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

std::optional<int> smallNumber(const QString &text, int limit) {
    if (text.isEmpty() || text.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        // Only ASCII digits: QChar::isDigit would take other scripts' digits.
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value >= limit)
        return std::nullopt;
    return value;
}

} // namespace

QString clockText(const platform::LongTimeFormat &format, const QTime &time) {
    int hour = time.hour();
    QString designator;
    if (format.twelveHour) {
        designator = hour < 12 ? format.am : format.pm;
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    QString text;
    if (format.twelveHour && format.designatorFirst)
        text += designator + QLatin1Char(' ');
    text += format.leadingZero ? twoDigits(hour) : QString::number(hour);
    text += format.separator + twoDigits(time.minute()) + format.separator + twoDigits(time.second());
    if (format.twelveHour && !format.designatorFirst)
        text += QLatin1Char(' ') + designator;
    return text;
}

std::optional<int> timeOfDay(const QString &timeText) {
    const QStringList parts = timeText.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return std::nullopt;
    const std::optional<int> hour = smallNumber(parts[0], 24);
    const std::optional<int> minute = smallNumber(parts[1], 60);
    const std::optional<int> second = smallNumber(parts[2], 60);
    if (!hour || !minute || !second)
        return std::nullopt;
    return *hour * 3600 + *minute * 60 + *second;
}

} // namespace lumo
