#pragma once
// The modify script dialog. The name is shown read-only: it finds the row.

#include "scripts/ScriptEditor.h"
#include "scripts/ScriptRow.h"

namespace lumo {

class TFrm_ModMP final : public ScriptEditor {
    Q_OBJECT
  public:
    // Binds the script's hotkey, by its id, to a new hotkey text.
    using RebindHotkey = std::function<void(const QString &id, const QString &hotkeyText)>;

    TFrm_ModMP(MainContext &context, QWidget *owner);

    // The script list's modify button and double-click: fills the dialog
    // from the selected row (null: none selected) and shows it.
    void openForScript(const ScriptRow *selected);
    // Called after a save when the script's hotkey was held, so that the
    // held key follows the stored text.
    void setRebindHotkey(RebindHotkey rebind) { rebindHotkey_ = std::move(rebind); }

  protected:
    bool nameIsFree(const QString &) override { return true; }
    void store(const QString &name, const QString &hotkeyText, const QString &steps,
               const QString &cycles) override;
    void afterStore(const QString &hotkeyText) override;

  private:
    ScriptRow opened_;
    RebindHotkey rebindHotkey_;
};

inline const QString kScriptEnabled = QStringLiteral("已启用");

} // namespace lumo
