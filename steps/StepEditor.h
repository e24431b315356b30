#pragma once
// The step editors: small modal dialogs that add a click step to, or rewrite
// the selected step of, their parent dialog's step list view. All eight
// share this one design; each named class is a row of its table.

#include "engine/MainContext.h"

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

namespace lumo {

class StepEditor : public QDialog {
    Q_OBJECT
  public:
    // The parent's step list view (three columns: position, event, interval).
    void setStepList(QTreeWidget *lv1) { lv1_ = lv1; }
    QTreeWidget *stepList() const { return lv1_; }

    // A modify editor is filled from the selected row before it is shown.
    virtual void copyRowIntoFields(const QTreeWidgetItem &row) = 0;

  protected:
    StepEditor(MainContext &context, QWidget *owner) : QDialog(owner), context_(context) {}

    MainContext &context_;

  private:
    QTreeWidget *lv1_ = nullptr;
};

} // namespace lumo
