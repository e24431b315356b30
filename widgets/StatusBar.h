#pragma once
// A status bar of sunken panels of fixed widths, as the program's windows
// lay them out.

#include <QFrame>
#include <QList>

class QLabel;

namespace lumo {

class StatusBar final : public QFrame {
    Q_OBJECT
  public:
    // widths: each panel's width in pixels, left to right; the main window's by default.
    explicit StatusBar(QWidget *parent, const QList<int> &widths = {160, 180, 190});

    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;
    // The rectangle of a panel in the bar's coordinates.
    QRect panelRect(int panel) const;
    int panelCount() const { return int(panels_.size()); }

    static constexpr int kHeight = 19;

  private:
    QList<QLabel *> panels_;
};

} // namespace lumo
