#pragma once
// The user's recorded presses turned into click steps: two presses of one
// button in quick succession at one place make a double click, the interval
// of a step runs to the next step's press, and the last step waits the
// step editors' default interval.

#include "core/ClickSynthesis.h"
#include "platform/Platform.h"

#include <QList>
#include <QString>

#include <vector>

namespace lumo {

struct RecordedStep {
    platform::Point at;
    StepClick click;  // a single or double click of the left or right button
    QString interval; // milliseconds
};

struct DoubleClickRule {
    int intervalMs = 400; // a second press sooner than this is a double click
    int distancePx = 5;   // at most this far off the first, on either axis
};

QList<RecordedStep> recordedSteps(const std::vector<platform::RecordedPress> &presses, DoubleClickRule rule);

} // namespace lumo
