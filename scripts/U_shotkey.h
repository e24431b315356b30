#pragma once
// The stop hotkey dialog: picks the modifier and key of the one hotkey that
// stops a running script, stores it and registers it.

#include "engine/MainContext.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace lumo {

class TFrm_shotkey final : public QDialog {
    Q_OBJECT
  public:
    // refillScriptList: the main window's LoadScriptList, so the list's stop
    // hotkey column shows a newly saved text.
    TFrm_shotkey(MainContext &context, QWidget *owner, std::function<void()> refillScriptList);

    // Fills the two boxes from the stored text.
    void FormShow();
    // Stores, announces, refills the list and registers the new text.
    void btn1Click();
    void btn2Click();

    QGroupBox *grp1;
    QLabel *lbl1;
    QComboBox *cbb1; // modifier
    QLabel *lbl2;
    QComboBox *cbb2; // key
    QLabel *lbl3;
    QPushButton *btn1;
    QPushButton *btn2;

  protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    MainContext &context_;
    std::function<void()> refillScriptList_;
};

} // namespace lumo
