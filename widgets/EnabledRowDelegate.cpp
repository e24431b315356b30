#include "widgets/EnabledRowDelegate.h"

#include "core/UiLanguage.h"

#include <QPainter>
#include <QTreeWidgetItem>

namespace lumo {

void EnabledRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const {
    if (index.siblingAtColumn(statusColumn_).data().toString() == kStatusEnabled)
        painter->fillRect(option.rect, kEnabledRowColour);
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(QColor(0xd8, 0xd8, 0xd8));
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}

void setStatusText(QTreeWidgetItem &item, int column, const QString &status) {
    item.setText(column, status);
    item.setData(column, Qt::AccessibleTextRole, shownText(status));
}

void EnabledRowDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() == statusColumn_)
        option->text = shownText(option->text);
}

} // namespace lumo
