// The script file that --import reads: whatever the bytes, the decoder
// either refuses them with a reason or gives contents that write out and
// read back unchanged.

#include "FuzzSupport.h"
#include "storage/ScriptFile.h"

using namespace lumo;
using namespace lumo::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QString error;
    const std::optional<ScriptFileContents> contents = decodeScriptFile(bytes, &error);
    if (!contents) {
        check(!error.isEmpty(), "a refusal says why");
        return 0;
    }
    const std::optional<ScriptFileContents> again = decodeScriptFile(encodeScriptFile(*contents), &error);
    check(again.has_value(), "what was written reads back", error);
    check(*again == *contents, "what was written reads back unchanged");
    return 0;
}
