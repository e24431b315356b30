#pragma once
// The stop hotkey dialog: picks the modifier and key of the one hotkey that
// stops a running script, stores it and registers it.

#include "core/MainContext.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace lumo {

class StopHotkeyDialog final : public QDialog {
    Q_OBJECT
  public:
    StopHotkeyDialog(MainContext &context, QWidget *owner);

    // Fills the two boxes with the stop hotkey in force: the stored text,
    // "无" + "F6" when none is stored.
    void loadStoredHotkey();

  signals:
    // A new text is stored, before it is registered: the script list's stop
    // hotkey column is to show it.
    void saved();

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    // Stores, announces, refills the list and registers the new text; a
    // text that names no usable key is refused and nothing is stored.
    void onOkClicked();
    void onCancelClicked();
    MainContext &context_;

  private:
    QComboBox *modifierComboBox;
    QComboBox *keyComboBox;
    QPushButton *okButton;
};

} // namespace lumo
