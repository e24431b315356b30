#include "scripts/ModifyScriptDialog.h"

#include "core/HotkeyText.h"
#include "steps/StepListText.h"
#include "storage/ScriptStore.h"
#include "widgets/StoredChoice.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace lumo {

ModifyScriptDialog::ModifyScriptDialog(MainContext &context, QWidget *owner)
    : ScriptEditor(context, owner,
                   {tr("修改坐标"), tr("输入名称和设置启动热键和循环点击的次数。"), QSize(361, 411), false}) {
    nameEdit->setReadOnly(true);
}

void ModifyScriptDialog::openForScript(const ScriptRow *selected) {
    if (!selected) {
        context_.notice(context_.mainWindow, tr("请选择要修改的项目."), platform::Icon::Information);
        return;
    }
    nameEdit->setText(selected->name);
    cyclesEdit->setText(selected->cycles);
    const SelectorParse selectors = parseForSelectors(selected->hotkey);
    if (selectors.modifierWord)
        setStoredText(hotkeyModifierComboBox, *selectors.modifierWord);
    setStoredText(hotkeyKeyComboBox, selectors.keyWord);
    if (!fillStepList(*stepListView, selected->steps)) {
        context_.notice(context_.mainWindow, tr("修改项目出错,请联系软件作者."), platform::Icon::Warning);
        return;
    }
    showModal();
}

void ModifyScriptDialog::store(const QString &name, const QString &hotkeyText, const QString &steps,
                               const QString &cycles) {
    updateScript(database_, name, hotkeyText, steps, cycles);
}

} // namespace lumo
