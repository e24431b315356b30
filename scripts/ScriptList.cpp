#include "scripts/ScriptList.h"

#include "app/Texts.h"
#include "engine/Conversion.h"
#include "engine/HotkeyText.h"
#include "scripts/EnabledRowDelegate.h"
#include "scripts/ScriptStore.h"
#include "scripts/StopHotkey.h"

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
    QString caption;
    int width;
};

const ColumnLayout kColumns[] = {{QStringLiteral("行号"), 40},
                                 {QStringLiteral("脚本名称"), 120},
                                 {QStringLiteral("启动热键"), 90},
                                 {QStringLiteral("停止热键"), 70},
                                 {QString(), 1},
                                 {QStringLiteral("点击次数"), 100},
                                 {QStringLiteral("状态"), 100}};

ScriptRow rowOf(const QTreeWidgetItem &item) {
    return ScriptRow{item.text(kColId),    item.text(kColName),   item.text(kColHotkey),
                     item.text(kColSteps), item.text(kColCycles), item.text(kColStatus)};
}

} // namespace

ScriptList::ScriptList(MainContext &context, QWidget *parent)
    : QGroupBox(QStringLiteral("多坐标点击"), parent), context_(context) {
    lv2 = new QTreeWidget(this);
    lv2->setObjectName(QStringLiteral("lv2"));
    lv2->setGeometry(10, 18, 505, 186);
    lv2->setColumnCount(static_cast<int>(std::size(kColumns)));
    QStringList captions;
    for (const ColumnLayout &column : kColumns)
        captions << column.caption;
    lv2->setHeaderLabels(captions);
    lv2->header()->setStretchLastSection(false);
    lv2->header()->setSectionsMovable(false);
    lv2->header()->setMinimumSectionSize(1);
    for (int i = 0; i < lv2->columnCount(); ++i)
        lv2->setColumnWidth(i, kColumns[i].width);
    lv2->setRootIsDecorated(false);
    lv2->setItemsExpandable(false);
    lv2->setUniformRowHeights(true);
    lv2->setAllColumnsShowFocus(true);
    lv2->setSelectionMode(QAbstractItemView::SingleSelection);
    lv2->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv2->setItemDelegate(new EnabledRowDelegate(kColStatus, lv2));
    lv2->viewport()->installEventFilter(this);

    pm2 = new QMenu(this);
    pm2->setObjectName(QStringLiteral("pm2"));
    N8 = pm2->addAction(QStringLiteral("删除脚本"));
    N8->setObjectName(QStringLiteral("N8"));
    connect(N8, &QAction::triggered, this, [this] { N8Click(); });
    lv2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lv2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { pm2->popup(lv2->viewport()->mapToGlobal(at)); });

    buildButtons();

    context_.hotkeyRouter.addReceiver(this, [this](int identifier) { onPress(identifier); });
}

ScriptList::~ScriptList() {
    context_.hotkeyRouter.removeReceiver(this);
    for (const Held &held : std::as_const(held_))
        context_.os.hotkeys.UnregisterHotKey(this, held.identifier);
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
        {&btn7, "btn7", QStringLiteral("添加(&A)"), 10, 75, &ScriptList::btn7Click},
        {&btn8, "btn8", QStringLiteral("修改(&M)"), 89, 75, &ScriptList::btn8Click},
        {&btn9, "btn9", QStringLiteral("删除(&D)"), 168, 75, &ScriptList::btn9Click},
        {&btn17, "btn17", QStringLiteral("停止热键设置(&P)"), 247, 110, &ScriptList::btn17Click},
        {&btn10, "btn10", QStringLiteral("启用(&S)"), 361, 75, &ScriptList::btn10Click},
        {&btn11, "btn11", QStringLiteral("停用(&T)"), 440, 75, &ScriptList::btn11Click},
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
    // the left button opens the editor; the right one belongs to pm2.
    if (watched == lv2->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        context_.guarded([this] { lv2DblClick(); });
    return QGroupBox::eventFilter(watched, event);
}

void ScriptList::LoadScriptList() {
    const QString stopHotkey = storedStopHotkey(context_);
    lv2->clear();
    QList<ScriptRow> present;
    selectAllScripts(context_, [&](const ScriptRow &script) {
        auto *item = new QTreeWidgetItem(lv2);
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
    lv2->clearSelection();
    lv2->setCurrentItem(nullptr);
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

void ScriptList::EnableScript(const QString &hotkeyText, const QString &idText) {
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
    Hotkeys &hotkeys = context_.os.hotkeys;
    hotkeys.UnregisterHotKey(this, identifier);
    held_.remove(id);
    if (!parse.modifiers)
        return Outcome::NothingRegistered;
    if (hotkeys.RegisterHotKey(this, identifier, *parse.modifiers, parse.virtualKey)) {
        held_.insert(id, Held{identifier, hotkeyText});
        return Outcome::Held;
    }
    const unsigned icon = parse.modifierWord == QLatin1String("Alt") ? MB_ICONINFORMATION : MB_ICONWARNING;
    context_.notice(context_.mainWindow,
                    QStringLiteral("您设置的") + hotkeyText +
                        QStringLiteral("热键与其他程序的热键冲突,请选择过热键."),
                    MB_OK | icon);
    hotkeys.UnregisterHotKey(this, identifier);
    context_.state.StartHotkeyRegistered = false;
    return Outcome::Conflict;
}

void ScriptList::release(const QString &id) {
    const auto held = held_.constFind(id);
    if (held == held_.cend())
        return;
    context_.os.hotkeys.UnregisterHotKey(this, held->identifier);
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
            if (playScript)
                playScript(it.key());
            return;
        }
    }
}

void ScriptList::btn7Click() {
    if (openAddEditor)
        openAddEditor();
}

void ScriptList::btn8Click() {
    if (openModifyEditor)
        openModifyEditor();
}

void ScriptList::lv2DblClick() {
    if (selectedItem())
        btn8Click();
}

void ScriptList::btn9Click() {
    const QString selectFirst = QStringLiteral("请选择您要删除的记录");
    try {
        QTreeWidgetItem *item = selectedItem();
        if (!item) {
            context_.notice(context_.mainWindow, selectFirst, MB_OK | MB_ICONINFORMATION);
            return;
        }
        if (context_.notice(context_.mainWindow, QStringLiteral("是否要删除选定的记录"),
                            MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        const QString id = item->text(kColId);
        deleteScript(context_, id);
        // A deleted script's key would otherwise stay taken and play nothing.
        release(id);
        LoadScriptList();
    } catch (const HandlerError &) {
        context_.notice(context_.mainWindow, selectFirst, MB_OK | MB_ICONINFORMATION);
    }
}

void ScriptList::btn10Click() {
    if (context_.mainWindow)
        context_.mainWindow->setWindowTitle(texts::kProductTitle);
    try {
        QTreeWidgetItem *item = selectedItem();
        if (!item)
            return;
        EnableScript(item->text(kColHotkey), item->text(kColId));
        lv2->viewport()->update();
    } catch (const HandlerError &) {
        // An unusable hotkey text enables nothing, without a word.
    }
}

void ScriptList::btn11Click() {
    if (context_.mainWindow)
        context_.mainWindow->setWindowTitle(texts::kProductTitle);
    QTreeWidgetItem *item = selectedItem();
    if (!item)
        return;
    setStatus(*item, kStatusDisabled);
    release(item->text(kColId));
    lv2->viewport()->update();
}

void ScriptList::btn17Click() {
    if (openStopHotkeyDialog)
        openStopHotkeyDialog();
}

std::optional<ScriptRow> ScriptList::rowByHotkeyId(const QString &id) const {
    for (int i = 0; i < lv2->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = lv2->topLevelItem(i);
        if (item->text(kColId) == id)
            return rowOf(*item);
    }
    return std::nullopt;
}

QList<ScriptRow> ScriptList::rows() const {
    QList<ScriptRow> all;
    for (int i = 0; i < lv2->topLevelItemCount(); ++i)
        all << rowOf(*lv2->topLevelItem(i));
    return all;
}

std::optional<ScriptRow> ScriptList::selectedRow() const {
    if (const QTreeWidgetItem *item = selectedItem())
        return rowOf(*item);
    return std::nullopt;
}

QTreeWidgetItem *ScriptList::selectedItem() const {
    const QList<QTreeWidgetItem *> selected = lv2->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void ScriptList::setStatus(QTreeWidgetItem &item, const QString &status) {
    item.setText(kColStatus, status);
}

} // namespace lumo
