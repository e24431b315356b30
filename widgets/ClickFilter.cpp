#include "widgets/ClickFilter.h"

#include <QMouseEvent>
#include <QWidget>

namespace lumo {

namespace {

class ClickFilter final : public QObject {
  public:
    ClickFilter(QWidget *widget, std::function<void()> onClick)
        : QObject(widget), onClick_(std::move(onClick)) {}

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const auto *widget = static_cast<QWidget *>(watched);
            if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
                onClick_();
        }
        return false;
    }

  private:
    std::function<void()> onClick_;
};

} // namespace

void onLeftClick(QWidget *widget, std::function<void()> onClick) {
    widget->installEventFilter(new ClickFilter(widget, std::move(onClick)));
}

} // namespace lumo
