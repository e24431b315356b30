#pragma once
// The step list group of the script and the timed task editors: the list
// of a run's steps and the buttons that add, modify, delete, move and record
// them. The editors dress it differently (sizes, captions, column titles);
// the buttons do the same in both.

#include "core/MainContext.h"
#include "widgets/ControlTable.h"

#include <QGroupBox>

#include <array>
#include <memory>

class QTreeWidget;

namespace lumo {

class StepEditor;
class StepListEditing;
class StepRecording;

struct StepListDress {
    // The list "stepListView" and the buttons "addStepButton",
    // "modifyStepButton", "deleteStepButton", "moveStepUpButton",
    // "moveStepDownButton" and "recordButton", in the group's coordinates.
    ControlTable controls;
    // The translation context of the captions and the column titles.
    const char *context;
    std::array<const char *, 3> columnTitles;
    std::array<int, 3> columnWidths;
};

class StepListPanel : public QGroupBox {
    Q_OBJECT
  public:
    // dialog is the editor the panel sits in: it hides while a recording
    // runs, and the step editors' notices belong to it.
    StepListPanel(MainContext &context, QWidget *dialog, const StepListDress &dress, const QString &title);
    ~StepListPanel() override;

    // The editors that add a step to the list and rewrite its selected step.
    void setStepEditors(StepEditor *add, StepEditor *modify);
    QTreeWidget *view() const { return view_; }

  signals:
    // A recording has started (true) or ended (false).
    void recordingChanged(bool recording);

  private:
    QTreeWidget *view_;
    std::unique_ptr<StepListEditing> editing_;
    std::unique_ptr<StepRecording> recording_;
};

} // namespace lumo
