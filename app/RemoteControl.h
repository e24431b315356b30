#pragma once
// The running program's side of command-line control: --toggle, --stop,
// --play NAME and --list from a later start are done as the hotkeys would
// do them; --export and --import FILE on the program's own database.

#include "app/InstanceRequest.h"

namespace lumo {

class Database;
class MainWindow;

// Answers at once; what the request sets off happens after the answer has
// gone, from the event loop, so that a run never plays inside the socket's
// handler. An import is written before the answer; the lists show it
// after.
InstanceReply answerInstanceRequest(MainWindow &window, Database *database, const InstanceRequest &request);

} // namespace lumo
