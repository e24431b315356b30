#pragma once
// The one-time notice for Wayland sessions: the program runs through
// XWayland, where its hotkeys and clicks reach X11 windows only, and the
// commands to bind to the desktop's shortcuts instead.

#include "core/DataLocation.h"
#include "platform/Platform.h"

#include <QProcessEnvironment>

namespace lumo {

// WAYLAND_DISPLAY set, or XDG_SESSION_TYPE=wayland.
bool isWaylandSession(const QProcessEnvironment &environment);

// Shows the notice unless setting.ini says it was shown ([desktop]
// waylandNoticeShown=1), then records it there. Returns whether it showed.
bool showWaylandNoticeOnce(platform::Services &os, const DataLocation &location);

} // namespace lumo
