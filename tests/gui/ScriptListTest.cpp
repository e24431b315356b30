// The multi-point tab: the script list, its hotkeys, and the stop hotkey
// dialog, on the fake backend.

#include "scripts/ScriptList.h"
#include "scripts/StopHotkey.h"
#include "scripts/StopHotkeyDialog.h"
#include "storage/Database.h"
#include "storage/ScriptStore.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace lumo;
using lumo::test::ui;
using namespace platform;
using lumo::test::GuiFixture;
using platform::fake::HotkeyCall;
using platform::fake::ShownBox;

namespace {

constexpr Modifiers kNone{};
constexpr Modifiers kAlt = Modifiers::Alt;
constexpr Modifiers kCtrl = Modifiers::Control;
constexpr int kSinglePointId = 1008;

const QString kSelectFirst = QStringLiteral("请选择您要删除的记录");

QString conflictText(const QString &hotkey) {
    return QStringLiteral("您设置的") + hotkey + QStringLiteral("热键与其他程序的热键冲突,请选择过热键.");
}

struct Tab {
    GuiFixture f;
    MainWindow *main = nullptr;
    ScriptList *list = nullptr;
    QList<ScriptRow> played;

    explicit Tab(const QString &settings = {}) {
        if (!settings.isEmpty())
            f.writeSettings(settings);
        main = &f.start();
        list = main->scriptList();
        // The presses are recorded here instead of played.
        QObject::disconnect(list, &ScriptList::playRequested, nullptr, nullptr);
        QObject::connect(list, &ScriptList::playRequested, [this](const ScriptRow &row) { played << row; });
    }
    MainContext &context() { return main->context(); }
    void add(const QString &name, const QString &hotkey,
             const QString &steps = QStringLiteral("1,2,左键单击,20|"),
             const QString &cycles = QStringLiteral("1")) {
        insertScript(f.forms->database, name, hotkey, steps, cycles);
    }
    // A row with a chosen id, as a table edited elsewhere may hold.
    void addWithId(const QString &id, const QString &name, const QString &hotkey) {
        DbQuery query(f.forms->database);
        query.setStatement(QStringLiteral(
            "insert into [mplist] (id,mpname,hotkey,mpoint,clicknum) values (:a,:b,:c,:d,:e)"));
        query.setParam(QStringLiteral("a"), id);
        query.setParam(QStringLiteral("b"), name);
        query.setParam(QStringLiteral("c"), hotkey);
        query.setParam(QStringLiteral("d"), QString());
        query.setParam(QStringLiteral("e"), QStringLiteral("1"));
        query.execute();
    }
    QTreeWidgetItem *row(int i) { return ui<QTreeWidget>(list, "scriptListView")->topLevelItem(i); }
    QString status(int i) { return row(i)->text(kColStatus); }
    void select(int i) { ui<QTreeWidget>(list, "scriptListView")->setCurrentItem(row(i)); }
    void enable(int i) {
        select(i);
        ui<QPushButton>(list, "enableButton")->click();
    }
    void disable(int i) {
        select(i);
        ui<QPushButton>(list, "disableButton")->click();
    }
    QStringList playedIds() const {
        QStringList ids;
        for (const ScriptRow &row : played)
            ids << row.id;
        return ids;
    }
    QStringList boxTexts() { return f.fake.messageBoxes.texts(); }
    bool scriptHeld(Modifiers modifiers, HotkeyKey key) {
        const auto &hotkeys = f.fake.hotkeys;
        for (const HotkeyCall &call : hotkeys.registrations()) {
            if (call.owner == list && hotkeys.isRegistered(list, call.id) &&
                hotkeys.keyOf(list, call.id) == qMakePair(modifiers, key))
                return true;
        }
        return false;
    }
    bool mainHolds(int id, Modifiers modifiers, HotkeyKey key) {
        return f.fake.hotkeys.keyOf(main, id) == qMakePair(modifiers, key);
    }
    StopHotkeyDialog &dialog() { return *static_cast<StopHotkeyDialog *>(f.forms->stopHotkeyDialog); }
};

// The colour the list paints behind a row, away from its text.
QColor drawnBackground(Tab &t, int row) {
    ui<QTreeWidget>(t.list, "scriptListView")->clearSelection();
    const QRect rect = ui<QTreeWidget>(t.list, "scriptListView")->visualItemRect(t.row(row));
    const QImage image = ui<QTreeWidget>(t.list, "scriptListView")->viewport()->grab().toImage();
    const QHeaderView &header = *ui<QTreeWidget>(t.list, "scriptListView")->header();
    const int x = header.sectionPosition(kColHotkey) + header.sectionSize(kColHotkey) - 6;
    return image.pixelColor(x, rect.center().y());
}

} // namespace

class ScriptListTest : public QObject {
    Q_OBJECT
  private slots:
    void fillShowsEveryColumnWithTheStoredStopHotkey() {
        Tab t;
        t.add(QStringLiteral("甲"), QStringLiteral("Ctrl+F2"), QStringLiteral("100,200,左键单击,20|"),
              QStringLiteral("00"));
        t.add(QStringLiteral("乙"), QStringLiteral("F4"), QString(), QStringLiteral("3"));
        t.main->scriptList()->reload();

        QTreeWidget &view = *ui<QTreeWidget>(t.list, "scriptListView");
        QCOMPARE(view.topLevelItemCount(), 2);
        const QList<int> widths{40, 120, 90, 70, 100, 100};
        for (int c = 0; c < widths.size(); ++c)
            QCOMPARE(view.header()->sectionSize(c), widths[c]);
        QCOMPARE(view.headerItem()->text(kColStopHotkey), QStringLiteral("停止热键"));
        const QStringList first{QStringLiteral("1"),  QStringLiteral("甲"), QStringLiteral("Ctrl+F2"),
                                QStringLiteral("F6"), QStringLiteral("00"), QStringLiteral("未启用")};
        for (int c = 0; c < first.size(); ++c)
            QCOMPARE(t.row(0)->text(c), first[c]);
        QCOMPARE(t.list->rows()[0].steps, QStringLiteral("100,200,左键单击,20|"));
        QCOMPARE(t.row(1)->columnCount(), 6);
        QVERIFY(view.selectedItems().isEmpty());

        QCOMPARE(t.list->rows().size(), 2);
        QCOMPARE(t.list->rows()[1].name, QStringLiteral("乙"));

        t.f.writeSettings(QStringLiteral("[setting]\nstophotkey=Ctrl+Alt+F9\n"));
        t.main->scriptList()->reload();
        QCOMPARE(t.row(0)->text(kColStopHotkey), QStringLiteral("Ctrl+Alt+F9"));
        QCOMPARE(t.row(1)->text(kColStopHotkey), QStringLiteral("Ctrl+Alt+F9"));
    }

    void enableRegistersColoursAndPlaysDisableReleases() {
        Tab t;
        t.add(QStringLiteral("a"), QStringLiteral("Ctrl+F2"));
        t.main->scriptList()->reload();
        t.main->setWindowTitle(QStringLiteral("something else"));

        t.enable(0);
        QCOMPARE(t.status(0), QStringLiteral("已启用"));
        QCOMPARE(drawnBackground(t, 0), QColor(166, 202, 240));
        QCOMPARE(t.main->windowTitle(), QStringLiteral("Lumo鼠标自动点击器"));
        QVERIFY(t.f.fake.hotkeys.press(kCtrl, HotkeyKey{2}));
        QCOMPARE(t.playedIds(), QStringList{QStringLiteral("1")});

        // Enabling again replaces the earlier registration instead of failing.
        t.enable(0);
        QCOMPARE(t.status(0), QStringLiteral("已启用"));
        QVERIFY(t.boxTexts().isEmpty());

        t.disable(0);
        QCOMPARE(t.status(0), QStringLiteral("未启用"));
        QCOMPARE(drawnBackground(t, 0),
                 ui<QTreeWidget>(t.list, "scriptListView")->palette().color(QPalette::Base));
        QVERIFY(!t.f.fake.hotkeys.press(kCtrl, HotkeyKey{2}));
        QVERIFY(t.boxTexts().isEmpty());

        // Nothing selected: the buttons only set the title.
        ui<QTreeWidget>(t.list, "scriptListView")->clearSelection();
        ui<QPushButton>(t.list, "enableButton")->click();
        ui<QPushButton>(t.list, "disableButton")->click();
        QVERIFY(!t.scriptHeld(kCtrl, HotkeyKey{2}));
        QVERIFY(t.boxTexts().isEmpty());
    }

    void enableConflictsNameTheHotkeyAndLeaveTheRowOff() {
        Tab t; // stop hotkey F6, single-point hotkey from the panel's defaults
        t.add(QStringLiteral("stop key"), QStringLiteral("F6"));
        t.add(QStringLiteral("first"), QStringLiteral("Ctrl+F7"));
        t.add(QStringLiteral("same key"), QStringLiteral("Ctrl+F7"));
        t.add(QStringLiteral("elsewhere"), QStringLiteral("Alt+F5"));
        t.add(QStringLiteral("no number"), QStringLiteral("Ctrl+Fx"));
        t.main->scriptList()->reload();
        t.f.fake.hotkeys.holdElsewhere(kAlt, HotkeyKey{5});
        t.main->state().startHotkeyRegistered = true;

        t.enable(0);
        QCOMPARE(t.f.fake.messageBoxes.shown().size(), size_t(1));
        const ShownBox &box = t.f.fake.messageBoxes.shown().back();
        QCOMPARE(box.text, conflictText(QStringLiteral("F6")));
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Warning);
        QCOMPARE(box.owner.data(), static_cast<QWidget *>(t.main));
        QCOMPARE(t.status(0), QStringLiteral("未启用"));
        QVERIFY(!t.main->state().startHotkeyRegistered);
        QVERIFY(t.mainHolds(kStopHotkeyId, kNone, HotkeyKey{6}));

        t.enable(1);
        t.enable(2);
        QCOMPARE(t.status(1), QStringLiteral("已启用"));
        QCOMPARE(t.status(2), QStringLiteral("未启用"));
        QCOMPARE(t.boxTexts().last(), conflictText(QStringLiteral("Ctrl+F7")));

        t.enable(3);
        QCOMPARE(t.f.fake.messageBoxes.shown().back().buttons, Buttons::Ok);
        QCOMPARE(t.f.fake.messageBoxes.shown().back().icon, Icon::Information);
        QCOMPARE(t.status(3), QStringLiteral("未启用"));

        // A key word without a number is swallowed without a word.
        const auto boxes = t.boxTexts().size();
        t.enable(4);
        QCOMPARE(t.boxTexts().size(), boxes);
        QCOMPARE(t.status(4), QStringLiteral("未启用"));
    }

    void failedReenableLeavesTheRowOff() {
        Tab t;
        t.add(QStringLiteral("a"), QStringLiteral("Ctrl+F2"));
        t.main->scriptList()->reload();
        t.enable(0);
        // The key is taken meanwhile by another program, then enabled again:
        // the old registration is gone, so the row must not read enabled.
        t.f.fake.hotkeys.unregisterHotkey(t.list, t.f.fake.hotkeys.registrations().back().id);
        t.f.fake.hotkeys.holdElsewhere(kCtrl, HotkeyKey{2});
        t.enable(0);
        QCOMPARE(t.boxTexts(), QStringList{conflictText(QStringLiteral("Ctrl+F2"))});
        QCOMPARE(t.status(0), QStringLiteral("未启用"));
        QVERIFY(!t.list->hotkeys().isHeld(QStringLiteral("1")));
    }

    void deleteAsksThenRemovesTheRowAndItsHotkey() {
        Tab t;
        t.add(QStringLiteral("a"), QStringLiteral("Ctrl+F2"));
        t.add(QStringLiteral("b"), QStringLiteral("Ctrl+F3"));
        t.main->scriptList()->reload();

        ui<QPushButton>(t.list, "deleteButton")->click();
        QCOMPARE(t.boxTexts(), QStringList{kSelectFirst});
        QCOMPARE(t.f.fake.messageBoxes.shown().back().buttons, Buttons::Ok);
        QCOMPARE(t.f.fake.messageBoxes.shown().back().icon, Icon::Information);

        t.enable(0);
        t.f.fake.messageBoxes.clear();
        t.f.fake.messageBoxes.answer(Answer::No);
        ui<QPushButton>(t.list, "deleteButton")->click();
        QCOMPARE(t.boxTexts(), QStringList{QStringLiteral("是否要删除选定的记录")});
        QCOMPARE(t.f.fake.messageBoxes.shown().back().buttons, Buttons::YesNo);
        QCOMPARE(t.f.fake.messageBoxes.shown().back().icon, Icon::Question);
        QCOMPARE(ui<QTreeWidget>(t.list, "scriptListView")->topLevelItemCount(), 2);

        t.f.fake.messageBoxes.answer(Answer::Yes);
        ui<QAction>(t.list, "deleteAction")->trigger();
        QCOMPARE(ui<QTreeWidget>(t.list, "scriptListView")->topLevelItemCount(), 1);
        QCOMPARE(t.row(0)->text(kColName), QStringLiteral("b"));
        // The deleted script's key is free again.
        QVERIFY(!t.f.fake.hotkeys.press(kCtrl, HotkeyKey{2}));
        QVERIFY(t.played.isEmpty());

        // A failing statement is reported with the selection message.
        DbQuery drop(t.f.forms->database);
        drop.setStatement(QStringLiteral("drop table [mplist]"));
        drop.execute();
        t.f.fake.messageBoxes.clear();
        t.f.fake.messageBoxes.answer(Answer::Yes);
        t.select(0);
        ui<QPushButton>(t.list, "deleteButton")->click();
        QCOMPARE(t.boxTexts(), (QStringList{QStringLiteral("是否要删除选定的记录"), kSelectFirst}));
    }

    void scriptIdsOfTheFixedHotkeysKeepThemAndPlay() {
        Tab t;
        const QString single = QString::number(kSinglePointId);
        const QString stop = QString::number(kStopHotkeyId);
        t.addWithId(single, QStringLiteral("as single"), QStringLiteral("Alt+F10"));
        t.addWithId(stop, QStringLiteral("as stop"), QStringLiteral("Alt+F11"));
        t.addWithId(QStringLiteral("900000"), QStringLiteral("big id"), QStringLiteral("Alt+F12"));
        t.main->scriptList()->reload();
        const auto singleKey = t.f.fake.hotkeys.keyOf(t.main, kSinglePointId);
        QVERIFY(singleKey);
        QVERIFY(t.mainHolds(kStopHotkeyId, kNone, HotkeyKey{6}));

        for (int i = 0; i < 3; ++i)
            t.enable(i);
        QVERIFY(t.boxTexts().isEmpty());
        QCOMPARE(t.f.fake.hotkeys.keyOf(t.main, kSinglePointId), singleKey);
        QVERIFY(t.mainHolds(kStopHotkeyId, kNone, HotkeyKey{6}));

        QVERIFY(t.f.fake.hotkeys.press(kAlt, HotkeyKey{10}));
        QVERIFY(t.f.fake.hotkeys.press(kAlt, HotkeyKey{11}));
        QVERIFY(t.f.fake.hotkeys.press(kAlt, HotkeyKey{12}));
        QCOMPARE(t.playedIds(), (QStringList{single, stop, QStringLiteral("900000")}));
        QVERIFY(!t.main->state().stopRequested);

        // The stop key raises the request and plays no script, even one
        // whose id is the stop key's identifier.
        QVERIFY(t.f.fake.hotkeys.press(kNone, HotkeyKey{6}));
        QVERIFY(t.main->state().stopRequested);
        QCOMPARE(t.played.size(), 3);

        // Disabling the script 1108 leaves the stop hotkey alone.
        t.disable(1);
        QVERIFY(t.mainHolds(kStopHotkeyId, kNone, HotkeyKey{6}));
        QCOMPARE(t.f.fake.hotkeys.keyOf(t.main, kSinglePointId), singleKey);
    }

    void reloadTellsWhichHotkeysAreHeld() {
        Tab t;
        t.add(QStringLiteral("a"), QStringLiteral("Ctrl+F2"));
        t.main->scriptList()->reload();
        t.enable(0);

        t.add(QStringLiteral("b"), QStringLiteral("Ctrl+F3"));
        t.main->scriptList()->reload();
        QCOMPARE(t.status(0), QStringLiteral("已启用"));
        QCOMPARE(drawnBackground(t, 0), QColor(166, 202, 240));
        QCOMPARE(t.status(1), QStringLiteral("未启用"));
        QVERIFY(t.f.fake.hotkeys.press(kCtrl, HotkeyKey{2}));

        // A modified hotkey text takes the old key's place.
        updateScript(t.f.forms->database, QStringLiteral("a"), QStringLiteral("Alt+F8"), QString(),
                     QStringLiteral("1"));
        t.main->scriptList()->reload();
        QCOMPARE(t.status(0), QStringLiteral("已启用"));
        QVERIFY(!t.f.fake.hotkeys.press(kCtrl, HotkeyKey{2}));
        QVERIFY(t.f.fake.hotkeys.press(kAlt, HotkeyKey{8}));
        QCOMPARE(t.playedIds(), (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
        // A press plays the row as the list shows it now, steps included.
        QCOMPARE(t.played[0].steps, QStringLiteral("1,2,左键单击,20|"));
        QCOMPARE(t.played[1].steps, QString());
        QVERIFY(t.boxTexts().isEmpty());

        // A modified hotkey that is taken: the message, released, not enabled.
        t.f.fake.hotkeys.holdElsewhere(kCtrl, HotkeyKey{9});
        updateScript(t.f.forms->database, QStringLiteral("a"), QStringLiteral("Ctrl+F9"), QString(),
                     QStringLiteral("1"));
        t.main->scriptList()->reload();
        QCOMPARE(t.boxTexts(), QStringList{conflictText(QStringLiteral("Ctrl+F9"))});
        QCOMPARE(t.status(0), QStringLiteral("未启用"));
        QVERIFY(!t.f.fake.hotkeys.press(kAlt, HotkeyKey{8}));
        QVERIFY(!t.list->hotkeys().isHeld(QStringLiteral("1")));
    }

    void editorHooksAndDoubleClick() {
        Tab t;
        t.add(QStringLiteral("a"), QStringLiteral("Ctrl+F2"));
        t.main->scriptList()->reload();
        // Without the dialogs wired to the list a press does nothing.
        QObject::disconnect(t.list, &ScriptList::addRequested, nullptr, nullptr);
        QObject::disconnect(t.list, &ScriptList::modifyRequested, nullptr, nullptr);
        ui<QPushButton>(t.list, "addButton")->click();
        ui<QPushButton>(t.list, "modifyButton")->click();
        QVERIFY(t.boxTexts().isEmpty());

        int adds = 0;
        int modifies = 0;
        QObject::connect(t.list, &ScriptList::addRequested, [&] { ++adds; });
        QObject::connect(t.list, &ScriptList::modifyRequested, [&] { ++modifies; });
        ui<QPushButton>(t.list, "addButton")->click();
        QCOMPARE(adds, 1);
        // Below the rows: no script to modify.
        auto *view = ui<QTreeWidget>(t.list, "scriptListView");
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(20, view->viewport()->height() - 5));
        QCOMPARE(modifies, 0);
        t.select(0);
        const QPoint onRow = ui<QTreeWidget>(t.list, "scriptListView")->visualItemRect(t.row(0)).center();
        QTest::mouseDClick(ui<QTreeWidget>(t.list, "scriptListView")->viewport(), Qt::RightButton, {}, onRow);
        ui<QMenu>(t.list, "contextMenu")->hide();
        QCOMPARE(modifies, 0);
        QTest::mouseDClick(ui<QTreeWidget>(t.list, "scriptListView")->viewport(), Qt::LeftButton, {}, onRow);
        QCOMPARE(modifies, 1);
        ui<QPushButton>(t.list, "modifyButton")->click();
        QCOMPARE(modifies, 2);
    }

    void stopHotkeyDialogShowsTheStoredText_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("modifier");
        QTest::addColumn<QString>("key");
        // Nothing stored: the key in force, F6 alone.
        QTest::newRow("absent") << QString() << QStringLiteral("无") << QStringLiteral("F6");
        QTest::newRow("ctrl+alt") << QStringLiteral("Ctrl+Alt+F9") << QStringLiteral("Ctrl+Alt")
                                  << QStringLiteral("F9");
        QTest::newRow("alone") << QStringLiteral("F10") << QStringLiteral("无") << QStringLiteral("F10");
        QTest::newRow("alt") << QStringLiteral("Alt+F3") << QStringLiteral("Alt") << QStringLiteral("F3");
    }
    void stopHotkeyDialogShowsTheStoredText() {
        QFETCH(QString, stored);
        QFETCH(QString, modifier);
        QFETCH(QString, key);
        Tab t(stored.isEmpty() ? QString()
                               : QStringLiteral("[setting]\nstophotkey=") + stored + QLatin1Char('\n'));
        StopHotkeyDialog &d = t.dialog();
        QCOMPARE(d.windowTitle(), QStringLiteral("停止热键设置"));
        d.loadStoredHotkey();
        QCOMPARE(ui<QComboBox>(&d, "modifierComboBox")->currentText(), modifier);
        QCOMPARE(ui<QComboBox>(&d, "keyComboBox")->currentText(), key);
    }

    void stopHotkeySaveStoresAnnouncesRefillsAndRegisters() {
        Tab t;
        t.add(QStringLiteral("a"), QStringLiteral("Ctrl+F2"));
        t.main->scriptList()->reload();
        t.enable(0);
        const auto singleKey = t.f.fake.hotkeys.keyOf(t.main, kSinglePointId);

        StopHotkeyDialog &d = t.dialog();
        d.show();
        ui<QComboBox>(&d, "modifierComboBox")->setCurrentText(QStringLiteral("Alt"));
        ui<QComboBox>(&d, "keyComboBox")->setCurrentText(QStringLiteral("F7"));
        ui<QPushButton>(&d, "okButton")->click();
        QVERIFY(!d.isVisible());
        QVERIFY(t.f.settingsBytes().contains("stophotkey=Alt+F7"));
        QCOMPARE(t.boxTexts(), QStringList{QStringLiteral("热键设置成功,所有点击的记录都是这个热键停止.")});
        QCOMPARE(t.f.fake.messageBoxes.shown().back().owner.data(), static_cast<QWidget *>(&d));
        QCOMPARE(t.row(0)->text(kColStopHotkey), QStringLiteral("Alt+F7"));
        QVERIFY(t.mainHolds(kStopHotkeyId, kAlt, HotkeyKey{7}));
        QVERIFY(!t.f.fake.hotkeys.press(kNone, HotkeyKey{6}));
        // Everything else stays held, and the list says so.
        QCOMPARE(t.status(0), QStringLiteral("已启用"));
        QVERIFY(t.scriptHeld(kCtrl, HotkeyKey{2}));
        QCOMPARE(t.f.fake.hotkeys.keyOf(t.main, kSinglePointId), singleKey);

        // Saving unchanged succeeds again.
        t.f.fake.messageBoxes.clear();
        d.show();
        ui<QPushButton>(&d, "okButton")->click();
        QCOMPARE(t.boxTexts().size(), 1);
        QVERIFY(t.mainHolds(kStopHotkeyId, kAlt, HotkeyKey{7}));

        // The key of an enabled script: success, then the conflict; stored anyway.
        t.f.fake.messageBoxes.clear();
        d.show();
        ui<QComboBox>(&d, "modifierComboBox")->setCurrentText(QStringLiteral("Ctrl"));
        ui<QComboBox>(&d, "keyComboBox")->setCurrentText(QStringLiteral("F2"));
        ui<QPushButton>(&d, "okButton")->click();
        QCOMPARE(t.boxTexts(),
                 (QStringList{QStringLiteral("热键设置成功,所有点击的记录都是这个热键停止."),
                              QStringLiteral("您设置的热键与其他程序的热键冲突,请选择过热键.")}));
        QVERIFY(t.f.settingsBytes().contains("stophotkey=Ctrl+F2"));
        QVERIFY(!t.f.fake.hotkeys.isRegistered(t.main, kStopHotkeyId));
        QVERIFY(t.scriptHeld(kCtrl, HotkeyKey{2}));
    }

    void stopHotkeyDialogRefusesAKeyThatCannotBeUsedAndStoresNothing_data() {
        QTest::addColumn<QString>("modifier");
        QTest::addColumn<QString>("key");
        QTest::newRow("no key") << QStringLiteral("无") << QString();
        QTest::newRow("modifier alone") << QStringLiteral("Ctrl") << QString();
        QTest::newRow("no number") << QStringLiteral("Alt") << QStringLiteral("Fx");
        QTest::newRow("unknown modifier") << QStringLiteral("Shift") << QStringLiteral("F5");
    }
    void stopHotkeyDialogRefusesAKeyThatCannotBeUsedAndStoresNothing() {
        QFETCH(QString, modifier);
        QFETCH(QString, key);
        Tab t;
        StopHotkeyDialog &d = t.dialog();
        d.show();
        ui<QComboBox>(&d, "modifierComboBox")->setCurrentText(modifier);
        ui<QComboBox>(&d, "keyComboBox")->setCurrentText(key);
        ui<QPushButton>(&d, "okButton")->click();
        QVERIFY(d.isVisible());
        QVERIFY(!t.f.settingsExist());
        QCOMPARE(t.boxTexts().size(), 1);
        QVERIFY2(t.boxTexts()[0].contains(QStringLiteral("没有保存")), qPrintable(t.boxTexts()[0]));
        QVERIFY(!t.boxTexts()[0].contains(QStringLiteral("热键设置成功")));
        QVERIFY(t.mainHolds(kStopHotkeyId, kNone, HotkeyKey{6}));
        ui<QPushButton>(&d, "cancelButton")->click();
        QVERIFY(!d.isVisible());
    }

    void stopHotkeyDialogCancelAndEscStoreNothing() {
        Tab t(QStringLiteral("[setting]\nstophotkey=F6\n"));
        const QByteArray before = t.f.settingsBytes();
        StopHotkeyDialog &d = t.dialog();
        d.show();
        ui<QComboBox>(&d, "keyComboBox")->setCurrentText(QStringLiteral("F1"));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        d.show();
        QCOMPARE(ui<QComboBox>(&d, "keyComboBox")->currentText(), QStringLiteral("F6"));
        ui<QComboBox>(&d, "keyComboBox")->setCurrentText(QStringLiteral("F1"));
        ui<QPushButton>(&d, "cancelButton")->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(t.f.settingsBytes(), before);
        QVERIFY(t.boxTexts().isEmpty());
        QVERIFY(t.mainHolds(kStopHotkeyId, kNone, HotkeyKey{6}));
    }

    // Opened on a fresh profile and confirmed as it stands, the dialog
    // stores the key in force, and the next start holds it.
    void stopHotkeyDialogConfirmedAsOpenedStoresTheKeyInForce() {
        Tab t;
        StopHotkeyDialog &d = t.dialog();
        d.show();
        ui<QPushButton>(&d, "okButton")->click();
        QVERIFY(!d.isVisible());
        QVERIFY(t.f.settingsBytes().contains("stophotkey=F6\r\n"));
        QVERIFY(t.mainHolds(kStopHotkeyId, kNone, HotkeyKey{6}));
    }

    void btn17OpensTheDialogModally() {
        Tab t;
        bool sawModal = false;
        QTimer::singleShot(0, [&] {
            sawModal = QApplication::activeModalWidget() == &t.dialog();
            ui<QPushButton>(&t.dialog(), "cancelButton")->click();
        });
        ui<QPushButton>(t.list, "stopHotkeyButton")->click();
        QVERIFY(sawModal);
        QVERIFY(!t.dialog().isVisible());
    }
};

QTEST_MAIN(ScriptListTest)
#include "ScriptListTest.moc"
