#pragma once
// The script list and the timed task list draw rows alike: an enabled row
// on light blue, decided by its status text alone, and a grid.

#include "storage/ScriptRow.h"

#include <QColor>
#include <QStyledItemDelegate>

namespace lumo {

inline const QColor kEnabledRowColour(166, 202, 240);

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
