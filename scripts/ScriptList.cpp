#include "scripts/ScriptList.h"

#include "core/Conversion.h"
#include "core/HotkeyRegistration.h"
#include "core/HotkeyText.h"
#include "core/Texts.h"
#include "core/UiLanguage.h"
#include "scripts/StopHotkey.h"
#include "storage/ScriptStore.h"
#include "widgets/EnabledRowDelegate.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSet>
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
                                 {"", 1},
                                 {QT_TRANSLATE_NOOP("lumo::ScriptList", "点击次数"), 100},
                                 {QT_TRANSLATE_NOOP("lumo::ScriptList", "状态"), 100}};

ScriptRow rowOf(const QTreeWidgetItem &item) {
    return ScriptRow{item.text(kColId),    item.text(kColName),   item.text(kColHotkey),
                     item.text(kColSteps), item.text(kColCycles), item.text(kColStatus)};
}

} // namespace

ScriptList::ScriptList(MainContext &context, QWidget *parent)
    : QGroupBox(tr("多坐标点击"), parent), context_(context) {
    scriptListView = new QTreeWidget(this);
    scriptListView->setObjectName(QStringLiteral("scriptListView"));
    scriptListView->setGeometry(10, 18, 505, 186);
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

    buildButtons();

    context_.hotkeyRouter.addReceiver(this, [this](int identifier) { onPress(identifier); });
}

ScriptList::~ScriptList() {
    context_.hotkeyRouter.removeReceiver(this);
    for (const Held &held : std::as_const(held_))
        context_.os.hotkeys.unregisterHotkey(this, held.identifier);
}

void ScriptList::buildButtons() {
    struct ButtonLayout {
        QPushButton **button;
        const char *name;
        QString caption;
        int x;
        int width;
        void (ScriptList::*handler)();
    };
    const ButtonLayout layout[] = {
        {&addButton, "addButton", tr("添加(&A)"), 10, 75, &ScriptList::onAddClicked},
        {&modifyButton, "modifyButton", tr("修改(&M)"), 89, 75, &ScriptList::onModifyClicked},
        {&deleteButton, "deleteButton", tr("删除(&D)"), 168, 75, &ScriptList::onDeleteClicked},
        {&stopHotkeyButton, "stopHotkeyButton", tr("停止热键设置(&P)"), 247, 110,
         &ScriptList::onStopHotkeyClicked},
        {&enableButton, "enableButton", tr("启用(&S)"), 361, 75, &ScriptList::onEnableClicked},
        {&disableButton, "disableButton", tr("停用(&T)"), 440, 75, &ScriptList::onDisableClicked},
    };
    for (const ButtonLayout &entry : layout) {
        auto *button = new QPushButton(entry.caption, this);
        button->setObjectName(QLatin1String(entry.name));
        button->setGeometry(entry.x, 212, entry.width, 25);
        const auto handler = entry.handler;
        // Unhandled failures of a click end it in the standard error box.
        connect(button, &QPushButton::clicked, this,
                [this, handler] { context_.guarded([&] { (this->*handler)(); }); });
        *entry.button = button;
    }
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
    QList<ScriptRow> present;
    skipped_ = selectAllScripts(context_, [&](const ScriptRow &script) {
        auto *item = new QTreeWidgetItem(scriptListView);
        item->setText(kColId, script.id);
        item->setText(kColName, script.name);
        item->setText(kColHotkey, script.hotkey);
        item->setText(kColStopHotkey, stopHotkey);
        item->setText(kColSteps, script.steps);
        item->setText(kColCycles, script.cycles);
        setStatus(*item, reconcileStatus(script.id, script.hotkey));
        present << script;
    });
    releaseVanished(present);
    scriptListView->clearSelection();
    scriptListView->setCurrentItem(nullptr);
}

// A fill must not claim a row is enabled unless its key is held, nor keep
// the old key of a script whose hotkey was changed in the meantime.
QString ScriptList::reconcileStatus(const QString &id, const QString &hotkeyText) {
    const auto held = held_.constFind(id);
    if (held == held_.cend())
        return kStatusDisabled;
    if (held->hotkeyText == hotkeyText)
        return kStatusEnabled;
    Outcome outcome = Outcome::NothingRegistered;
    try {
        outcome = registerScriptHotkey(id, hotkeyText);
    } catch (const HandlerError &) {
        // A key word without a number: the old key is released, nothing more.
        release(id);
    }
    return outcome == Outcome::Held ? kStatusEnabled : kStatusDisabled;
}

// Scripts gone from the table (deleted here or by another copy of the
// program) must not keep a key that now plays nothing.
void ScriptList::releaseVanished(const QList<ScriptRow> &present) {
    QSet<QString> ids;
    for (const ScriptRow &row : present)
        ids.insert(row.id);
    const QStringList heldIds = held_.keys();
    for (const QString &id : heldIds) {
        if (!ids.contains(id))
            release(id);
    }
}

void ScriptList::enableScript(const QString &hotkeyText, const QString &idText) {
    const Outcome outcome = registerScriptHotkey(idText, hotkeyText);
    QTreeWidgetItem *item = selectedItem();
    if (!item)
        return;
    // After a conflict the earlier key is released too, so the row must not
    // keep reading "已启用".
    if (outcome == Outcome::Conflict)
        setStatus(*item, kStatusDisabled);
    else
        setStatus(*item, kStatusEnabled);
}

ScriptList::Outcome ScriptList::registerScriptHotkey(const QString &id, const QString &hotkeyText) {
    const RegistrationParse parse = parseForRegistration(hotkeyText);
    const int identifier = identifierFor(id);
    held_.remove(id);
    if (!parse.modifiers) {
        context_.os.hotkeys.unregisterHotkey(this, identifier);
        return Outcome::NothingRegistered;
    }
    const QString conflict = tr("您设置的%1热键与其他程序的热键冲突,请选择过热键.").arg(hotkeyText);
    if (registerOrWarn(context_, this, identifier, *parse.modifiers, parse.virtualKey, context_.mainWindow,
                       conflict, conflictIcon(parse.modifierWord))) {
        held_.insert(id, Held{identifier, hotkeyText});
        return Outcome::Held;
    }
    context_.state.startHotkeyRegistered = false;
    return Outcome::Conflict;
}

void ScriptList::release(const QString &id) {
    const auto held = held_.constFind(id);
    if (held == held_.cend())
        return;
    context_.os.hotkeys.unregisterHotkey(this, held->identifier);
    held_.erase(held);
}

int ScriptList::identifierFor(const QString &id) {
    auto it = identifiers_.find(id);
    if (it == identifiers_.end())
        it = identifiers_.insert(id, nextIdentifier_++);
    return it.value();
}

void ScriptList::onPress(int identifier) {
    for (auto it = identifiers_.cbegin(); it != identifiers_.cend(); ++it) {
        if (it.value() == identifier) {
            emit playRequested(it.key());
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
        deleteScript(context_, id);
        // A deleted script's key would otherwise stay taken and play nothing.
        release(id);
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
        enableScript(item->text(kColHotkey), item->text(kColId));
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
    release(item->text(kColId));
    scriptListView->viewport()->update();
}

void ScriptList::onStopHotkeyClicked() {
    emit stopHotkeyDialogRequested();
}

std::optional<ScriptRow> ScriptList::rowById(const QString &id) const {
    for (int i = 0; i < scriptListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = scriptListView->topLevelItem(i);
        if (item->text(kColId) == id)
            return rowOf(*item);
    }
    return std::nullopt;
}

QList<ScriptRow> ScriptList::rows() const {
    QList<ScriptRow> all;
    for (int i = 0; i < scriptListView->topLevelItemCount(); ++i)
        all << rowOf(*scriptListView->topLevelItem(i));
    return all;
}

std::optional<ScriptRow> ScriptList::selectedRow() const {
    if (const QTreeWidgetItem *item = selectedItem())
        return rowOf(*item);
    return std::nullopt;
}

QTreeWidgetItem *ScriptList::selectedItem() const {
    const QList<QTreeWidgetItem *> selected = scriptListView->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void ScriptList::setStatus(QTreeWidgetItem &item, const QString &status) {
    item.setText(kColStatus, status);
}

} // namespace lumo
