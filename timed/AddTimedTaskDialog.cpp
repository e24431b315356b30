#include "timed/AddTimedTaskDialog.h"

#include "storage/TimedStore.h"

#include <QTreeWidget>

namespace lumo {

namespace {

constexpr int kCycleLimit = 3;
// Outer 350 by 432 less a resizable frame and its title bar.
constexpr QSize kClientSize(334, 394);

} // namespace

AddTimedTaskDialog::AddTimedTaskDialog(MainContext &context, QWidget *owner)
    : TimedEditor(context, owner, {tr("添加定时点击"), kCycleLimit, true}) {
    setObjectName(QStringLiteral("addTimedTaskDialog"));
    resize(kClientSize);
    connect(this, &QDialog::finished, stepListView, &QTreeWidget::clear);
}

void AddTimedTaskDialog::openForNewTask() {
    showModal();
}

void AddTimedTaskDialog::saveTask(const QString &time, const QString &steps, const QString &cycles) {
    insertTimedTask(database_, time, steps, cycles);
}

} // namespace lumo
