#pragma once
// How long the single-point clicker holds each click down and by how much
// it varies its period, as setting.ini keeps them (keys "hold" and "jitter"
// of section "setting"). Both are off at 0.

#include "storage/IniFile.h"

#include <QStringList>

namespace lumo {

struct ClickTiming {
    int holdMs = 0;
    int jitterMs = 0;
};

// A field's milliseconds: digits only, else 0 (empty, a sign, no number).
int millisecondsOf(const QString &text);

// Files written before the keys existed lack them: they read 0.
ClickTiming readClickTiming(const IniFile &ini);
// A key that is off is written only over a value the file already has;
// keys named in leaveAlone are not written at all.
void writeClickTiming(const IniFile &ini, const QString &holdText, const QString &jitterText,
                      const QStringList &leaveAlone = {});

// The texts of the two keys as the file has them, "0" when missing.
QString storedHoldText(const IniFile &ini);
QString storedJitterText(const IniFile &ini);

} // namespace lumo
