#pragma once
// The program's entry: the page switches, the windows, the message loop.

#include "core/DataLocation.h"
#include "platform/Backend.h"

#include <QStringList>

namespace lumo {

class SingleInstance;

// "tb" or "2345" as the first argument.
bool isPageSwitch(const QStringList &arguments);

// "tb" and "2345" as the first argument open a web page and end the program.
// Returns true when the argument was one of them (the page was handed on).
bool handlePageSwitch(const QStringList &arguments, platform::Shell &shell);

// Creates the windows, shows the main window and runs the message loop. A
// later start of the program, reported by instance, brings the window back.
int runProgram(platform::Backend &backend, const DataLocation &location, const QStringList &arguments,
               SingleInstance *instance = nullptr);

} // namespace lumo
