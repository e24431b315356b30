#include "timed/TimedList.h"

#include "app/U_dm.h"
#include "engine/Conversion.h"
#include "scripts/EnabledRowDelegate.h"
#include "timed/TimedStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace lumo {

namespace {

QPushButton *button(const QString &caption, const QString &name, QWidget *parent, int x, int width) {
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(name);
    result->setGeometry(x, 210, width, 25);
    return result;
}

} // namespace

TimedList::TimedList(MainContext &context, QWidget *parent)
    : QGroupBox(QStringLiteral("定时点击"), parent), context_(context) {
    lv3 = new QTreeWidget(this);
    lv3->setObjectName(QStringLiteral("lv3"));
    lv3->setGeometry(8, 18, 509, 184);
    lv3->setColumnCount(5);
    lv3->setHeaderLabels({QStringLiteral("行号"), QStringLiteral("定时时间"), QStringLiteral("点击次数"),
                          QString(), QStringLiteral("状态")});
    // The step list column is one pixel wide: present in the row, out of sight.
    lv3->header()->setMinimumSectionSize(1);
    const int widths[] = {50, 100, 80, 1, 60};
    for (int column = 0; column < 5; ++column)
        lv3->setColumnWidth(column, widths[column]);
    lv3->header()->setStretchLastSection(false);
    lv3->setRootIsDecorated(false);
    lv3->setItemsExpandable(false);
    lv3->setAllColumnsShowFocus(true);
    lv3->setSelectionMode(QAbstractItemView::SingleSelection);
    lv3->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv3->setContextMenuPolicy(Qt::NoContextMenu);
    lv3->setItemDelegate(new EnabledRowDelegate(StatusColumn, lv3));

    btn12 = button(QStringLiteral("添加(&A)"), QStringLiteral("btn12"), this, 8, 72);
    btn13 = button(QStringLiteral("修改(&M)"), QStringLiteral("btn13"), this, 86, 72);
    btn14 = button(QStringLiteral("删除(&D)"), QStringLiteral("btn14"), this, 164, 72);
    btn15 = button(QStringLiteral("启用(&S)"), QStringLiteral("btn15"), this, 242, 72);
    btn16 = button(QStringLiteral("停用(&T)"), QStringLiteral("btn16"), this, 320, 72);
    btn3 = button(QStringLiteral("设置开机启动"), QStringLiteral("btn3"), this, 410, 107);

    connect(btn12, &QPushButton::clicked, this, [this] { context_.guarded([this] { btn12Click(); }); });
    connect(btn13, &QPushButton::clicked, this, [this] { context_.guarded([this] { btn13Click(); }); });
    connect(btn14, &QPushButton::clicked, this, [this] { context_.guarded([this] { btn14Click(); }); });
    connect(btn15, &QPushButton::clicked, this, [this] { btn15Click(); });
    connect(btn16, &QPushButton::clicked, this, [this] { btn16Click(); });
    connect(btn3, &QPushButton::clicked, this, [this] { context_.guarded([this] { btn3Click(); }); });
    connect(lv3, &QTreeWidget::itemDoubleClicked, this,
            [this] { context_.guarded([this] { lv3DblClick(); }); });
}

void TimedList::LoadTimedList() {
    lv3->clear();
    DbQuery qry1(context_);
    qry1.setStatement(kTimedLoadStatement);
    qry1.open();
    for (int record = 0; record < qry1.recordCount(); ++record) {
        // The row goes in first and is filled cell by cell, so a NULL keeps
        // what came before it, this row's first cells included.
        auto *item = new QTreeWidgetItem(lv3);
        item->setText(IdColumn, qry1.text(record, 0));
        item->setText(TimeColumn, qry1.text(record, 1));
        item->setText(CyclesColumn, qry1.text(record, 3));
        item->setText(StepsColumn, qry1.text(record, 2));
        item->setText(StatusColumn, kStatusDisabled);
    }
}

void TimedList::btn12Click() {
    if (onAdd)
        onAdd();
}

void TimedList::btn13Click() {
    if (onModify)
        onModify();
}

void TimedList::btn14Click() {
    if (!lv3->currentItem() || !lv3->currentItem()->isSelected()) {
        context_.notice(context_.mainWindow, QStringLiteral("请选择您要删除的记录"),
                        platform::MB_OK | platform::MB_ICONINFORMATION);
        return;
    }
    if (context_.notice(context_.mainWindow, QStringLiteral("是否确定要删除选定记录."),
                        platform::MB_YESNO | platform::MB_ICONINFORMATION) == platform::IDNO)
        return;
    // The question's own message loop may have let a reload clear the list.
    if (const std::optional<TimedRow> row = selectedRow())
        deleteTimedTask(context_, row->id);
    LoadTimedList();
}

void TimedList::btn15Click() {
    setSelectedStatus(kStatusEnabled);
}

void TimedList::btn16Click() {
    setSelectedStatus(kStatusDisabled);
}

void TimedList::btn3Click() {
    // The path as the system writes it: backslashes on Windows.
    const QString executable = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    if (!context_.os.sessionStart.writeStartEntry(executable, QStringLiteral("autotime")))
        throw HandlerError(QStringLiteral("Failed to set data for 'lumoclick'"));
}

void TimedList::lv3DblClick() {
    if (selectedRow())
        btn13Click();
}

std::optional<QColor> TimedList::lv3CustomDrawItem(const QTreeWidgetItem &item) const {
    if (item.text(StatusColumn) == kStatusEnabled)
        return kEnabledRowColour;
    return std::nullopt;
}

void TimedList::enableAll() {
    for (int position = 0; position < lv3->topLevelItemCount(); ++position)
        lv3->topLevelItem(position)->setText(StatusColumn, kStatusEnabled);
    lv3->viewport()->update();
}

void TimedList::setSelectedStatus(const QString &status) {
    QTreeWidgetItem *item = lv3->currentItem();
    if (!item || !item->isSelected())
        return;
    item->setText(StatusColumn, status);
    lv3->viewport()->update();
}

std::optional<TimedRow> TimedList::selectedRow() const {
    const QTreeWidgetItem *item = lv3->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return rowOf(*item);
}

TimedRow TimedList::rowOf(const QTreeWidgetItem &item) {
    return {item.text(IdColumn), item.text(TimeColumn), item.text(CyclesColumn), item.text(StepsColumn),
            item.text(StatusColumn)};
}

int TimedList::rowCount() const {
    return lv3->topLevelItemCount();
}

TimedRow TimedList::rowAt(int position) const {
    return rowOf(*lv3->topLevelItem(position));
}

std::optional<TimedRow> TimedList::rowById(const QString &id) const {
    for (int position = 0; position < lv3->topLevelItemCount(); ++position)
        if (lv3->topLevelItem(position)->text(IdColumn) == id)
            return rowOf(*lv3->topLevelItem(position));
    return std::nullopt;
}

} // namespace lumo
