#pragma once
// The add script dialog.

#include "scripts/ScriptEditor.h"

namespace lumo {

class AddScriptDialog final : public ScriptEditor {
    Q_OBJECT
  public:
    AddScriptDialog(MainContext &context, QWidget *owner);

    // The script list's add button: an empty script, cycle count "1", the
    // hotkey boxes as last chosen.
    void openForNewScript();

  protected:
    bool nameIsFree(const QString &name) override;
    void store(const QString &name, const QString &hotkeyText, const QString &steps,
               const QString &cycles) override;
};

} // namespace lumo
