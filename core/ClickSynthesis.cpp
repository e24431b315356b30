#include "core/ClickSynthesis.h"

#include <QList>

namespace lumo {

using namespace platform;

namespace {

constexpr unsigned LeftClick = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
constexpr unsigned RightClick = MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP;

struct ButtonFlags {
    unsigned down;
    unsigned up;
};
constexpr ButtonFlags kLeft{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
constexpr ButtonFlags kRight{MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP};
constexpr ButtonFlags kMiddle{MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP};

// The buttons of a single-point button word, in click order; none for an
// unknown word.
QList<ButtonFlags> singlePointButtons(const QString &button) {
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

// A single click is a down then an up; a double click is two combined
// flags, as the two calls of a double click have always been.
std::vector<unsigned> clicksOf(ButtonFlags flags, bool singleClick) {
    if (singleClick)
        return {flags.down, flags.up};
    return {flags.down | flags.up, flags.down | flags.up};
}

} // namespace

void clickStepEvent(Mouse &mouse, const QString &stepEvent) {
    static const struct {
        const char16_t *event;
        ButtonFlags flags;
        bool singleClick;
    } kEvents[] = {{u"左键单击", kLeft, true},   {u"左键双击", kLeft, false},  {u"右键单击", kRight, true},
                   {u"右键双击", kRight, false}, {u"中键单击", kMiddle, true}, {u"中键双击", kMiddle, false}};
    for (const auto &event : kEvents)
        if (stepEvent == QStringView(event.event)) {
            mouse.sendButtonSequence(clicksOf(event.flags, event.singleClick));
            return;
        }
}

std::vector<unsigned> singlePointSequence(const QString &button, const QString &kind) {
    const bool singleClick = kind == QStringLiteral("单击");
    if (button == QStringLiteral("左右键"))
        return singleClick ? std::vector<unsigned>{LeftClick, RightClick}
                           : std::vector<unsigned>{LeftClick, LeftClick, RightClick, RightClick};
    const QList<ButtonFlags> buttons = singlePointButtons(button);
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
    for (const ButtonFlags &flags : singlePointButtons(button))
        for (int i = 0; i < clicks; ++i) {
            mouse.sendButtons(flags.down);
            // The hold counts from when the press is in, not from when it left.
            mouse.awaitDelivery();
            const bool held = wait(holdMs);
            mouse.sendButtons(flags.up);
            if (!held)
                return;
        }
}

} // namespace lumo
