#include "scripts/U_ModMp.h"

#include "engine/HotkeyText.h"
#include "scripts/ScriptStore.h"
#include "scripts/StepListText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace lumo {

TFrm_ModMP::TFrm_ModMP(MainContext &context, QWidget *owner)
    : ScriptEditor(context, owner,
                   {QStringLiteral("修改坐标"), QStringLiteral("输入名称和设置启动热键和循环点击的次数。"),
                    QSize(361, 411), false}) {
    edt1->setReadOnly(true);
}

void TFrm_ModMP::openForScript(const ScriptRow *selected) {
    const unsigned information = platform::MB_OK | platform::MB_ICONINFORMATION;
    if (!selected) {
        context_.notice(context_.mainWindow, QStringLiteral("请选择要修改的项目."), information);
        return;
    }
    edt1->setText(selected->name);
    edt2->setText(selected->cycles);
    const SelectorParse selectors = parseForSelectors(selected->hotkey);
    if (selectors.modifierWord)
        cbb1->setEditText(*selectors.modifierWord);
    cbb2->setEditText(selectors.keyWord);
    if (!fillStepList(*lv1, selected->steps)) {
        context_.notice(context_.mainWindow, QStringLiteral("修改项目出错,请联系软件作者."),
                        platform::MB_OK | platform::MB_ICONWARNING);
        return;
    }
    showModal();
}

void TFrm_ModMP::store(const QString &name, const QString &hotkeyText, const QString &steps,
                       const QString &cycles) {
    updateScript(context_, name, hotkeyText, steps, cycles);
}

} // namespace lumo
