#include "app/StatusBar.h"

#include <QLabel>

namespace lumo {

namespace {

constexpr int kWidths[StatusBar::kPanelCount] = {160, 180, 190};

} // namespace

StatusBar::StatusBar(QWidget *parent) : QFrame(parent) {
    int left = 0;
    for (int i = 0; i < kPanelCount; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[i]->setGeometry(left, 1, kWidths[i] - 2, kHeight - 2);
        panels_[i]->setIndent(2);
        left += kWidths[i];
    }
}

void StatusBar::setPanelText(int panel, const QString &text) {
    if (panel >= 0 && panel < kPanelCount)
        panels_[panel]->setText(text);
}

QString StatusBar::panelText(int panel) const {
    return panel >= 0 && panel < kPanelCount ? panels_[panel]->text() : QString();
}

QRect StatusBar::panelRect(int panel) const {
    return panel >= 0 && panel < kPanelCount ? panels_[panel]->geometry() : QRect();
}

} // namespace lumo
