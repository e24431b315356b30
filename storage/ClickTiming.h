#pragma once
// How long the single-point clicker holds each click down and by how much
// it varies its period, as setting.ini keeps them (Setting::Hold and
// Setting::Jitter). Both are off at 0.

#include "storage/Settings.h"

#include <QList>

namespace lumo {

struct ClickTiming {
    int holdMs = 0;
    int jitterMs = 0;
};

// A field's milliseconds: digits only, else 0 (empty, a sign, no number).
int millisecondsOf(const QString &text);

// Files written before the keys existed lack them: they read 0.
ClickTiming readClickTiming(const Settings &settings);

// A key that is off is written only over a value the file already has;
// settings named in leaveAlone are not written at all.
void writeClickTiming(const Settings &settings, const QString &holdText, const QString &jitterText,
                      const QList<Setting> &leaveAlone = {});

} // namespace lumo
