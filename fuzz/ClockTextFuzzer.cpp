// The time text of a timed task, read as a time of day, and the clock text
// the scheduler writes.

#include "FuzzSupport.h"
#include "core/ClockText.h"

#include <QRegularExpression>

using namespace lumo;
using namespace lumo::fuzz;

namespace {

// What the time of day of a text should be, by a pattern instead of a loop.
std::optional<int> expectedTimeOfDay(const QString &text) {
    static const QRegularExpression pattern(QStringLiteral("\\A([0-9]{1,2}):([0-9]{1,2}):([0-9]{1,2})\\z"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int h = match.captured(1).toInt(), m = match.captured(2).toInt(), s = match.captured(3).toInt();
    if (h > 23 || m > 59 || s > 59)
        return std::nullopt;
    return h * 3600 + m * 60 + s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = textOf(data, size);
    check(timeOfDay(text) == expectedTimeOfDay(text), "time of day of a time text", text);

    // The clock under any long time format; with a 24-hour clock and ":" it
    // reads back as the time it shows.
    if (size < 4)
        return 0;
    const int second = ((data[0] << 16) | (data[1] << 8) | data[2]) % 86400;
    const QTime time = QTime(0, 0).addSecs(second);
    platform::LongTimeFormat format;
    format.twelveHour = data[3] & 1;
    format.designatorFirst = data[3] & 2;
    format.leadingZero = data[3] & 4;
    const QStringList words = textOf(data + 4, size - 4).split(QLatin1Char('\n'));
    if (words.size() >= 3) {
        format.separator = words[0];
        format.am = words[1];
        format.pm = words[2];
    }
    const QString clock = clockText(format, time);
    check(clock.contains(format.separator), "the clock shows its separator", clock);
    if (!format.twelveHour && format.separator == QLatin1String(":"))
        check(timeOfDay(clock) == second, "a 24-hour clock text reads back", clock);
    return 0;
}
