#pragma once
// The two script editors, add and modify: one design. A script is edited
// as a name, a start hotkey, a cycle count and a step list view whose rows
// the step editors write; OK stores it in mplist and refills the list.

#include "core/MainContext.h"

#include <QDialog>
#include <QSize>

class QComboBox;
class QLineEdit;
class QTreeWidget;

namespace lumo {

class Database;
class StepEditor;
class StepListPanel;

class ScriptEditor : public QDialog {
    Q_OBJECT
  public:
    ~ScriptEditor() override;
    // The editors its add-step and modify-step buttons open; they work on
    // this dialog's step list.
    void setStepEditors(StepEditor *add, StepEditor *modify);

    // Centres the dialog over the main window and shows it modally.
    void showModal();
    // The database OK stores in; the composition root makes it after the
    // first editors.
    void setDatabase(Database *database) { database_ = database; }

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
    Database *database_ = nullptr;

    QLineEdit *nameEdit;
    QComboBox *hotkeyModifierComboBox;
    QComboBox *hotkeyKeyComboBox;
    QLineEdit *cyclesEdit;
    QTreeWidget *stepListView;

  private:
    void buildControls(const QString &hint);
    void onOkClicked();

    StepListPanel *steps_;
};

} // namespace lumo
