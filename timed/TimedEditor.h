#pragma once
// The timed task editors: a time of day in three fields, a cycle count and
// a step list with its buttons. The add and the modify dialog share this
// design and differ only in their dress, their step editors and the
// statement their OK runs.

#include "core/MainContext.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace lumo {

class Database;
class StepEditor;
class StepListPanel;

class TimedEditor : public QDialog {
    Q_OBJECT
  public:
    ~TimedEditor() override;

    // The dialogs that add a step to the step list and rewrite its selected step.
    void setStepEditors(StepEditor *add, StepEditor *modify);
    // Centres the dialog over the main window and shows it modally; the
    // caller goes on at once.
    void showModal();
    // The database OK stores in; the composition root makes it after the
    // first editors.
    void setDatabase(Database *database) { database_ = database; }

    void showCurrentTime();

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
    Database *database_ = nullptr;

    QComboBox *hourComboBox;
    QComboBox *minuteComboBox;
    QComboBox *secondComboBox;
    QLineEdit *cyclesEdit;
    QTreeWidget *stepListView;

  private:
    void onOkClicked();

    const bool escCloses_;
    QLabel *currentTimeLabel;
    StepListPanel *steps_;
};

} // namespace lumo
