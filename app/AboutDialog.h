#pragma once
// The about box: made for one showing and freed when it closes.

#include <QDialog>

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

  private:
    void onProgramIconClicked();
    void onHomePageLinkClicked();
    platform::Shell &shell_;
};

} // namespace lumo
