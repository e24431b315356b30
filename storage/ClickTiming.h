#pragma once
// How long the single-point clicker holds each click down and by how much
// it varies its period, as setting.ini keeps them (keys "hold" and "jitter"
// of section "setting"). Both are off at 0.

#include "storage/IniFile.h"

namespace lumo {

struct ClickTiming {
    int holdMs = 0;
    int jitterMs = 0;
};

// A field's milliseconds: digits only, else 0 (empty, a sign, no number).
int millisecondsOf(const QString &text);

// Files written before the keys existed lack them: they read 0.
ClickTiming readClickTiming(const IniFile &ini);
// A key that is off is written only over a value the file already has.
void writeClickTiming(const IniFile &ini, const QString &holdText, const QString &jitterText);

} // namespace lumo
