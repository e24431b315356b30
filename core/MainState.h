#pragma once
// The state beside the main window that the single-point clicker, the
// hotkey registrations and the script runner share.

#include <QString>

namespace lumo {

struct MainState {
    int clickIntervalMs = 0; // ms between ticks of the single-point timer
    int clickCount = 0;      // ticks since the last reset
    bool clickerRunning = false;
    bool startHotkeyRegistered = false;
    // Set by the stop hotkey, cleared once a run honoured it.
    bool stopRequested = false;
    int runsPlaying = 0; // script runs under way; they nest

    // The program itself is clicking.
    bool clicking() const { return clickerRunning || runsPlaying > 0; }
};

} // namespace lumo
