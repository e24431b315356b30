#include "core/ClickSynthesis.h"

#include <QList>

namespace lumo {

using platform::ButtonEvent;
using platform::Mouse;

namespace {

struct Button {
    ButtonEvent down;
    ButtonEvent up;
    ButtonEvent click;
};
constexpr Button kLeft{ButtonEvent::LeftDown, ButtonEvent::LeftUp, ButtonEvent::LeftClick};
constexpr Button kRight{ButtonEvent::RightDown, ButtonEvent::RightUp, ButtonEvent::RightClick};
constexpr Button kMiddle{ButtonEvent::MiddleDown, ButtonEvent::MiddleUp, ButtonEvent::MiddleClick};

// The buttons of a single-point button word, in click order; none for an
// unknown word.
QList<Button> singlePointButtons(const QString &button) {
    if (button == QStringLiteral("左键"))
        return {kLeft};
    if (button == QStringLiteral("右键"))
        return {kRight};
    if (button == QStringLiteral("左右键"))
        return {kLeft, kRight};
    if (button == QStringLiteral("中键"))
        return {kMiddle};
    return {};
}

// A single click is a down then an up; a double click is two clicks of one
// call each, as the two calls of a double click have always been.
std::vector<ButtonEvent> clicksOf(Button button, bool singleClick) {
    if (singleClick)
        return {button.down, button.up};
    return {button.click, button.click};
}

const struct {
    const char16_t *event;
    StepClick click;
} kStepEvents[] = {{u"左键单击", StepClick::LeftSingle},   {u"左键双击", StepClick::LeftDouble},
                   {u"右键单击", StepClick::RightSingle},  {u"右键双击", StepClick::RightDouble},
                   {u"中键单击", StepClick::MiddleSingle}, {u"中键双击", StepClick::MiddleDouble}};

} // namespace

StepClick stepClickOfEvent(const QString &stepEvent) {
    for (const auto &event : kStepEvents)
        if (stepEvent == QStringView(event.event))
            return event.click;
    return StepClick::None;
}

QString stepEventOf(StepClick click) {
    for (const auto &event : kStepEvents)
        if (event.click == click)
            return QString::fromUtf16(event.event);
    return QStringLiteral("无点击");
}

void clickStep(Mouse &mouse, StepClick click) {
    switch (click) {
    case StepClick::None:
        return;
    case StepClick::LeftSingle:
    case StepClick::LeftDouble:
        mouse.sendButtonSequence(clicksOf(kLeft, click == StepClick::LeftSingle));
        return;
    case StepClick::RightSingle:
    case StepClick::RightDouble:
        mouse.sendButtonSequence(clicksOf(kRight, click == StepClick::RightSingle));
        return;
    case StepClick::MiddleSingle:
    case StepClick::MiddleDouble:
        mouse.sendButtonSequence(clicksOf(kMiddle, click == StepClick::MiddleSingle));
        return;
    }
}

std::vector<ButtonEvent> singlePointSequence(const QString &button, const QString &kind) {
    const bool singleClick = kind == QStringLiteral("单击");
    if (button == QStringLiteral("左右键"))
        return singleClick ? std::vector<ButtonEvent>{kLeft.click, kRight.click}
                           : std::vector<ButtonEvent>{kLeft.click, kLeft.click, kRight.click, kRight.click};
    const QList<Button> buttons = singlePointButtons(button);
    if (buttons.isEmpty())
        return {};
    return clicksOf(buttons.front(), singleClick);
}

void clickSinglePoint(Mouse &mouse, const QString &button, const QString &kind) {
    mouse.sendButtonSequence(singlePointSequence(button, kind));
}

void clickSinglePointHeld(Mouse &mouse, const QString &button, const QString &kind, int holdMs,
                          const std::function<bool(int ms)> &wait) {
    const int clicks = kind == QStringLiteral("单击") ? 1 : 2;
    for (const Button &each : singlePointButtons(button))
        for (int i = 0; i < clicks; ++i) {
            mouse.sendButtons(each.down);
            // The hold counts from when the press is in, not from when it left.
            mouse.awaitDelivery();
            const bool held = wait(holdMs);
            mouse.sendButtons(each.up);
            if (!held)
                return;
        }
}

} // namespace lumo
