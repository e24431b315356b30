#include "steps/StepEditors.h"

namespace lumo {

namespace {

using Kind = StepEditorDress::Kind;
using Form = StepEditorDress::LabelForm;
using Frame = StepEditorDress::Frame;

} // namespace

// clang-format off
// kind, hotkey id, topmost on show, label form, timer ms, Esc closes, long hint, frame
const StepEditorDress Tfrm_addpoint::kDress     {Kind::Add, 1008, true, Form::A, 1000, true, true, Frame::FixedWithMinimize};
const StepEditorDress TFrm_ModPoint::kDress     {Kind::Modify, 1008, false, Form::B, 500, true, false, Frame::Resizable};
const StepEditorDress Tfrm_mod_addpint::kDress  {Kind::Add, 1008, true, Form::A, 1000, false, true, Frame::Resizable};
const StepEditorDress TFrm_ModPoint2::kDress    {Kind::Modify, 1081, false, Form::B, 500, true, false, Frame::Fixed};
const StepEditorDress Tfrm_addpoint1::kDress    {Kind::Add, 1082, true, Form::B, 500, true, false, Frame::Fixed};
const StepEditorDress Tfrm_addtimemod::kDress   {Kind::Modify, 1008, false, Form::B, 500, false, false, Frame::Fixed};
const StepEditorDress TFrm_modtimeadd::kDress   {Kind::Add, 1081, false, Form::B, 500, true, false, Frame::Fixed};
const StepEditorDress TFrm_ModTimemod::kDress   {Kind::Modify, 1008, false, Form::B, 500, true, false, Frame::Fixed};
// clang-format on

} // namespace lumo
