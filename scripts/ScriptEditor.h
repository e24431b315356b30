#pragma once
// The two script editors, add and modify: one design. A script is edited
// as a name, a start hotkey, a cycle count and a step list view whose rows
// the step editors write; OK stores it in mplist and refills the list.

#include "core/MainContext.h"

#include <QDialog>
#include <QSize>

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

class ScriptEditor : public QDialog {
    Q_OBJECT
  public:
    ~ScriptEditor() override;
    // The editors its add-step and modify-step buttons open; they work on
    // this dialog's step list.
    void setStepEditors(StepEditor *add, StepEditor *modify);
    // Refills the script list after a save; the list also moves a held
    // script hotkey to the text just stored.

    // Centres the dialog over the main window and shows it modally.
    void showModal();

    void onOkClicked();           // OK
    void onCancelClicked();       // cancel
    void onAddStepClicked();      // add position
    void onModifyStepClicked();   // modify position
    void onDeleteStepClicked();   // delete position
    void onMoveStepUpClicked();   // move up
    void onMoveStepDownClicked(); // move down
    void onRecordClicked();       // record positions

  signals:
    // A script was stored; the script list reloads.
    void saved();
    // A recording has started (true) or ended (false); the dialog is hidden
    // meanwhile.
    void recordingChanged(bool recording);

  protected:
    struct Dress {
        QString caption;
        QString hint;
        QSize clientSize;
        bool minimizeButton;
    };
    ScriptEditor(MainContext &context, QWidget *owner, const Dress &dress);

    // False when the name may not be stored; the dialog has said why.
    virtual bool nameIsFree(const QString &name) = 0;
    virtual void store(const QString &name, const QString &hotkeyText, const QString &steps,
                       const QString &cycles) = 0;
    // Refuses OK with a notice and puts the focus where the fault is.
    void refuse(const QString &text, QWidget *focus);

    MainContext &context_;

  private:
    void buildControls(const QString &hint);

    QPushButton *recordButton;
    std::unique_ptr<StepListEditing> steps_;
    std::unique_ptr<StepRecording> recording_;

  protected:
    QGroupBox *settingsGroupBox;
    QLabel *nameLabel;
    QLineEdit *nameEdit; // name
    QLabel *hotkeyLabel;
    QComboBox *hotkeyModifierComboBox; // modifier
    QLabel *plusLabel;
    QComboBox *hotkeyKeyComboBox; // key
    QLabel *cyclesLabel;
    QLineEdit *cyclesEdit; // cycle count
    QLabel *hintLabel;     // hint
    QGroupBox *stepsGroupBox;
    QTreeWidget *stepListView; // steps
    QPushButton *addStepButton;
    QPushButton *modifyStepButton;
    QPushButton *deleteStepButton;
    QPushButton *moveStepUpButton;
    QPushButton *moveStepDownButton;
    QPushButton *okButton;
    QPushButton *cancelButton;
};

} // namespace lumo
