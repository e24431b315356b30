// An update page as the program reads it: its inline scripts cut out of the
// HTML and run in the capped engine. Whatever a page holds, the engine
// comes back within its time limit and its heap stays within its cap.

#include "FuzzSupport.h"
#include "update/PageScriptEngine.h"
#include "update/PageScripts.h"

#include <chrono>

using namespace lumo;
using namespace lumo::fuzz;
using namespace std::chrono_literals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // The program abandons pages over a megabyte while they arrive.
    if (size > 1024 * 1024)
        return 0;
    const QString html = textOf(data, size);
    const ScriptLimits limits{100ms, 4 * 1024 * 1024};
    const auto started = std::chrono::steady_clock::now();
    const auto globals = runPageScripts(inlineScripts(html), limits);
    // Generous for the sanitizers' slower code: a stop comes at the next
    // check after the limit, and reading the variables is bounded too.
    check(std::chrono::steady_clock::now() - started < 3s, "the engine returns soon after its time limit",
          html);
    if (globals)
        for (auto it = globals->cbegin(); it != globals->cend(); ++it)
            check(it.key().size() + it.value().size() < 8 * 1024 * 1024, "no text larger than the heap",
                  it.key());
    return 0;
}
