#pragma once
// The main window's status bar: three panels of fixed widths.

#include <QFrame>

class QLabel;

namespace lumo {

class StatusBar final : public QFrame {
    Q_OBJECT
  public:
    explicit StatusBar(QWidget *parent);

    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;
    // The rectangle of a panel in the bar's coordinates.
    QRect panelRect(int panel) const;

    static constexpr int kPanelCount = 3;
    static constexpr int kHeight = 19;

  private:
    QLabel *panels_[kPanelCount];
};

} // namespace lumo
