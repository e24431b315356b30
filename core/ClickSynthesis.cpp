#include "core/ClickSynthesis.h"

#include <QList>

namespace lumo {

using namespace platform;

namespace {

constexpr unsigned LeftClick = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
constexpr unsigned RightClick = MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP;
constexpr unsigned MiddleClick = MOUSEEVENTF_MIDDLEDOWN | MOUSEEVENTF_MIDDLEUP;

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

void single(Mouse &mouse, unsigned down, unsigned up) {
    mouse.sendButtons(down);
    mouse.sendButtons(up);
}

void twice(Mouse &mouse, unsigned combined) {
    mouse.sendButtons(combined);
    mouse.sendButtons(combined);
}

} // namespace

void clickStepEvent(Mouse &mouse, const QString &stepEvent) {
    if (stepEvent == QStringLiteral("左键单击"))
        single(mouse, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    else if (stepEvent == QStringLiteral("左键双击"))
        twice(mouse, LeftClick);
    else if (stepEvent == QStringLiteral("右键单击"))
        single(mouse, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    else if (stepEvent == QStringLiteral("右键双击"))
        twice(mouse, RightClick);
    else if (stepEvent == QStringLiteral("中键单击"))
        single(mouse, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    else if (stepEvent == QStringLiteral("中键双击"))
        twice(mouse, MiddleClick);
}

void clickSinglePoint(Mouse &mouse, const QString &button, const QString &kind) {
    const bool singleClick = kind == QStringLiteral("单击");
    if (button == QStringLiteral("左键")) {
        if (singleClick)
            single(mouse, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        else
            twice(mouse, LeftClick);
    } else if (button == QStringLiteral("右键")) {
        if (singleClick)
            single(mouse, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        else
            twice(mouse, RightClick);
    } else if (button == QStringLiteral("中键")) {
        if (singleClick)
            single(mouse, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
        else
            twice(mouse, MiddleClick);
    } else if (button == QStringLiteral("左右键")) {
        if (singleClick) {
            mouse.sendButtons(LeftClick);
            mouse.sendButtons(RightClick);
        } else {
            twice(mouse, LeftClick);
            twice(mouse, RightClick);
        }
    }
}

void clickSinglePointHeld(Mouse &mouse, const QString &button, const QString &kind, int holdMs,
                          const std::function<bool(int ms)> &wait) {
    const int clicks = kind == QStringLiteral("单击") ? 1 : 2;
    for (const ButtonFlags &flags : singlePointButtons(button))
        for (int i = 0; i < clicks; ++i) {
            mouse.sendButtons(flags.down);
            const bool held = wait(holdMs);
            mouse.sendButtons(flags.up);
            if (!held)
                return;
        }
}

} // namespace lumo
