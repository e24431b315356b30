#include "storage/ClickTiming.h"

#include "core/Conversion.h"

#include <utility>

namespace lumo {

namespace {

const QString kSection = QStringLiteral("setting");
const QString kHoldKey = QStringLiteral("hold");
const QString kJitterKey = QStringLiteral("jitter");

} // namespace

int millisecondsOf(const QString &text) {
    for (const QChar c : text)
        if (!c.isDigit() || c.unicode() > '9')
            return 0;
    int value = 0;
    return tryParseInt32(text, value) && value > 0 ? value : 0;
}

ClickTiming readClickTiming(const IniFile &ini) {
    return {millisecondsOf(ini.readString(kSection, kHoldKey, QStringLiteral("0"))),
            millisecondsOf(ini.readString(kSection, kJitterKey, QStringLiteral("0")))};
}

QString storedHoldText(const IniFile &ini) {
    return ini.readString(kSection, kHoldKey, QStringLiteral("0"));
}

QString storedJitterText(const IniFile &ini) {
    return ini.readString(kSection, kJitterKey, QStringLiteral("0"));
}

void writeClickTiming(const IniFile &ini, const QString &holdText, const QString &jitterText,
                      const QStringList &leaveAlone) {
    // No value is a line break: it stands for a missing key.
    const QString missing = QStringLiteral("\n");
    for (const auto &[key, text] : {std::pair{kHoldKey, holdText}, std::pair{kJitterKey, jitterText}}) {
        if (leaveAlone.contains(key))
            continue;
        // Off and never set: the file stays as the settings always wrote it.
        if (millisecondsOf(text) == 0 && ini.readString(kSection, key, missing) == missing)
            continue;
        ini.writeString(kSection, key, text);
    }
}

} // namespace lumo
