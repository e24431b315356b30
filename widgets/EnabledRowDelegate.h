#pragma once
// The script list and the timed task list draw rows alike: an enabled row
// on light blue, decided by its status text alone, and a grid.

#include "storage/ScriptRow.h"

#include <QColor>
#include <QStyledItemDelegate>

class QTreeWidgetItem;

namespace lumo {

inline const QColor kEnabledRowColour(166, 202, 240);

// Writes a row's status: the stored word as its text, and the word in the
// interface language for screen readers.
void setStatusText(QTreeWidgetItem &item, int column, const QString &status);

class EnabledRowDelegate final : public QStyledItemDelegate {
  public:
    EnabledRowDelegate(int statusColumn, QObject *parent)
        : QStyledItemDelegate(parent), statusColumn_(statusColumn) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

  protected:
    // The status is stored in Chinese and shown in the interface language.
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

  private:
    const int statusColumn_;
};

} // namespace lumo
