#pragma once
// The X server side of a test. Wine cannot run Linux programs for us, so
// tools/test-win32.sh serves requests: the test drops the arguments of one
// xdotool call into a folder that the script watches (LUMO_X_DRIVER, a Unix
// path), the script runs it against the test's X display and answers with
// its exit code and output.

#include <optional>
#include <string>
#include <vector>

namespace win32test {

struct XReply {
    int exitCode = -1;
    std::string output;
};

// False when the tests run without the script (then X checks are skipped).
bool haveXDriver();
// Runs xdotool with arguments; nothing when the script never answered.
// Windows messages keep being handled while the test waits.
std::optional<XReply> xdotool(const std::vector<std::string> &arguments);

} // namespace win32test
