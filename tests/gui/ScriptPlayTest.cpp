// Scripts played through the main window: a script key pressed on the fake
// backend plays the row of the script list, the stop key stops it, and a
// failure of one run does not end the run it interrupted.

#include "scripts/ScriptList.h"
#include "scripts/ScriptRunner.h"
#include "scripts/StopHotkey.h"
#include "storage/Database.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace lumo;
using lumo::test::ui;
using namespace platform;
using lumo::test::GuiFixture;

namespace {

struct Program {
    GuiFixture f;
    MainWindow *main = &f.start();

    void add(const QString &id, const QString &hotkey, const QString &steps, const QString &cycles) {
        DbQuery query(f.forms->database);
        query.setStatement(QStringLiteral(
            "insert into [mplist] (id,mpname,hotkey,mpoint,clicknum) values (:a,:b,:c,:d,:e)"));
        query.setParam(QStringLiteral("a"), id);
        query.setParam(QStringLiteral("b"), QStringLiteral("脚本") + id);
        query.setParam(QStringLiteral("c"), hotkey);
        query.setParam(QStringLiteral("d"), steps);
        query.setParam(QStringLiteral("e"), cycles);
        query.execute();
    }
    void enableAll() {
        main->scriptList()->reload();
        QTreeWidget &view = *ui<QTreeWidget>(main->scriptList(), "scriptListView");
        for (int i = 0; i < view.topLevelItemCount(); ++i) {
            view.setCurrentItem(view.topLevelItem(i));
            ui<QPushButton>(main->scriptList(), "enableButton")->click();
        }
    }
    // Where the pointer went, one entry per step played.
    QList<Point> moves() const {
        QList<Point> result;
        for (const fake::MouseCall &call : f.fake.mouse.calls())
            if (call.kind == fake::MouseCall::Move)
                result << call.at;
        return result;
    }
};

} // namespace

class ScriptPlayTest : public QObject {
    Q_OBJECT
  private slots:
    void aScriptKeyPlaysItsRowAndTheStopKeyEndsItAtTheNextStep() {
        Program p;
        p.add(QStringLiteral("5"), QStringLiteral("Ctrl+F2"),
              QStringLiteral("10,20,左键单击,100|30,40,无点击,100|"), QStringLiteral("2"));
        p.enableAll();
        // F6, the default stop key, goes down during the second step's interval.
        p.f.fake.time.schedule(p.f.fake.time.nowMs() + 150,
                               [&] { p.f.fake.hotkeys.press(Modifiers{}, HotkeyKey{6}); });
        QVERIFY(p.f.fake.hotkeys.press(Modifiers::Control, HotkeyKey{2}));
        QCOMPARE(p.moves(), (QList<Point>{{10, 20}, {30, 40}}));
        QCOMPARE(p.f.fake.mouse.buttonEvents(),
                 (std::vector<ButtonEvent>{ButtonEvent::LeftDown, ButtonEvent::LeftUp}));
        QCOMPARE(p.f.fake.messageBoxes.texts(), QStringList{kStopMessage});
        QVERIFY(!p.main->state().stopRequested);
    }

    // Script keys have identifiers of their own: the stop key must not play
    // the script whose id happens to be the stop key's identifier.
    void theStopKeyDoesNotPlayTheScriptWithItsIdentifier() {
        Program p;
        p.add(QString::number(kStopHotkeyId), QStringLiteral("Alt+F3"), QStringLiteral("7,7,左键单击,10|"),
              QStringLiteral("1"));
        p.enableAll();
        QVERIFY(p.f.fake.hotkeys.press(Modifiers{}, HotkeyKey{6}));
        QVERIFY(p.moves().isEmpty());
        QVERIFY(p.main->state().stopRequested);
        p.main->state().stopRequested = false;
        QVERIFY(p.f.fake.hotkeys.press(Modifiers::Alt, HotkeyKey{3}));
        QCOMPARE(p.moves(), QList<Point>{(Point{7, 7})});
    }

    void aNestedRunThatFailsLeavesTheOuterRunPlaying() {
        Program p;
        p.add(QStringLiteral("1"), QStringLiteral("Ctrl+F2"),
              QStringLiteral("1,1,无点击,100|2,2,无点击,100|"), QStringLiteral("1"));
        p.add(QStringLiteral("2"), QStringLiteral("Ctrl+F4"), QStringLiteral("9,9,无点击,10|"),
              QStringLiteral("x"));
        p.enableAll();
        p.f.fake.time.schedule(p.f.fake.time.nowMs() + 50,
                               [&] { p.f.fake.hotkeys.press(Modifiers::Control, HotkeyKey{4}); });
        QVERIFY(p.f.fake.hotkeys.press(Modifiers::Control, HotkeyKey{2}));
        QCOMPARE(p.moves(), (QList<Point>{{1, 1}, {2, 2}}));
        QCOMPARE(p.f.fake.messageBoxes.texts(),
                 QStringList{QStringLiteral("'x' is not a valid integer value.")});
    }

    // Presses of a playing script's key, each a nested run or held behind
    // one, then one press of the stop key: every run ends, the message shows
    // once after the last click, and presses while it is open play nothing.
    void aFloodOfPressesThenOneStopLeavesNothingPlaying() {
        Program p;
        p.add(QStringLiteral("5"), QStringLiteral("Ctrl+F2"), QStringLiteral("10,20,左键单击,1000|"),
              QStringLiteral("100"));
        p.enableAll();
        const qint64 start = p.f.fake.time.nowMs();
        for (int i = 1; i <= 300; ++i)
            p.f.fake.time.schedule(start + 7 * i,
                                   [&] { p.f.fake.hotkeys.press(Modifiers::Control, HotkeyKey{2}); });
        const qint64 stopAt = start + 5500;
        int depthBeforeTheStop = 0;
        p.f.fake.time.schedule(stopAt - 1, [&] { depthBeforeTheStop = p.main->runner()->depth(); });
        p.f.fake.time.schedule(stopAt, [&] { QVERIFY(p.f.fake.hotkeys.press(Modifiers{}, HotkeyKey{6})); });
        qint64 boxAt = -1;
        std::size_t callsAtTheBox = 0;
        p.f.fake.messageBoxes.whileOpen = [&](const fake::ShownBox &) {
            boxAt = p.f.fake.time.nowMs();
            callsAtTheBox = p.f.fake.mouse.calls().size();
            p.f.fake.hotkeys.press(Modifiers::Control, HotkeyKey{2});
        };
        QVERIFY(p.f.fake.hotkeys.press(Modifiers::Control, HotkeyKey{2}));
        p.f.fake.advance(20000);
        QCOMPARE(p.f.fake.messageBoxes.texts(), QStringList{kStopMessage});
        QCOMPARE(boxAt, stopAt);
        QCOMPARE(depthBeforeTheStop, kMaxNestedRuns);
        // The outermost run's first step, then the innermost run's, one per cycle.
        QCOMPARE(p.moves().size(), 4);
        QCOMPARE(p.f.fake.mouse.calls().size(), callsAtTheBox);
        QCOMPARE(p.main->runner()->depth(), 0);
        QVERIFY(!p.main->state().stopRequested);
        QCOMPARE(p.main->context().gate.held(), std::size_t(0));
    }

    void thePlayErrorIsOwnedByTheMainWindow() {
        Program p;
        p.main->runner()->playSteps(QStringLiteral("3,4,左键单击|"), 1);
        QCOMPARE(p.moves(), QList<Point>{(Point{3, 4})});
        QCOMPARE(p.f.fake.messageBoxes.shown().size(), 1U);
        QCOMPARE(p.f.fake.messageBoxes.shown().front().owner.data(), p.main);
        QCOMPARE(p.f.fake.messageBoxes.shown().front().text, kPlayErrorMessage);
    }
};

QTEST_MAIN(ScriptPlayTest)
#include "ScriptPlayTest.moc"
