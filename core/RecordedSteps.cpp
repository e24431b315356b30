#include "core/RecordedSteps.h"

#include <algorithm>
#include <cstdlib>

namespace lumo {

using platform::RecordedPress;

namespace {

const QString kLastInterval = QStringLiteral("20");

bool secondOfDouble(const RecordedPress &first, const RecordedPress &second, DoubleClickRule rule) {
    return second.button == first.button && second.timeMs - first.timeMs < rule.intervalMs &&
           std::abs(second.at.x - first.at.x) <= rule.distancePx &&
           std::abs(second.at.y - first.at.y) <= rule.distancePx;
}

StepClick clickOf(RecordedPress::Button button, bool twice) {
    if (button == RecordedPress::Button::Left)
        return twice ? StepClick::LeftDouble : StepClick::LeftSingle;
    return twice ? StepClick::RightDouble : StepClick::RightSingle;
}

} // namespace

QList<RecordedStep> recordedSteps(const std::vector<RecordedPress> &presses, DoubleClickRule rule) {
    QList<RecordedStep> steps;
    QList<qint64> startedMs;
    for (std::size_t i = 0; i < presses.size(); ++i) {
        const RecordedPress &press = presses[i];
        // A third quick press begins a step of its own, as on the desktop.
        const bool twice = i + 1 < presses.size() && secondOfDouble(press, presses[i + 1], rule);
        steps.append({press.at, clickOf(press.button, twice), kLastInterval});
        startedMs.append(press.timeMs);
        if (twice)
            ++i;
    }
    for (qsizetype i = 0; i + 1 < steps.size(); ++i)
        steps[i].interval = QString::number(std::max<qint64>(0, startedMs[i + 1] - startedMs[i]));
    return steps;
}

} // namespace lumo
