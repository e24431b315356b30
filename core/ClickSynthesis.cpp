#include "core/ClickSynthesis.h"

namespace lumo {

using namespace platform;

namespace {

constexpr unsigned LeftClick = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
constexpr unsigned RightClick = MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP;

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

} // namespace lumo
