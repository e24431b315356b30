#include "steps/StepListText.h"

#include <QTreeWidget>

namespace lumo {

QStringList splitText(const QString &text, QChar separator) {
    if (text.isEmpty())
        return {};
    return text.split(separator, Qt::KeepEmptyParts);
}

QList<QStringList> stepEntries(const QString &steps) {
    QStringList pieces = splitText(steps, QLatin1Char('|'));
    if (!pieces.isEmpty())
        pieces.removeLast();
    QList<QStringList> entries;
    entries.reserve(pieces.size());
    for (const QString &piece : pieces)
        entries.append(splitText(piece, QLatin1Char(',')));
    return entries;
}

QString encodeStepList(const QTreeWidget &view) {
    QString text;
    for (int i = 0; i < view.topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = view.topLevelItem(i);
        text += row->text(0) + QLatin1Char(',') + row->text(1) + QLatin1Char(',') + row->text(2) +
                QLatin1Char('|');
    }
    return text;
}

void appendStepRow(QTreeWidget &view, const QString &position, const QString &event,
                   const QString &interval) {
    new QTreeWidgetItem(&view, QStringList{position, event, interval});
}

bool fillStepList(QTreeWidget &view, const QString &steps) {
    view.clear();
    for (const QStringList &fields : stepEntries(steps)) {
        if (fields.size() < 4)
            return false;
        appendStepRow(view, fields[0] + QLatin1Char(',') + fields[1], fields[2], fields[3]);
    }
    return true;
}

} // namespace lumo
