#pragma once
// The single-point settings on the first tab: button, kind, speed, count
// limit, start hotkey and fixed coordinates; loading and saving them.

#include "engine/MainContext.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace lumo {

class SinglePointPanel final : public QGroupBox {
    Q_OBJECT
  public:
    SinglePointPanel(MainContext &context, QWidget *parent);

    // Fills the controls from the settings file and sets ClickInterval.
    void Load();
    // Registers the single-point hotkey (id 1008) from cbb4 + cbb5.
    void RegisterStartHotkey();
    void btn1Click();
    void chk1Click();

    QComboBox *cbb1; // button
    QComboBox *cbb2; // kind
    QComboBox *cbb3; // speed
    QLineEdit *edt1; // count limit
    QComboBox *cbb4; // hotkey modifier
    QComboBox *cbb5; // hotkey key
    QPushButton *btn1;
    QCheckBox *chk1;
    QLineEdit *edt2; // X
    QLineEdit *edt3; // Y

  private:
    void applySpeedText();

    MainContext &context_;
};

} // namespace lumo
