// The single-point speed text as a timer interval.

#include "FuzzSupport.h"
#include "core/Conversion.h"
#include "core/SpeedText.h"

#include <limits>

using namespace lumo;
using namespace lumo::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = textOf(data, size);
    const bool fraction = text.contains(QLatin1Char('.'));
    std::optional<int> interval;
    try {
        interval = intervalOfSpeedText(text);
    } catch (const HandlerError &) {
        check(!fraction, "only whole seconds raise", text);
        return 0;
    }
    if (fraction) {
        check(!interval || *interval == 500 || *interval == 200 || *interval == 100 || *interval == 10 ||
                  *interval == 5 || *interval == 1,
              "a fraction is one of the six intervals", text);
        return 0;
    }
    int seconds = 0;
    check(interval.has_value() && referenceInt(text, seconds), "whole seconds are a decimal number", text);
    const qint64 ms = qint64(seconds) * 1000;
    if (ms > std::numeric_limits<int>::max())
        check(*interval == std::numeric_limits<int>::max(), "a huge interval saturates", text);
    else if (ms < std::numeric_limits<int>::min())
        check(*interval == std::numeric_limits<int>::min(), "a huge negative interval saturates", text);
    else
        check(*interval == ms, "whole seconds are a thousand milliseconds each", text);
    return 0;
}
