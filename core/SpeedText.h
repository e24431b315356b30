#pragma once
// The single-point speed text ("0.001" .. "120", seconds per tick) as a
// timer interval in milliseconds.

#include <QString>

#include <optional>

namespace lumo {

// A text without "." is whole seconds (raises the conversion error when it
// is no number); the six listed fractions have their own intervals; any
// other text with "." gives nullopt: the interval stays as it was.
std::optional<int> intervalOfSpeedText(const QString &speedText);

} // namespace lumo
