#pragma once
// What the step list buttons of the script and the timed task editors do to
// their step list view: open the step editors on it, delete and move steps.

#include "core/MainContext.h"

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace lumo {

class StepEditor;

class StepListEditing {
  public:
    StepListEditing(MainContext &context, QWidget *dialog, QTreeWidget *view)
        : context_(context), dialog_(dialog), view_(view) {}

    // The editors that add a step to view and rewrite its selected step.
    void setStepEditors(StepEditor *add, StepEditor *modify);

    void addStep();
    // Fills the modify step editor from the selected step; without a
    // selection the dialog says so.
    void modifyStep();
    // A second press must not take the neighbour the view moves to, so the
    // selection goes with the deleted step.
    void deleteStep();
    // Exchanges the selected step with the one offset rows away, if any; the
    // selection follows the moved step.
    void moveStep(int offset);

    QTreeWidgetItem *selectedStep() const;

  private:
    MainContext &context_;
    QWidget *dialog_;
    QTreeWidget *view_;
    StepEditor *add_ = nullptr;
    StepEditor *modify_ = nullptr;
};

// Sets a step list view up as both editor designs show it: whole rows, one
// at a time, never edited in place; odd rows striped, cells in a grid.
void dressStepListView(QTreeWidget &view);

// Centres an editor over the main window and shows it application-modal;
// the caller goes on at once.
void showModalOverMainWindow(QWidget *dialog, const MainContext &context);

} // namespace lumo
