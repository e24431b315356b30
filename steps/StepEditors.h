#pragma once
// The dress of each of the eight step editors, one per parent dialog and
// purpose; the editors are all StepEditor.

#include "steps/StepEditor.h"

namespace lumo::stepEditors {

// Opened by the add script dialog.
extern const StepEditorDress kAddScriptAdd;
extern const StepEditorDress kAddScriptModify;
// Opened by the modify script dialog.
extern const StepEditorDress kModifyScriptAdd;
extern const StepEditorDress kModifyScriptModify;
// Opened by the add timed task dialog.
extern const StepEditorDress kAddTimedTaskAdd;
extern const StepEditorDress kAddTimedTaskModify;
// Opened by the modify timed task dialog.
extern const StepEditorDress kModifyTimedTaskAdd;
extern const StepEditorDress kModifyTimedTaskModify;

} // namespace lumo::stepEditors
