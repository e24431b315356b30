#pragma once
// --export FILE and --import FILE: every script and timed task written to a
// file, or a file's scripts and tasks added as new rows (the format is in
// storage/ScriptFile.h). When the program runs for the same data location
// the command goes through it, so that its lists show an import at once;
// else the database is opened here, without a display.

#include "core/DataLocation.h"

#include <QString>
#include <QStringList>

namespace lumo {

// Exit statuses of such a start.
inline constexpr int kTransferDone = 0;
inline constexpr int kTransferFailed = 1;

// Whether the line (program name first) holds --export or --import.
bool holdsTransferCommand(const QStringList &arguments);

// Exports or imports, prints what happened (the summary on stdout, failures
// and hotkey clashes on stderr) in the installed language and returns the
// exit status. A relative FILE is taken from the current folder. Needs a
// QCoreApplication.
int runTransferCommand(const QStringList &arguments, const DataLocation &location);

} // namespace lumo
