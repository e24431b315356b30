#pragma once
// The modify timed task dialog: filled from a row of the main window's
// timed list, it rewrites that task in tplist.

#include "storage/TimedRow.h"
#include "timed/TimedEditor.h"

#include <optional>

namespace lumo {

class ModifyTimedTaskDialog final : public TimedEditor {
    Q_OBJECT
  public:
    ModifyTimedTaskDialog(MainContext &context, QWidget *owner);

    // The main window's modify button and double-click: with no row
    // selected a notice; otherwise fills the fields from the row and
    // shows the dialog modally, the caller going on at once. A row that
    // cannot be filled is reported in the standard error box and the dialog
    // stays hidden.
    void openForTask(const std::optional<TimedRow> &selected);

    // The fields from the row; raises HandlerError at the first piece the
    // time text or the step list lacks, keeping what was filled before it.
    void fillFrom(const TimedRow &row);

  protected:
    void saveTask(const QString &time, const QString &steps, const QString &cycles) override;

  private:
    QString id_; // of the row the fields came from
};

} // namespace lumo
