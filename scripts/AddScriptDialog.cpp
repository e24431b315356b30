#include "scripts/AddScriptDialog.h"

#include "storage/ScriptStore.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace lumo {

AddScriptDialog::AddScriptDialog(MainContext &context, QWidget *owner)
    : ScriptEditor(context, owner,
                   {tr("添加多坐标点击"), tr("输入名称和设置启动热键"), QSize(356, 409), true}) {
}

void AddScriptDialog::openForNewScript() {
    nameEdit->clear();
    cyclesEdit->setText(QStringLiteral("1"));
    stepListView->clear();
    showModal();
}

bool AddScriptDialog::nameIsFree(const QString &name) {
    if (!scriptNameTaken(database_, name))
        return true;
    refuse(tr("名称重复,请选择过其他的名称."), nameEdit);
    return false;
}

void AddScriptDialog::store(const QString &name, const QString &hotkeyText, const QString &steps,
                            const QString &cycles) {
    insertScript(database_, name, hotkeyText, steps, cycles);
}

} // namespace lumo
