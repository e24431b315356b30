#include "scripts/ScriptList.h"

#include "core/Conversion.h"
#include "core/HotkeyText.h"
#include "core/Texts.h"
#include "core/UiLanguage.h"
#include "scripts/ScriptControls.h"
#include "scripts/StopHotkey.h"
#include "storage/ScriptStore.h"
#include "widgets/EnabledRowDelegate.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

#include <iterator>

namespace lumo {

using namespace platform;

namespace {

struct ColumnLayout {
    const char *caption; // translated where the header is made
    int width;
};

const ColumnLayout kColumns[] = {{QT_TRANSLATE_NOOP("lumo::ScriptList", "行号"), 40},
                                 {QT_TRANSLATE_NOOP("lumo::ScriptList", "脚本名称"), 120},
                                 {QT_TRANSLATE_NOOP("lumo::ScriptList", "启动热键"), 90},
                                 {QT_TRANSLATE_NOOP("lumo::ScriptList", "停止热键"), 70},
                                 {QT_TRANSLATE_NOOP("lumo::ScriptList", "点击次数"), 100},
                                 {QT_TRANSLATE_NOOP("lumo::ScriptList", "状态"), 100}};

} // namespace

ScriptList::ScriptList(MainContext &context, QWidget *parent)
    : QGroupBox(tr("多坐标点击"), parent), context_(context), hotkeys_(context, this) {
    placeControls(this, kScriptListControls, "lumo::ScriptList");
    scriptListView = placedControl<QTreeWidget>(this, "scriptListView");
    scriptListView->setColumnCount(static_cast<int>(std::size(kColumns)));
    QStringList captions;
    for (const ColumnLayout &column : kColumns)
        captions << (*column.caption ? tr(column.caption) : QString());
    scriptListView->setHeaderLabels(captions);
    scriptListView->header()->setStretchLastSection(false);
    scriptListView->header()->setSectionsMovable(false);
    scriptListView->header()->setMinimumSectionSize(1);
    for (int i = 0; i < scriptListView->columnCount(); ++i)
        scriptListView->setColumnWidth(i, kColumns[i].width);
    scriptListView->setRootIsDecorated(false);
    scriptListView->setItemsExpandable(false);
    scriptListView->setUniformRowHeights(true);
    scriptListView->setAllColumnsShowFocus(true);
    scriptListView->setSelectionMode(QAbstractItemView::SingleSelection);
    scriptListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    scriptListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    scriptListView->setItemDelegate(new EnabledRowDelegate(kColStatus, scriptListView));
    scriptListView->viewport()->installEventFilter(this);

    contextMenu = new QMenu(this);
    contextMenu->setObjectName(QStringLiteral("contextMenu"));
    deleteAction = contextMenu->addAction(tr("删除脚本"));
    deleteAction->setObjectName(QStringLiteral("deleteAction"));
    connect(deleteAction, &QAction::triggered, this, [this] { onDeleteActionTriggered(); });
    scriptListView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(scriptListView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { contextMenu->popup(scriptListView->viewport()->mapToGlobal(at)); });

    connectButtons();

    connect(&hotkeys_, &ScriptHotkeys::pressed, this, &ScriptList::onScriptKeyPressed);
}

ScriptList::~ScriptList() = default;

void ScriptList::connectButtons() {
    const std::pair<const char *, void (ScriptList::*)()> handlers[] = {
        {"addButton", &ScriptList::onAddClicked},
        {"modifyButton", &ScriptList::onModifyClicked},
        {"deleteButton", &ScriptList::onDeleteClicked},
        {"stopHotkeyButton", &ScriptList::onStopHotkeyClicked},
        {"enableButton", &ScriptList::onEnableClicked},
        {"disableButton", &ScriptList::onDisableClicked},
    };
    for (const auto &[name, handler] : handlers)
        // Unhandled failures of a click end it in the standard error box.
        connect(placedControl<QPushButton>(this, name), &QPushButton::clicked, this,
                [this, handler] { context_.guarded([&] { (this->*handler)(); }); });
}

bool ScriptList::eventFilter(QObject *watched, QEvent *event) {
    // The first press of a double click has already set the selection. Only
    // the left button opens the editor; the right one belongs to the context menu.
    if (watched == scriptListView->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        context_.guarded([this] { onListDoubleClicked(); });
    return QGroupBox::eventFilter(watched, event);
}

void ScriptList::reload() {
    const QString stopHotkey = storedStopHotkey(context_);
    scriptListView->clear();
    rows_.clear();
    skipped_ = selectAllScripts(database_, [&](const ScriptRow &script) {
        auto *item = new QTreeWidgetItem(scriptListView);
        item->setText(kColId, script.id);
        item->setText(kColName, script.name);
        item->setText(kColHotkey, shownHotkeyText(script.hotkey));
        item->setText(kColStopHotkey, shownHotkeyText(stopHotkey));
        item->setText(kColCycles, script.cycles);
        // Written here rather than by setStatus(), which finds the item's row
        // by a search through the list.
        const qsizetype row = rows_.size();
        rows_ << script;
        const QString &status = hotkeys_.refresh(script.id, script.hotkey) ? kStatusEnabled : kStatusDisabled;
        rows_[row].status = status;
        setStatusText(*item, kColStatus, status);
    });
    hotkeys_.releaseAllBut(rows_);
    scriptListView->clearSelection();
    scriptListView->setCurrentItem(nullptr);
}

void ScriptList::onScriptKeyPressed(const QString &id) {
    for (const ScriptRow &row : std::as_const(rows_)) {
        if (row.id == id) {
            // A copy: a reload while the run plays must not pull it away.
            emit playRequested(ScriptRow(row));
            return;
        }
    }
}

void ScriptList::onAddClicked() {
    emit addRequested();
}

void ScriptList::onModifyClicked() {
    emit modifyRequested();
}

void ScriptList::onListDoubleClicked() {
    if (selectedItem())
        onModifyClicked();
}

void ScriptList::onDeleteClicked() {
    const QString selectFirst = tr("请选择您要删除的记录");
    try {
        QTreeWidgetItem *item = selectedItem();
        if (!item) {
            context_.notice(context_.mainWindow, selectFirst, platform::Icon::Information);
            return;
        }
        if (!context_.confirm(context_.mainWindow, tr("是否要删除选定的记录"), platform::Icon::Question))
            return;
        const QString id = item->text(kColId);
        deleteScript(database_, id);
        // A deleted script's key would otherwise stay taken and play nothing.
        hotkeys_.release(id);
        reload();
    } catch (const HandlerError &) {
        context_.notice(context_.mainWindow, selectFirst, platform::Icon::Information);
    }
}

void ScriptList::onEnableClicked() {
    if (context_.mainWindow)
        context_.mainWindow->setWindowTitle(shownText(texts::kProductTitle));
    try {
        QTreeWidgetItem *item = selectedItem();
        if (!item)
            return;
        const ScriptRow row = rowOf(*item);
        const ScriptHotkeys::Outcome outcome = hotkeys_.hold(row.id, row.hotkey);
        // The conflict message may have let the selection change.
        item = selectedItem();
        if (!item)
            return;
        // After a conflict the earlier key is released too, so the row must
        // not keep reading "已启用".
        setStatus(*item, outcome == ScriptHotkeys::Outcome::Conflict ? kStatusDisabled : kStatusEnabled);
        scriptListView->viewport()->update();
    } catch (const HandlerError &) {
        // An unusable hotkey text enables nothing, without a word.
    }
}

void ScriptList::onDisableClicked() {
    if (context_.mainWindow)
        context_.mainWindow->setWindowTitle(shownText(texts::kProductTitle));
    QTreeWidgetItem *item = selectedItem();
    if (!item)
        return;
    setStatus(*item, kStatusDisabled);
    hotkeys_.release(rowOf(*item).id);
    scriptListView->viewport()->update();
}

void ScriptList::onStopHotkeyClicked() {
    emit stopHotkeyDialogRequested();
}

std::optional<ScriptRow> ScriptList::selectedRow() const {
    if (QTreeWidgetItem *item = selectedItem())
        return rows_.at(scriptListView->indexOfTopLevelItem(item));
    return std::nullopt;
}

QTreeWidgetItem *ScriptList::selectedItem() const {
    const QList<QTreeWidgetItem *> selected = scriptListView->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

ScriptRow &ScriptList::rowOf(QTreeWidgetItem &item) {
    return rows_[scriptListView->indexOfTopLevelItem(&item)];
}

void ScriptList::setStatus(QTreeWidgetItem &item, const QString &status) {
    rowOf(item).status = status;
    setStatusText(item, kColStatus, status);
}

} // namespace lumo
