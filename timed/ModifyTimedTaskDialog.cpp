#include "timed/ModifyTimedTaskDialog.h"

#include "core/Conversion.h"
#include "steps/StepListText.h"
#include "storage/TimedStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace lumo {

namespace {

constexpr QSize kClientSize(335, 400);

HandlerError listIndexError(qsizetype index) {
    return HandlerError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

} // namespace

ModifyTimedTaskDialog::ModifyTimedTaskDialog(MainContext &context, QWidget *owner)
    : TimedEditor(context, owner, {tr("修改定时点击"), 0, false}) {
    setObjectName(QStringLiteral("modifyTimedTaskDialog"));
    setFixedSize(kClientSize);
}

void ModifyTimedTaskDialog::openForTask(const std::optional<TimedRow> &selected) {
    if (!selected) {
        context_.notice(context_.mainWindow, tr("请选择要修改的项目."), platform::Icon::Information);
        return;
    }
    if (context_.guarded([&] { fillFrom(*selected); }))
        showModal();
}

void ModifyTimedTaskDialog::fillFrom(const TimedRow &row) {
    // The OK rewrites the row the fields came from, whatever the main list
    // does meanwhile.
    id_ = row.id;
    cyclesEdit->setText(row.cycles);
    const QStringList pieces = splitText(row.time, QLatin1Char(':'));
    QComboBox *const timeFields[] = {hourComboBox, minuteComboBox, secondComboBox};
    for (qsizetype i = 0; i < 3; ++i) {
        if (i >= pieces.size())
            throw listIndexError(i);
        timeFields[i]->setEditText(pieces[i]);
    }
    if (!fillStepList(*stepListView, row.steps)) {
        for (const QStringList &fields : stepEntries(row.steps))
            if (fields.size() < 4)
                throw listIndexError(fields.size());
    }
}

void ModifyTimedTaskDialog::saveTask(const QString &time, const QString &steps, const QString &cycles) {
    updateTimedTask(database_, id_, time, steps, cycles);
}

} // namespace lumo
