#pragma once
// Click descriptions in words turned into mouse button events at the pointer.

#include "platform/Platform.h"

#include <QString>

#include <functional>
#include <vector>

namespace lumo {

// The click a step makes.
enum class StepClick { None, LeftSingle, LeftDouble, RightSingle, RightDouble, MiddleSingle, MiddleDouble };

// A stored step event: "左键单击", "左键双击", "右键单击", "右键双击", "中键单击",
// "中键双击"; anything else (such as "无点击") makes no click.
StepClick stepClickOfEvent(const QString &stepEvent);
// The stored word of a click; "无点击" for none.
QString stepEventOf(StepClick click);

// Sends the button events of a step's click.
void clickStep(platform::Mouse &mouse, StepClick click);

// The single-point button ("左键", "右键", "左右键", "中键") and kind ("单击"
// or a double click for any other text).
void clickSinglePoint(platform::Mouse &mouse, const QString &button, const QString &kind);
// The button events that clickSinglePoint sends, in order; none for an
// unknown button.
std::vector<platform::ButtonEvent> singlePointSequence(const QString &button, const QString &kind);

// The same clicks, each a press, wait(holdMs) and a release. A wait that
// returns false was cut short: its button is released and no click follows.
void clickSinglePointHeld(platform::Mouse &mouse, const QString &button, const QString &kind, int holdMs,
                          const std::function<bool(int ms)> &wait);

} // namespace lumo
