#pragma once
// The ranges the single-point speed, hold and jitter are kept within, and
// the nearest allowed value of a text outside them.

#include <QString>

#include <optional>

namespace lumo {

// Whole seconds per click: up to a day.
inline constexpr int kSpeedLimitSeconds = 86400;
// Milliseconds a click is held, and the most a period varies by.
inline constexpr int kHoldLimitMs = 99999;
inline constexpr int kJitterLimitMs = 99999;

// The nearest allowed speed text for a whole number of seconds outside
// 0 .. kSpeedLimitSeconds ("-5" gives "0", "999999999" gives "86400");
// nullopt for a text in range, a fraction or no number at all, which keep
// their own rules.
std::optional<QString> clampedSpeedText(const QString &speedText);

// The same for a digits-only millisecond field and its limit; a text that
// is not digits only is left to read as 0.
std::optional<QString> clampedMillisecondsText(const QString &text, int limit);

// A field's milliseconds, never above the limit: digits only, else 0.
int boundedMilliseconds(const QString &text, int limit);

} // namespace lumo
