#pragma once
// The add timed task dialog: inserts a new task into tplist.

#include "timed/TimedEditor.h"

namespace lumo {

class AddTimedTaskDialog final : public TimedEditor {
    Q_OBJECT
  public:
    AddTimedTaskDialog(MainContext &context, QWidget *owner);

    // The main window's add button: shows the dialog modally. However it
    // closes, its step list is emptied then; the time and cycle count stay
    // for the next task.
    void openForNewTask();

  protected:
    void saveTask(const QString &time, const QString &steps, const QString &cycles) override;
};

} // namespace lumo
