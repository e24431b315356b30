#pragma once
// The eight step editors, one per parent dialog and purpose. Each differs
// from the others only by its row of the table in StepEditors.cpp.

#include "steps/StepEditor.h"

namespace lumo {

// Opened by the add script dialog.
class AddScriptAddStepEditor final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    AddScriptAddStepEditor(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};
class AddScriptModifyStepEditor final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    AddScriptModifyStepEditor(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};

// Opened by the modify script dialog.
class ModifyScriptAddStepEditor final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    ModifyScriptAddStepEditor(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};
class ModifyScriptModifyStepEditor final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    ModifyScriptModifyStepEditor(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};

// Opened by the add timed task dialog.
class AddTimedTaskAddStepEditor final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    AddTimedTaskAddStepEditor(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};
class AddTimedTaskModifyStepEditor final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    AddTimedTaskModifyStepEditor(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};

// Opened by the modify timed task dialog.
class ModifyTimedTaskAddStepEditor final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    ModifyTimedTaskAddStepEditor(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};
class ModifyTimedTaskModifyStepEditor final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    ModifyTimedTaskModifyStepEditor(MainContext &context, QWidget *owner)
        : StepEditor(context, owner, kDress) {}
};

} // namespace lumo
