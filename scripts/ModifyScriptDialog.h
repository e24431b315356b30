#pragma once
// The modify script dialog. The name is shown read-only: it finds the row.

#include "scripts/ScriptEditor.h"
#include "storage/ScriptRow.h"

namespace lumo {

class ModifyScriptDialog final : public ScriptEditor {
    Q_OBJECT
  public:
    ModifyScriptDialog(MainContext &context, QWidget *owner);

    // The script list's modify button and double-click: fills the dialog
    // from the selected row (null: none selected) and shows it.
    void openForScript(const ScriptRow *selected);

  protected:
    bool nameIsFree(const QString &) override { return true; }
    void store(const QString &name, const QString &hotkeyText, const QString &steps,
               const QString &cycles) override;
};

} // namespace lumo
