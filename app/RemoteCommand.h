#pragma once
// A later start that controls the running program instead of starting:
// --toggle (what the single-point hotkey does), --stop (what the stop key
// does), --play NAME (plays that script as its hotkey would) and --list
// (the scripts with their hotkeys and state, one a line).

#include <QString>
#include <QStringList>

namespace lumo {

// Exit statuses of such a start.
inline constexpr int kRemoteDone = 0;
inline constexpr int kRemoteNoInstance = 1;
inline constexpr int kRemoteNoSuchScript = 2;

// Whether the line (program name first) holds one of the four switches.
bool holdsRemoteCommand(const QStringList &arguments);
// Hands the command to the program running on that settings folder,
// prints what it answers (the list on stdout, anything wrong on stderr) and
// returns the exit status. Needs a QCoreApplication.
int runRemoteCommand(const QStringList &arguments, const QString &settingsFolder);

} // namespace lumo
