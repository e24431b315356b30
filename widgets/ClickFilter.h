#pragma once
// Turns a left click on a widget that has no click signal of its own (a
// picture, a link label) into a call.

#include <QObject>

#include <functional>

class QWidget;

namespace lumo {

// Calls onClick when the left button is released over widget; owned by it.
void onLeftClick(QWidget *widget, std::function<void()> onClick);

} // namespace lumo
