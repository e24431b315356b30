#include "core/SettingLimits.h"

#include <algorithm>

namespace lumo {

namespace {

bool allDigits(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(),
                                          [](QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; });
}

// A digits-only text as a number, saturated far above every limit.
qint64 saturatedValue(QStringView digits) {
    constexpr qint64 kCeiling = qint64(1) << 40;
    qint64 value = 0;
    for (const QChar c : digits) {
        value = value * 10 + (c.unicode() - '0');
        if (value > kCeiling)
            return kCeiling;
    }
    return value;
}

} // namespace

std::optional<QString> clampedSpeedText(const QString &speedText) {
    QStringView digits(speedText);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative || digits.startsWith(QLatin1Char('+')))
        digits = digits.mid(1);
    if (!allDigits(digits))
        return std::nullopt;
    if (negative && saturatedValue(digits) > 0)
        return QStringLiteral("0");
    if (saturatedValue(digits) > kSpeedLimitSeconds)
        return QString::number(kSpeedLimitSeconds);
    return std::nullopt;
}

std::optional<QString> clampedMillisecondsText(const QString &text, int limit) {
    if (allDigits(text) && saturatedValue(text) > limit)
        return QString::number(limit);
    return std::nullopt;
}

int boundedMilliseconds(const QString &text, int limit) {
    if (!allDigits(text))
        return 0;
    return int(std::min<qint64>(saturatedValue(text), limit));
}

} // namespace lumo
