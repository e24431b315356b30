#pragma once
// The single-point clicker: window timer 1 of the main window, started and
// stopped by the single-point hotkey, clicking at every tick with what the
// panel's controls say at that moment.

#include "core/MainContext.h"

namespace lumo {

class SinglePointPanel;

class SingleClicker {
  public:
    SingleClicker(MainContext &context, SinglePointPanel &panel);

    // The single-point hotkey: start when stopped, stop when running.
    void toggle();
    void onTick();

    static constexpr int kTimerId = 1;

  private:
    void stopTimer();

    MainContext &context_;
    SinglePointPanel &panel_;
    platform::Timer timer_;
};

} // namespace lumo
