#pragma once
// The state beside the main window that the single-point clicker, the
// hotkey registrations and the script runner share.

#include <QString>

namespace lumo {

struct MainState {
    int ClickInterval = 0; // ms between ticks of the single-point timer
    int ClickCount = 0;    // ticks since the last reset
    bool ClickerRunning = false;
    bool StartHotkeyRegistered = false;
    // "1" after the stop hotkey was pressed, "0" once a run honoured it.
    QString stopRequest;

    bool stopRequested() const { return stopRequest == QLatin1String("1"); }
};

} // namespace lumo
