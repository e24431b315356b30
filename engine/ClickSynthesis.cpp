#include "engine/ClickSynthesis.h"

namespace lumo {

using namespace platform;

namespace {

constexpr unsigned LeftClick = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
constexpr unsigned RightClick = MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP;

void single(Mouse &mouse, unsigned down, unsigned up) {
    mouse.mouse_event(down);
    mouse.mouse_event(up);
}

void twice(Mouse &mouse, unsigned combined) {
    mouse.mouse_event(combined);
    mouse.mouse_event(combined);
}

} // namespace

void ClickByEvent(Mouse &mouse, const QString &stepEvent) {
    if (stepEvent == QStringLiteral("左键单击"))
        single(mouse, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    else if (stepEvent == QStringLiteral("左键双击"))
        twice(mouse, LeftClick);
    else if (stepEvent == QStringLiteral("右键单击"))
        single(mouse, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    else if (stepEvent == QStringLiteral("右键双击"))
        twice(mouse, RightClick);
}

void ClickButton(Mouse &mouse, const QString &button, const QString &kind) {
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
            mouse.mouse_event(LeftClick);
            mouse.mouse_event(RightClick);
        } else {
            twice(mouse, LeftClick);
            twice(mouse, RightClick);
        }
    }
}

} // namespace lumo
