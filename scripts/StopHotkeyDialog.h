#pragma once
// The stop hotkey dialog: picks the modifier and key of the one hotkey that
// stops a running script, stores it and registers it.

#include "core/MainContext.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace lumo {

class StopHotkeyDialog final : public QDialog {
    Q_OBJECT
  public:
    // refillScriptList: the main window's LoadScriptList, so the list's stop
    // hotkey column shows a newly saved text.
    StopHotkeyDialog(MainContext &context, QWidget *owner, std::function<void()> refillScriptList);

    // Fills the two boxes with the stop hotkey in force: the stored text,
    // "无" + "F6" when none is stored.
    void loadStoredHotkey();
    // Stores, announces, refills the list and registers the new text; a
    // text that names no usable key is refused and nothing is stored.
    void onOkClicked();
    void onCancelClicked();

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    MainContext &context_;
    std::function<void()> refillScriptList_;

  private:
    QGroupBox *hotkeyGroupBox;
    QLabel *hotkeyLabel;
    QComboBox *modifierComboBox; // modifier
    QLabel *plusLabel;
    QComboBox *keyComboBox; // key
    QLabel *explanationLabel;
    QPushButton *okButton;
    QPushButton *cancelButton;
};

} // namespace lumo
