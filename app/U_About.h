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

class TAboutBox final : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(platform::Shell &shell);

    // Creates a box without owner and shows it modally; it frees itself.
    static void showModal(platform::Shell &shell);

    void ProgramIconClick();
    void CommentsClick();

    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Copyright;
    QLabel *Comments;
    QLabel *lbl1;
    QPushButton *OKButton;

  private:
    platform::Shell &shell_;
};

} // namespace lumo
