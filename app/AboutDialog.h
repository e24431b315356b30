#pragma once
// The about box: made for one showing and freed when it closes.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace platform {
class Shell;
}

namespace lumo {

class AboutDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(platform::Shell &shell);

    // Creates a box without owner and shows it modally; it frees itself.
    static void showModal(platform::Shell &shell);

    void onProgramIconClicked();
    void onHomePageLinkClicked();

  private:
    platform::Shell &shell_;

  private:
    QFrame *infoFrame;
    QLabel *programIconLabel;
    QLabel *productNameLabel;
    QLabel *versionLabel;
    QLabel *contactLabel;
    QLabel *homePageLinkLabel;
    QLabel *makerLabel;
    QPushButton *okButton;
};

} // namespace lumo
