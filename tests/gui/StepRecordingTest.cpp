// Recording steps in the script and timed task editors with the fake
// recorder: the presses become steps with their events and intervals, F11
// brings the editor back, and nothing is stored before OK.

#include "steps/StepRecording.h"
#include "scripts/ScriptList.h"
#include "tests/gui/support/GuiFixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTreeWidget>

using namespace lumo;
using namespace platform;
using lumo::test::GuiFixture;
using Button = RecordedPress::Button;

namespace {

template <typename Widget> Widget *child(QWidget *window, const char *name) {
    auto *found = window->findChild<Widget *>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

QList<QStringList> rowsOf(QWidget *dialog) {
    const auto *view = child<QTreeWidget>(dialog, "stepListView");
    QList<QStringList> rows;
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = view->topLevelItem(i);
        rows << QStringList{item->text(0), item->text(1), item->text(2)};
    }
    return rows;
}

struct Recording {
    GuiFixture f;

    Recording() { f.start(); }
    QWidget *addScript() { return f.forms->addScriptDialog; }
    QString trayHint() { return child<QSystemTrayIcon>(&f.main(), "trayIcon")->toolTip(); }
    void record(QWidget *dialog) { child<QPushButton>(dialog, "recordButton")->click(); }
    void endWithF11() { QVERIFY(f.fake.hotkeys.press(Modifiers{}, HotkeyKey{11})); }
    // Presses at times relative to now, in order.
    void pressAfter(qint64 ms, Button button, int x, int y) {
        f.fake.recorder.pressAt(f.fake.time.nowMs() + ms, button, x, y);
        f.fake.advance(ms);
    }
};

int doubleClickMs() {
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

} // namespace

// The recording hint, a window of its own; null before the first recording.
QLabel *recordingHint() {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("recordingHint"))
            return qobject_cast<QLabel *>(window);
    return nullptr;
}

class StepRecordingTest : public QObject {
    Q_OBJECT
  private slots:
    void pressesBecomeStepsAndF11BringsTheDialogBack() {
        Recording r;
        r.f.forms->addScriptDialog->openForNewScript();
        r.record(r.addScript());
        QVERIFY(r.f.fake.recorder.watching());
        QVERIFY(!r.addScript()->isVisible());
        QVERIFY(!r.f.main().isVisible());
        QCOMPARE(r.trayHint(), QStringLiteral("正在录制,按F11结束"));
        // The hint at the top of the screen lets every click through.
        QLabel *hint = recordingHint();
        QVERIFY(hint && hint->isVisible());
        QCOMPARE(hint->text(), QStringLiteral("正在录制，按F11结束"));
        QVERIFY(hint->windowFlags().testFlag(Qt::WindowTransparentForInput));
        QVERIFY(hint->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        r.pressAfter(50, Button::Left, 100, 200);
        r.pressAfter(300, Button::Right, 110, 210);
        r.pressAfter(700, Button::Left, 400, 300);
        r.pressAfter(doubleClickMs() - 1, Button::Left, 403, 296); // a few pixels off
        r.pressAfter(500, Button::Left, 50, 60);
        r.endWithF11();

        QVERIFY(!r.f.fake.recorder.watching());
        QVERIFY(r.addScript()->isVisible());
        QVERIFY(r.f.main().isVisible());
        QCOMPARE(r.trayHint(), QStringLiteral("Tarvik鼠标点击器V1.0"));
        QVERIFY(!hint->isVisible());
        const QString doubleSpan = QString::number(doubleClickMs() - 1 + 500);
        QCOMPARE(rowsOf(r.addScript()),
                 (QList<QStringList>{
                     {QStringLiteral("100,200"), QStringLiteral("左键单击"), QStringLiteral("300")},
                     {QStringLiteral("110,210"), QStringLiteral("右键单击"), QStringLiteral("700")},
                     {QStringLiteral("400,300"), QStringLiteral("左键双击"), doubleSpan},
                     {QStringLiteral("50,60"), QStringLiteral("左键单击"), QStringLiteral("20")}}));
        // F11 is the step editors' again once the recording is over.
        QVERIFY(!r.f.fake.hotkeys.press(Modifiers{}, HotkeyKey{11}));
    }

    void aSecondPressAtTheDoubleClickTimeOrOfTheOtherButtonIsAStepOfItsOwn() {
        Recording r;
        r.f.forms->addScriptDialog->openForNewScript();
        r.record(r.addScript());
        r.pressAfter(10, Button::Right, 10, 10);
        r.pressAfter(doubleClickMs(), Button::Right, 10, 10); // too late
        r.pressAfter(1000, Button::Right, 10, 10);
        r.pressAfter(5, Button::Left, 10, 10); // the other button
        r.pressAfter(1000, Button::Left, 10, 10);
        r.pressAfter(5, Button::Left, 30, 10); // too far off
        r.pressAfter(1000, Button::Right, 10, 10);
        r.pressAfter(5, Button::Right, 10, 10);
        r.pressAfter(5, Button::Right, 10, 10); // a third press starts anew
        r.endWithF11();
        QStringList events;
        for (const QStringList &row : rowsOf(r.addScript()))
            events << row[1];
        QCOMPARE(events, (QStringList{QStringLiteral("右键单击"), QStringLiteral("右键单击"),
                                      QStringLiteral("右键单击"), QStringLiteral("左键单击"),
                                      QStringLiteral("左键单击"), QStringLiteral("左键单击"),
                                      QStringLiteral("右键双击"), QStringLiteral("右键单击")}));
        QCOMPARE(rowsOf(r.addScript())[0][2], QString::number(doubleClickMs()));
    }

    void aRecordingOfNothingAddsNothingToTheStepsThereWere() {
        Recording r;
        ModifyScriptDialog *dialog = r.f.forms->modifyScriptDialog;
        const ScriptRow row{QStringLiteral("1"),       QStringLiteral("s"),
                            QStringLiteral("Ctrl+F6"), QStringLiteral("5,6,左键单击,30|"),
                            QStringLiteral("1"),       QStringLiteral("未启用")};
        dialog->openForScript(&row);
        r.record(dialog);
        r.f.fake.advance(3000);
        r.endWithF11();
        QVERIFY(dialog->isVisible());
        QCOMPARE(rowsOf(dialog), (QList<QStringList>{{QStringLiteral("5,6"), QStringLiteral("左键单击"),
                                                      QStringLiteral("30")}}));
    }

    void cancelAfterRecordingStoresNothing() {
        Recording r;
        r.f.forms->addScriptDialog->openForNewScript();
        child<QLineEdit>(r.addScript(), "nameEdit")->setText(QStringLiteral("recorded"));
        r.record(r.addScript());
        r.pressAfter(100, Button::Left, 1, 2);
        r.endWithF11();
        QCOMPARE(rowsOf(r.addScript()).size(), 1);
        child<QPushButton>(r.addScript(), "cancelButton")->click();
        QVERIFY(!r.addScript()->isVisible());
        r.f.main().scriptList()->reload();
        const auto *scripts = child<QTreeWidget>(&r.f.main(), "scriptListView");
        QCOMPARE(scripts->topLevelItemCount(), 0);
    }

    void theTimedDialogsRecordIntoTheirOwnList() {
        Recording r;
        QWidget *timed = r.f.forms->addTimedTaskDialog;
        r.f.forms->addTimedTaskDialog->openForNewTask();
        r.record(timed);
        QVERIFY(!timed->isVisible());
        QCOMPARE(r.trayHint(), QStringLiteral("正在录制,按F11结束"));
        r.pressAfter(100, Button::Right, 7, 8);
        r.pressAfter(250, Button::Left, 9, 10);
        r.endWithF11();
        QVERIFY(timed->isVisible());
        QCOMPARE(
            rowsOf(timed),
            (QList<QStringList>{{QStringLiteral("7,8"), QStringLiteral("右键单击"), QStringLiteral("250")},
                                {QStringLiteral("9,10"), QStringLiteral("左键单击"), QStringLiteral("20")}}));
        QCOMPARE(rowsOf(r.addScript()).size(), 0);
        QCOMPARE(rowsOf(r.f.forms->modifyTimedTaskDialog).size(), 0);
    }

    void theProgramsOwnClicksAreNeverRecorded() {
        Recording r;
        r.f.forms->addScriptDialog->openForNewScript();
        // No recording starts while the clicker runs.
        r.f.main().state().clickerRunning = true;
        r.record(r.addScript());
        QVERIFY(!r.f.fake.recorder.watching());
        QVERIFY(r.addScript()->isVisible());
        QCOMPARE(r.f.fake.messageBoxes.texts(),
                 QStringList{QStringLiteral("正在点击,请停止点击后再录制坐标.")});
        r.f.main().state().clickerRunning = false;
        // A run started meanwhile clicks by itself: its presses are dropped.
        r.record(r.addScript());
        r.pressAfter(100, Button::Left, 1, 1);
        ++r.f.main().state().runsPlaying;
        r.pressAfter(100, Button::Left, 2, 2);
        --r.f.main().state().runsPlaying;
        r.pressAfter(100, Button::Right, 3, 3);
        r.endWithF11();
        QCOMPARE(
            rowsOf(r.addScript()),
            (QList<QStringList>{{QStringLiteral("1,1"), QStringLiteral("左键单击"), QStringLiteral("200")},
                                {QStringLiteral("3,3"), QStringLiteral("右键单击"), QStringLiteral("20")}}));
    }

    void aRecorderThatCannotStartLeavesTheDialogAsItWas() {
        Recording r;
        r.f.forms->addScriptDialog->openForNewScript();
        r.f.fake.recorder.failsToStart = true;
        r.record(r.addScript());
        QVERIFY(r.addScript()->isVisible());
        QVERIFY(r.f.main().isVisible());
        QCOMPARE(r.f.fake.messageBoxes.texts(), QStringList{QStringLiteral("无法录制鼠标点击.")});
        QVERIFY(!r.f.fake.hotkeys.press(Modifiers{}, HotkeyKey{11}));
    }
};

QTEST_MAIN(StepRecordingTest)
#include "StepRecordingTest.moc"
