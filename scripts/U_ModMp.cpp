#include "scripts/U_ModMp.h"

#include "app/U_dm.h"
#include "engine/HotkeyText.h"
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
    opened_ = *selected;
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
    DbQuery qry1(context_);
    qry1.setStatement(QStringLiteral("update [mplist] set hotkey=:a,mpoint=:b,clicknum=:d where mpname=:c"));
    qry1.setParam(QStringLiteral("a"), hotkeyText);
    qry1.setParam(QStringLiteral("b"), steps);
    qry1.setParam(QStringLiteral("c"), name);
    qry1.setParam(QStringLiteral("d"), cycles);
    qry1.execute();
}

void TFrm_ModMP::afterStore(const QString &hotkeyText) {
    // Left alone, the held key would stay the old one while the list shows
    // the new text.
    if (opened_.status == kScriptEnabled && rebindHotkey_)
        rebindHotkey_(opened_.id, hotkeyText);
}

} // namespace lumo
