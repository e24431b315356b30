#include "steps/StepEditors.h"

namespace lumo {

namespace {

using Kind = StepEditorDress::Kind;
using Form = StepEditorDress::LabelForm;
using Frame = StepEditorDress::Frame;

} // namespace

// clang-format off
// kind, hotkey id, topmost on show, label form, timer ms, Esc closes, long hint, frame
const StepEditorDress AddScriptAddStepEditor::kDress     {Kind::Add, 1008, true, Form::A, 1000, true, true, Frame::FixedWithMinimize};
const StepEditorDress AddScriptModifyStepEditor::kDress     {Kind::Modify, 1008, false, Form::B, 500, true, false, Frame::Resizable};
const StepEditorDress ModifyScriptAddStepEditor::kDress  {Kind::Add, 1008, true, Form::A, 1000, false, true, Frame::Resizable};
const StepEditorDress ModifyScriptModifyStepEditor::kDress    {Kind::Modify, 1081, false, Form::B, 500, true, false, Frame::Fixed};
const StepEditorDress AddTimedTaskAddStepEditor::kDress    {Kind::Add, 1082, true, Form::B, 500, true, false, Frame::Fixed};
const StepEditorDress AddTimedTaskModifyStepEditor::kDress   {Kind::Modify, 1008, false, Form::B, 500, false, false, Frame::Fixed};
const StepEditorDress ModifyTimedTaskAddStepEditor::kDress   {Kind::Add, 1081, false, Form::B, 500, true, false, Frame::Fixed};
const StepEditorDress ModifyTimedTaskModifyStepEditor::kDress   {Kind::Modify, 1008, false, Form::B, 500, true, false, Frame::Fixed};
// clang-format on

} // namespace lumo
