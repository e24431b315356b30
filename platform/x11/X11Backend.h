#pragma once
// The services of an X11 desktop.

#include "platform/Backend.h"

#include <memory>

namespace platform {

// Opens a connection of its own to the display named by DISPLAY; null when
// that fails. Needs a QApplication (the message boxes and the event
// notifications run on its thread).
std::unique_ptr<Backend> createX11Backend();

// Whether the display named by DISPLAY can be opened at all.
bool canOpenX11Display();

// The desktop shell alone, for work that needs no display.
std::unique_ptr<Shell> createDesktopShell();

} // namespace platform
