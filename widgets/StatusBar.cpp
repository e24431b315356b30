#include "widgets/StatusBar.h"

#include <QLabel>

#include <algorithm>

namespace lumo {

StatusBar::StatusBar(QWidget *parent, const QList<int> &widths) : QFrame(parent), widths_(widths) {
    for (qsizetype i = 0; i < widths_.size(); ++i) {
        auto *panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
        panels_.append(panel);
    }
    layOut();
}

void StatusBar::layOut() {
    int left = 0;
    for (qsizetype i = 0; i < panels_.size(); ++i) {
        panels_[i]->setGeometry(left, 1, widths_[i] - 2, kHeight - 2);
        left += widths_[i];
    }
}

void StatusBar::placeLink(QLabel *link, int panel, int width, int minimumRest) {
    // Where the window's fonts are missing, the Latin letters of the
    // fallback can be wider than the panel was made for (DejaVu under a
    // non-Chinese locale): the panel then takes the room the text needs from
    // the next one.
    link->setParent(this);
    link->ensurePolished();
    const int needed = link->fontMetrics().horizontalAdvance(link->text());
    widenPanel(panel, needed + 6, minimumRest);
    const QRect area = panelRect(panel);
    link->setGeometry(area.left(), area.top() + 2, std::max(width, needed), 13);
    link->show();
}

void StatusBar::widenPanel(int panel, int width, int minimumRest) {
    if (panel < 0 || panel + 1 >= panelCount())
        return;
    const int room = widths_[panel + 1] - minimumRest;
    const int more = std::min(width - widths_[panel], room);
    if (more <= 0)
        return;
    widths_[panel] += more;
    widths_[panel + 1] -= more;
    layOut();
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
