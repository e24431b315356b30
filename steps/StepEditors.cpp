#include "steps/StepEditors.h"

namespace lumo::stepEditors {

namespace {

using Kind = StepEditorDress::Kind;
using Form = StepEditorDress::LabelForm;
using Frame = StepEditorDress::Frame;

} // namespace

// The hotkey id is F11's identifier on the editor's own window.
// clang-format off
// kind, hotkey id, topmost on show, label form, timer ms, Esc closes, long hint, frame
const StepEditorDress kAddScriptAdd          {Kind::Add,    1008, true,  Form::Labelled, 1000, true,  true,  Frame::FixedWithMinimize};
const StepEditorDress kAddScriptModify       {Kind::Modify, 1008, false, Form::Compact,  500,  true,  false, Frame::Resizable};
const StepEditorDress kModifyScriptAdd       {Kind::Add,    1008, true,  Form::Labelled, 1000, false, true,  Frame::Resizable};
const StepEditorDress kModifyScriptModify    {Kind::Modify, 1081, false, Form::Compact,  500,  true,  false, Frame::Fixed};
const StepEditorDress kAddTimedTaskAdd       {Kind::Add,    1082, true,  Form::Compact,  500,  true,  false, Frame::Fixed};
const StepEditorDress kAddTimedTaskModify    {Kind::Modify, 1008, false, Form::Compact,  500,  false, false, Frame::Fixed};
const StepEditorDress kModifyTimedTaskAdd    {Kind::Add,    1081, false, Form::Compact,  500,  true,  false, Frame::Fixed};
const StepEditorDress kModifyTimedTaskModify {Kind::Modify, 1008, false, Form::Compact,  500,  true,  false, Frame::Fixed};
// clang-format on

} // namespace lumo::stepEditors
