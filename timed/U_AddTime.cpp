#include "timed/U_AddTime.h"

#include "timed/TimedStore.h"

#include <QTreeWidget>

namespace lumo {

namespace {

constexpr int kCycleLimit = 3;
// Outer 350 by 432 less a resizable frame and its title bar.
constexpr QSize kClientSize(334, 394);

} // namespace

TFrm_AddTime::TFrm_AddTime(MainContext &context, QWidget *owner)
    : TimedEditor(context, owner, {QStringLiteral("添加定时点击"), kCycleLimit, true}) {
    setObjectName(QStringLiteral("Frm_AddTime"));
    resize(kClientSize);
    connect(this, &QDialog::finished, lv1, &QTreeWidget::clear);
}

void TFrm_AddTime::openAdd() {
    showModal();
}

void TFrm_AddTime::saveTask(const QString &time, const QString &steps, const QString &cycles) {
    insertTimedTask(context_, time, steps, cycles);
}

} // namespace lumo
