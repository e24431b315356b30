#include "core/SpeedText.h"

#include "core/Conversion.h"

#include <algorithm>
#include <limits>

namespace lumo {

std::optional<int> intervalOfSpeedText(const QString &speedText) {
    if (!speedText.contains(QLatin1Char('.'))) {
        // Saturated rather than wrapped: a huge number of seconds is a huge interval.
        const qint64 ms = qint64(parseInt32OrThrow(speedText)) * 1000;
        return int(std::clamp<qint64>(ms, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
    static const std::pair<const char *, int> fractions[] = {{"0.5", 500},  {"0.2", 200}, {"0.1", 100},
                                                             {"0.010", 10}, {"0.005", 5}, {"0.001", 1}};
    for (const auto &[text, ms] : fractions)
        if (speedText == QLatin1String(text))
            return ms;
    return std::nullopt;
}

} // namespace lumo
