#include "storage/ClickTiming.h"

#include "core/Conversion.h"

#include <utility>

namespace lumo {

int millisecondsOf(const QString &text) {
    for (const QChar c : text)
        if (!c.isDigit() || c.unicode() > '9')
            return 0;
    int value = 0;
    return tryParseInt32(text, value) && value > 0 ? value : 0;
}

ClickTiming readClickTiming(const Settings &settings) {
    return {millisecondsOf(settings.text(Setting::Hold)), millisecondsOf(settings.text(Setting::Jitter))};
}

void writeClickTiming(const Settings &settings, const QString &holdText, const QString &jitterText,
                      const QList<Setting> &leaveAlone) {
    for (const auto &[setting, text] :
         {std::pair{Setting::Hold, holdText}, std::pair{Setting::Jitter, jitterText}}) {
        if (leaveAlone.contains(setting))
            continue;
        // Off and never set: the file stays as the settings always wrote it.
        if (millisecondsOf(text) == 0 && !settings.holds(setting))
            continue;
        settings.write(setting, text);
    }
}

} // namespace lumo
