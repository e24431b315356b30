#pragma once
// The program's entry: the page switches, the windows, the message loop.

#include "platform/Backend.h"

#include <QStringList>

namespace lumo {

// "tb" and "2345" as the first argument open a web page and end the program.
// Returns true when the argument was one of them (the page was handed on).
bool handlePageSwitch(const QStringList &arguments, platform::Shell &shell);

// Creates the windows, shows the main window and runs the message loop.
int runProgram(platform::Backend &backend, const QString &exeDir, const QStringList &arguments);

} // namespace lumo
