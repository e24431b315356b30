#pragma once
// The timed task editors: a time of day in three fields, a cycle count and
// a step list with its buttons. The add and the modify dialog share this
// design and differ only in their dress, their step editors and the
// statement their OK runs.

#include "core/MainContext.h"

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
class StepRecording;

class TimedEditor : public QDialog {
    Q_OBJECT
  public:
    ~TimedEditor() override;

    // The dialogs that add a step to the step list and rewrite its selected step.
    void setStepEditors(StepEditor *add, StepEditor *modify);
    // Centres the dialog over the main window and shows it modally; the
    // caller goes on at once.
    void showModal();

    void showCurrentTime();
    void onOkClicked();
    void onCancelClicked();
    void onAddStepClicked();
    void onModifyStepClicked();
    void onDeleteStepClicked();
    void onMoveStepUpClicked();
    void onMoveStepDownClicked();
    void onRecordClicked();

    // "hour:minute:second", the three fields as they stand.
    QString timeText() const;

  signals:
    // A task was stored; the timed list reloads.
    void saved();
    // A recording has started (true) or ended (false); the dialog is hidden
    // meanwhile.
    void recordingChanged(bool recording);

  protected:
    struct Dress {
        QString title;
        int cycleLimit; // characters of the cycles field; 0 for none
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
    void buildTimeGroup(int cycleLimit);
    void buildStepGroup();

    const bool escCloses_;
    QPushButton *recordButton;
    std::unique_ptr<StepListEditing> steps_;
    std::unique_ptr<StepRecording> recording_;

  protected:
    QGroupBox *timeGroupBox;
    QLabel *timeLabel;
    QComboBox *hourComboBox;
    QLabel *hourUnitLabel;
    QComboBox *minuteComboBox;
    QLabel *minuteUnitLabel;
    QComboBox *secondComboBox;
    QLabel *secondUnitLabel;
    QLabel *cyclesLabel;
    QLineEdit *cyclesEdit;
    QLabel *currentTimeLabel;
    QGroupBox *stepsGroupBox;
    QTreeWidget *stepListView;
    QPushButton *addStepButton;
    QPushButton *modifyStepButton;
    QPushButton *deleteStepButton;
    QPushButton *moveStepUpButton;
    QPushButton *moveStepDownButton;
    QPushButton *okButton;
    QPushButton *cancelButton;
};

} // namespace lumo
