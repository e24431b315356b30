#pragma once
// Identifiers of the main window's own hotkey registrations. Their values are
// kept from the first version of the program.

namespace lumo {

// Starts and stops the single-point clicker.
inline constexpr int kSinglePointHotkeyId = 1008;
// Asks a playing script to stop.
inline constexpr int kStopHotkeyId = 1108;

} // namespace lumo
