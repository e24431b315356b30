// The columns of a stored script or timed task row as the program turns
// them into values: the cycle count text and the step list text with its
// position and interval fields. Rows are read column by column as text, so
// these conversions are the whole of the decoding.
//
// Input: the cycle count text, a line feed, the step list text.

#include "FuzzSupport.h"
#include "core/Conversion.h"
#include "steps/StepListText.h"

using namespace lumo;
using namespace lumo::fuzz;

namespace {

void checkNumber(const QString &text) {
    int expected = 0;
    const bool valid = referenceInt(text, expected);
    int value = 0;
    check(tryParseInt32(text, value) == valid, "a number is read when it is one", text);
    if (valid)
        check(value == expected, "a number reads as its value", text);
    try {
        check(parseInt32OrThrow(text) == expected && valid, "parseInt32OrThrow agrees", text);
    } catch (const HandlerError &error) {
        check(!valid, "parseInt32OrThrow raises only for no number", text);
        check(error.message().contains(text), "the error names the text", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString row = textOf(data, size);
    const qsizetype cut = row.indexOf(QLatin1Char('\n'));
    checkNumber(row.left(cut));
    if (cut < 0)
        return 0;
    for (const QStringList &fields : stepEntries(row.mid(cut + 1))) {
        // x, y and the interval are numbers; the event is a word.
        for (qsizetype i = 0; i < fields.size() && i < 4; ++i)
            if (i != 2)
                checkNumber(fields[i]);
    }
    return 0;
}
