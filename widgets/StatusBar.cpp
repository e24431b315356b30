#include "widgets/StatusBar.h"

#include <QLabel>

namespace lumo {

StatusBar::StatusBar(QWidget *parent, const QList<int> &widths) : QFrame(parent) {
    int left = 0;
    for (const int width : widths) {
        auto *panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setGeometry(left, 1, width - 2, kHeight - 2);
        panel->setIndent(2);
        panels_.append(panel);
        left += width;
    }
}

void StatusBar::setPanelText(int panel, const QString &text) {
    if (panel >= 0 && panel < panelCount())
        panels_[panel]->setText(text);
}

QString StatusBar::panelText(int panel) const {
    return panel >= 0 && panel < panelCount() ? panels_[panel]->text() : QString();
}

QRect StatusBar::panelRect(int panel) const {
    return panel >= 0 && panel < panelCount() ? panels_[panel]->geometry() : QRect();
}

} // namespace lumo
