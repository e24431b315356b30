#include "timed/TimedList.h"

#include "core/Conversion.h"
#include "storage/Database.h"
#include "storage/TimedStore.h"
#include "timed/TimedControls.h"
#include "widgets/EnabledRowDelegate.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>

namespace lumo {

namespace {

// Where a row keeps its step list: with the row, out of sight and out of a
// screen reader's way.
constexpr int kStepsRole = Qt::UserRole;

} // namespace

TimedList::TimedList(MainContext &context, QWidget *parent)
    : QGroupBox(tr("定时点击"), parent), context_(context) {
    placeControls(this, kTimedListControls, "lumo::TimedList");
    taskListView = placedControl<QTreeWidget>(this, "taskListView");
    taskListView->setColumnCount(4);
    taskListView->setHeaderLabels({tr("行号"), tr("定时时间"), tr("点击次数"), tr("状态")});
    taskListView->header()->setMinimumSectionSize(1);
    const int widths[] = {50, 100, 80, 60};
    for (int column = 0; column < 4; ++column)
        taskListView->setColumnWidth(column, widths[column]);
    taskListView->header()->setStretchLastSection(false);
    taskListView->setRootIsDecorated(false);
    taskListView->setItemsExpandable(false);
    taskListView->setAllColumnsShowFocus(true);
    taskListView->setSelectionMode(QAbstractItemView::SingleSelection);
    taskListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    taskListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    taskListView->setContextMenuPolicy(Qt::NoContextMenu);
    taskListView->setItemDelegate(new EnabledRowDelegate(StatusColumn, taskListView));

    const std::pair<const char *, void (TimedList::*)()> handlers[] = {
        {"addButton", &TimedList::onAddClicked},
        {"modifyButton", &TimedList::onModifyClicked},
        {"deleteButton", &TimedList::onDeleteClicked},
        {"enableButton", &TimedList::onEnableClicked},
        {"disableButton", &TimedList::onDisableClicked},
        {"startWithSessionButton", &TimedList::onStartWithSessionClicked},
    };
    for (const auto &[name, handler] : handlers)
        connect(placedControl<QPushButton>(this, name), &QPushButton::clicked, this,
                [this, handler] { context_.guarded([&] { (this->*handler)(); }); });
    connect(taskListView, &QTreeWidget::itemDoubleClicked, this,
            [this] { context_.guarded([this] { onListDoubleClicked(); }); });
}

void TimedList::reload() {
    taskListView->clear();
    skipped_.clear();
    skipped_ = selectAllTimedTasks(database_, [this](const TimedRow &row) {
        auto *item = new QTreeWidgetItem(taskListView);
        item->setText(IdColumn, row.id);
        item->setText(TimeColumn, row.time);
        item->setText(CyclesColumn, row.cycles);
        item->setData(IdColumn, kStepsRole, row.steps);
        setStatusText(*item, StatusColumn, kStatusDisabled);
    });
}

void TimedList::reloadKeepingEnabled() {
    QSet<QString> enabled;
    for (int position = 0; position < taskListView->topLevelItemCount(); ++position) {
        const QTreeWidgetItem *item = taskListView->topLevelItem(position);
        if (item->text(StatusColumn) == kStatusEnabled)
            enabled.insert(item->text(IdColumn));
    }
    reload();
    for (int position = 0; position < taskListView->topLevelItemCount(); ++position) {
        QTreeWidgetItem *item = taskListView->topLevelItem(position);
        if (enabled.contains(item->text(IdColumn)))
            setStatusText(*item, StatusColumn, kStatusEnabled);
    }
}

void TimedList::onAddClicked() {
    emit addRequested();
}

void TimedList::onModifyClicked() {
    emit modifyRequested();
}

void TimedList::onDeleteClicked() {
    if (!taskListView->currentItem() || !taskListView->currentItem()->isSelected()) {
        context_.notice(context_.mainWindow, tr("请选择您要删除的记录"), platform::Icon::Information);
        return;
    }
    if (!context_.confirm(context_.mainWindow, tr("是否确定要删除选定记录."), platform::Icon::Information))
        return;
    // The question's own message loop may have let a reload clear the list.
    if (const std::optional<TimedRow> row = selectedRow())
        deleteTimedTask(database_, row->id);
    reload();
}

void TimedList::onEnableClicked() {
    setSelectedStatus(kStatusEnabled);
}

void TimedList::onDisableClicked() {
    setSelectedStatus(kStatusDisabled);
}

void TimedList::onStartWithSessionClicked() {
    // The path as the system writes it: backslashes on Windows.
    const QString executable = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    if (!context_.os.sessionStart.writeStartEntry(executable, QStringLiteral("autotime")))
        throw HandlerError(QStringLiteral("Failed to set data for 'lumoclick'"));
}

void TimedList::onListDoubleClicked() {
    if (selectedRow())
        onModifyClicked();
}

std::optional<QColor> TimedList::rowBackground(const QTreeWidgetItem &item) const {
    if (item.text(StatusColumn) == kStatusEnabled)
        return kEnabledRowColour;
    return std::nullopt;
}

void TimedList::enableAll() {
    for (int position = 0; position < taskListView->topLevelItemCount(); ++position)
        setStatusText(*taskListView->topLevelItem(position), StatusColumn, kStatusEnabled);
    taskListView->viewport()->update();
}

void TimedList::setSelectedStatus(const QString &status) {
    QTreeWidgetItem *item = taskListView->currentItem();
    if (!item || !item->isSelected())
        return;
    setStatusText(*item, StatusColumn, status);
    taskListView->viewport()->update();
}

std::optional<TimedRow> TimedList::selectedRow() const {
    const QTreeWidgetItem *item = taskListView->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return rowOf(*item);
}

TimedRow TimedList::rowOf(const QTreeWidgetItem &item) {
    return {item.text(IdColumn), item.text(TimeColumn), item.text(CyclesColumn),
            item.data(IdColumn, kStepsRole).toString(), item.text(StatusColumn)};
}

int TimedList::rowCount() const {
    return taskListView->topLevelItemCount();
}

TimedRow TimedList::rowAt(int position) const {
    return rowOf(*taskListView->topLevelItem(position));
}

std::optional<TimedRow> TimedList::rowById(const QString &id) const {
    for (int position = 0; position < taskListView->topLevelItemCount(); ++position)
        if (taskListView->topLevelItem(position)->text(IdColumn) == id)
            return rowOf(*taskListView->topLevelItem(position));
    return std::nullopt;
}

} // namespace lumo
