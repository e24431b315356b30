#include "steps/StepListEditing.h"

#include "core/UiLanguage.h"
#include "steps/StepEditor.h"
#include "widgets/EnabledRowDelegate.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace lumo {

namespace {

// The click event's column, stored in Chinese.
constexpr int kEventColumn = 1;

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
        // The click event is stored in Chinese and shown in the interface language.
        if (index.column() == kEventColumn)
            option->text = shownText(option->text);
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
        context_.notice(dialog_, QCoreApplication::translate("lumo", "请选择要修改的点击坐标."),
                        platform::Icon::Information);
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

void dressStepListView(QTreeWidget &view) {
    view.header()->setStretchLastSection(false);
    view.setRootIsDecorated(false);
    view.setItemsExpandable(false);
    view.setUniformRowHeights(true);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setItemDelegate(new StripedRows(&view));
    // A screen reader reads the model, not the delegate: each click event
    // also carries its words in the interface language, whichever code
    // wrote the row.
    QAbstractItemModel *model = view.model();
    const auto speakEvents = [model](int first, int last) {
        for (int row = first; row <= last; ++row) {
            const QModelIndex event = model->index(row, kEventColumn);
            const QString spoken = shownText(event.data().toString());
            if (event.data(Qt::AccessibleTextRole).toString() != spoken)
                model->setData(event, spoken, Qt::AccessibleTextRole);
        }
    };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &view,
                     [speakEvents](const QModelIndex &, int first, int last) { speakEvents(first, last); });
    QObject::connect(model, &QAbstractItemModel::dataChanged, &view,
                     [speakEvents](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                         speakEvents(topLeft.row(), bottomRight.row());
                     });
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
