#pragma once
// The timed task editors: a time of day in three fields, a cycle count and
// a step list with its buttons. The add and the modify dialog share this
// design and differ only in their dress, their step editors and the
// statement their OK runs.

#include "engine/MainContext.h"

#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace lumo {

class StepEditor;
class StepListEditing;

class TimedEditor : public QDialog {
    Q_OBJECT
  public:
    ~TimedEditor() override;
    // Refills the main window's timed list after a save.
    void setReload(std::function<void()> reload) { reload_ = std::move(reload); }
    // The dialogs that add a step to lv1 and rewrite its selected step.
    void setStepEditors(StepEditor *add, StepEditor *modify);
    // Centres the dialog over the main window and shows it modally; the
    // caller goes on at once.
    void showModal();

    void FormShow();
    void btn1Click();
    void btn2Click();
    void btn3Click();
    void btn4Click();
    void btn5Click();
    void btn6Click();
    void btn7Click();

    // "hour:minute:second", the three fields as they stand.
    QString timeText() const;

    QGroupBox *grp1;
    QLabel *lbl1;
    QComboBox *cbb1;
    QLabel *lbl2;
    QComboBox *cbb2;
    QLabel *lbl3;
    QComboBox *cbb3;
    QLabel *lbl4;
    QLabel *lbl5;
    QLineEdit *edt1;
    QLabel *lbl6;
    QGroupBox *grp2;
    QTreeWidget *lv1;
    QPushButton *btn3;
    QPushButton *btn4;
    QPushButton *btn5;
    QPushButton *btn6;
    QPushButton *btn7;
    QPushButton *btn1;
    QPushButton *btn2;

  protected:
    struct Dress {
        QString title;
        int cycleLimit; // characters of edt1; 0 for none
        bool escCloses;
    };
    TimedEditor(MainContext &context, QWidget *owner, const Dress &dress);

    // Writes the task to tplist; a database failure raises HandlerError.
    virtual void saveTask(const QString &time, const QString &steps, const QString &cycles) = 0;

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    MainContext &context_;

  private:
    void buildTimeGroup();
    void buildStepGroup();

    const bool escCloses_;
    std::function<void()> reload_;
    std::unique_ptr<StepListEditing> steps_;
};

} // namespace lumo
