#include "scripts/StepListEditing.h"

#include "scripts/EnabledRowDelegate.h"
#include "steps/StepEditor.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace lumo {

namespace {

// Every second row striped by position alone, so moving or deleting steps
// never leaves two neighbours alike.
class StripedRows final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(QColor(212, 208, 200));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }

  protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.row() % 2 == 1)
            option->backgroundBrush = kEnabledRowColour;
    }
};

} // namespace

void StepListEditing::setStepEditors(StepEditor *add, StepEditor *modify) {
    add_ = add;
    modify_ = modify;
    for (StepEditor *editor : {add, modify})
        if (editor)
            editor->setStepList(view_);
}

void StepListEditing::addStep() {
    if (add_)
        add_->showModal();
}

void StepListEditing::modifyStep() {
    const QTreeWidgetItem *row = selectedStep();
    if (!row) {
        context_.notice(dialog_, QStringLiteral("请选择要修改的点击坐标."),
                        platform::MB_OK | platform::MB_ICONINFORMATION);
        return;
    }
    if (!modify_)
        return;
    modify_->copyRowIntoFields(*row);
    modify_->showModal();
}

void StepListEditing::deleteStep() {
    QTreeWidgetItem *row = selectedStep();
    if (!row)
        return;
    delete row;
    view_->clearSelection();
}

void StepListEditing::moveStep(int offset) {
    QTreeWidgetItem *row = selectedStep();
    if (!row)
        return;
    QTreeWidgetItem *other = view_->topLevelItem(view_->indexOfTopLevelItem(row) + offset);
    if (!other)
        return;
    for (int column = 0; column < 3; ++column) {
        const QString text = row->text(column);
        row->setText(column, other->text(column));
        other->setText(column, text);
    }
    view_->setCurrentItem(other);
    other->setSelected(true);
}

QTreeWidgetItem *StepListEditing::selectedStep() const {
    const QList<QTreeWidgetItem *> selected = view_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void dressStepListView(QTreeWidget &lv1) {
    lv1.header()->setStretchLastSection(false);
    lv1.setRootIsDecorated(false);
    lv1.setItemsExpandable(false);
    lv1.setUniformRowHeights(true);
    lv1.setSelectionMode(QAbstractItemView::SingleSelection);
    lv1.setSelectionBehavior(QAbstractItemView::SelectRows);
    lv1.setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv1.setItemDelegate(new StripedRows(&lv1));
}

void showModalOverMainWindow(QWidget *dialog, const MainContext &context) {
    dialog->setWindowModality(Qt::ApplicationModal);
    if (const QWidget *main = context.mainWindow)
        dialog->move(main->frameGeometry().center() - dialog->rect().center());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace lumo
