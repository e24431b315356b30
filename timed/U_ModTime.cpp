#include "timed/U_ModTime.h"

#include "engine/Conversion.h"
#include "scripts/StepListText.h"
#include "timed/TimedStore.h"

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

TFrm_ModTime::TFrm_ModTime(MainContext &context, QWidget *owner)
    : TimedEditor(context, owner, {QStringLiteral("修改定时点击"), 0, false}) {
    setObjectName(QStringLiteral("Frm_ModTime"));
    setFixedSize(kClientSize);
}

void TFrm_ModTime::openModify(const std::optional<TimedRow> &selected) {
    if (!selected) {
        context_.notice(context_.mainWindow, QStringLiteral("请选择要修改的项目."),
                        platform::MB_OK | platform::MB_ICONINFORMATION);
        return;
    }
    if (context_.guarded([&] { fillFrom(*selected); }))
        showModal();
}

void TFrm_ModTime::fillFrom(const TimedRow &row) {
    // The OK rewrites the row the fields came from, whatever the main list
    // does meanwhile.
    id_ = row.id;
    edt1->setText(row.cycles);
    const QStringList pieces = splitText(row.time, QLatin1Char(':'));
    QComboBox *const timeFields[] = {cbb1, cbb2, cbb3};
    for (qsizetype i = 0; i < 3; ++i) {
        if (i >= pieces.size())
            throw listIndexError(i);
        timeFields[i]->setEditText(pieces[i]);
    }
    if (!fillStepList(*lv1, row.steps)) {
        for (const QStringList &fields : stepEntries(row.steps))
            if (fields.size() < 4)
                throw listIndexError(fields.size());
    }
}

void TFrm_ModTime::saveTask(const QString &time, const QString &steps, const QString &cycles) {
    updateTimedTask(context_, id_, time, steps, cycles);
}

} // namespace lumo
