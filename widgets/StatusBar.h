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
    // Makes a panel at least width pixels wide with room taken from the
    // panel after it, so that the bar keeps its width; the next panel keeps
    // at least minimumRest pixels.
    void widenPanel(int panel, int width, int minimumRest);
    // Moves a link label (one line, 13 pixels high) onto a panel, widened for the
    // label's text as widenPanel() does; the label is at least width wide.
    void placeLink(QLabel *link, int panel, int width, int minimumRest);

    static constexpr int kHeight = 19;

  private:
    void layOut();

    QList<QLabel *> panels_;
    QList<int> widths_;
};

} // namespace lumo
