#pragma once
// The step list text: every step stored as "x,y,event,interval|" one after
// another, and the step list view (position, event, interval) the editors
// show it in.

#include <QList>
#include <QString>
#include <QStringList>

class QTreeWidget;

namespace lumo {

// Cuts a text at every separator: an empty text gives no pieces, a trailing
// separator an empty last piece.
QStringList splitText(const QString &text, QChar separator);

// The entries of a step list text, each cut into its fields. What follows
// the last "|" is not an entry.
QList<QStringList> stepEntries(const QString &steps);

// The rows of a step list view, in order, as step list text.
QString encodeStepList(const QTreeWidget &view);

// Replaces the rows of a step list view with the entries of the text. An
// entry with fewer than four fields stops the fill there, the rows before
// it kept, and gives false.
bool fillStepList(QTreeWidget &view, const QString &steps);

// Appends one row: position, event, interval.
void appendStepRow(QTreeWidget &view, const QString &position, const QString &event, const QString &interval);

} // namespace lumo
