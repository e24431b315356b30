#pragma once
// The services of a Windows desktop.

#include "platform/Backend.h"

#include <memory>

namespace platform {

// Needs a QApplication: hotkey presses arrive through its native event
// filter, and the message boxes and timers run on its thread.
std::unique_ptr<Backend> createWin32Backend();

// The shell alone, for work that needs no window.
std::unique_ptr<Shell> createWin32Shell();

} // namespace platform
