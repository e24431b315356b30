#pragma once
// The eight step editors, one per parent dialog and purpose. Each differs
// from the others only by its row of the table in StepEditors.cpp.

#include "steps/StepEditor.h"

namespace lumo {

// Opened by the add script dialog.
class Tfrm_addpoint final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    Tfrm_addpoint(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};
class TFrm_ModPoint final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    TFrm_ModPoint(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};

// Opened by the modify script dialog.
class Tfrm_mod_addpint final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    Tfrm_mod_addpint(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};
class TFrm_ModPoint2 final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    TFrm_ModPoint2(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};

// Opened by the add timed task dialog.
class Tfrm_addpoint1 final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    Tfrm_addpoint1(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};
class Tfrm_addtimemod final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    Tfrm_addtimemod(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};

// Opened by the modify timed task dialog.
class TFrm_modtimeadd final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    TFrm_modtimeadd(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};
class TFrm_ModTimemod final : public StepEditor {
    Q_OBJECT
  public:
    static const StepEditorDress kDress;
    TFrm_ModTimemod(MainContext &context, QWidget *owner) : StepEditor(context, owner, kDress) {}
};

} // namespace lumo
