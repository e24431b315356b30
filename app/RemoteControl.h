#pragma once
// The running program's side of command-line control: --toggle, --stop,
// --play NAME and --list from a later start are done as the hotkeys would
// do them.

#include "app/InstanceRequest.h"

namespace lumo {

class MainWindow;

// Answers at once; what the request sets off happens after the answer has
// gone, from the event loop, so that a run never plays inside the socket's
// handler.
InstanceReply answerInstanceRequest(MainWindow &window, const InstanceRequest &request);

} // namespace lumo
