#include "scripts/U_AddMp.h"

#include "app/U_dm.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace lumo {

TFrm_AddMP::TFrm_AddMP(MainContext &context, QWidget *owner)
    : ScriptEditor(context, owner,
                   {QStringLiteral("添加多坐标点击"), QStringLiteral("输入名称和设置启动热键"),
                    QSize(356, 409), true}) {
}

void TFrm_AddMP::openForNewScript() {
    edt1->clear();
    edt2->setText(QStringLiteral("1"));
    lv1->clear();
    showModal();
}

bool TFrm_AddMP::nameIsFree(const QString &name) {
    DbQuery qry1(context_);
    qry1.setStatement(QStringLiteral("select * from [mplist] where mpname=:a"));
    qry1.setParam(QStringLiteral("a"), name);
    qry1.open();
    if (qry1.recordCount() == 0)
        return true;
    refuse(QStringLiteral("名称重复,请选择过其他的名称."), edt1);
    return false;
}

void TFrm_AddMP::store(const QString &name, const QString &hotkeyText, const QString &steps,
                       const QString &cycles) {
    DbQuery qry1(context_);
    qry1.setStatement(
        QStringLiteral("insert into [mplist] (mpname,hotkey,mpoint,clicknum) values (:a,:b,:c,:d)"));
    qry1.setParam(QStringLiteral("a"), name);
    qry1.setParam(QStringLiteral("b"), hotkeyText);
    qry1.setParam(QStringLiteral("c"), steps);
    qry1.setParam(QStringLiteral("d"), cycles);
    qry1.execute();
}

} // namespace lumo
