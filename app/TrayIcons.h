#pragma once
// The tray icon for what the program is doing: its own icon when idle, and
// with a badge in the lower right corner while the single-point clicker
// clicks (a green disc), a script plays (a blue square with a white
// triangle) or a recording runs (a red disc in a white ring).

#include <QIcon>

namespace lumo {

enum class TrayState { Idle, Clicking, Playing, Recording };

// Drawn for every size a tray asks for, 16 to 256 pixels.
QIcon trayIconFor(const QIcon &programIcon, TrayState state);

} // namespace lumo
