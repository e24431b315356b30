// The single-point clicker and its settings panel, in virtual time.

#include "app/Translations.h"
#include "singlepoint/SinglePointPanel.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"
#include "widgets/StatusBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using namespace lumo;
using lumo::test::ui;
using namespace platform;
using lumo::test::GuiFixture;

namespace {

constexpr Modifiers kCtrl = Modifiers::Control;
constexpr HotkeyKey kF3{3};

// Counts the left single clicks (down then up) among the recorded calls.
int leftClicks(const fake::FakeMouse &mouse) {
    int downs = 0;
    for (ButtonEvent flags : mouse.buttonEvents())
        downs += flags == ButtonEvent::LeftDown;
    return downs;
}

struct Clicker {
    GuiFixture f;
    MainWindow *main = nullptr;
    QStringList panel2;

    explicit Clicker(const QString &settings = {}) {
        if (!settings.isEmpty())
            f.writeSettings(settings);
        main = &f.start();
    }
    SinglePointPanel &panel() { return *main->singlePoint(); }
    void press() { QVERIFY(f.fake.hotkeys.press(kCtrl, kF3)); }
    QString status(int i) { return ui<StatusBar>(main, "statusBar")->panelText(i); }
};

} // namespace

class SinglePointTest : public QObject {
    Q_OBJECT
  private slots:
    void limitThreeAtOneSecondTicksFourTimesThenStops() {
        Clicker c(QStringLiteral("[setting]\nclick=3\n"));
        c.f.fake.advance(500); // off the scheduler's second, which rewrites panel 0
        c.press();
        QCOMPARE(c.status(0), QStringLiteral("状态:点击器已经启动"));
        QStringList counters;
        for (int tick = 0; tick < 6; ++tick) {
            c.f.fake.advance(1000);
            counters << c.status(2);
            if (tick == 3)
                QCOMPARE(c.status(0), QStringLiteral("状态:点击器已经停止"));
        }
        QCOMPARE(leftClicks(c.f.fake.mouse), 4);
        QCOMPARE(counters.mid(0, 4),
                 (QStringList{QStringLiteral("点击次数:0"), QStringLiteral("点击次数:1"),
                              QStringLiteral("点击次数:2"), QStringLiteral("点击次数:3")}));
        QCOMPARE(counters.last(), QStringLiteral("点击次数:3"));
        QVERIFY(!c.main->state().clickerRunning);
        QCOMPARE(c.main->state().clickCount, 0);
        // The ticks are one second apart.
        const auto calls = c.f.fake.mouse.buttonCalls();
        QCOMPARE(calls[2].timeMs - calls[0].timeMs, qint64(1000));
    }

    void theStopStatusShowsUntilTheSchedulerTick() {
        Clicker c(QStringLiteral("[setting]\nclick=0\ntime=2\n"));
        c.f.fake.advance(500); // off the scheduler's second
        c.press();
        c.f.fake.advance(2000);
        c.press();
        QCOMPARE(c.status(0), QStringLiteral("状态:点击器已经停止"));
        c.f.fake.advance(600);
        QCOMPARE(c.status(0), QStringLiteral("Tarvik鼠标点击器V1.0"));
    }

    void limitDoubleZeroStopsAfterTheFirstTick() {
        Clicker c(QStringLiteral("[setting]\nclick=00\n"));
        c.press();
        c.f.fake.advance(5000);
        QCOMPARE(leftClicks(c.f.fake.mouse), 1);
        QCOMPARE(c.status(2), QStringLiteral("点击次数:0"));
        QVERIFY(!c.main->state().clickerRunning);
    }

    void shortSpeedsBurst152ClicksAndLimitTwoEndsAfter456() {
        Clicker c(QStringLiteral("[setting]\ntime=0.010\nclick=2\n"));
        QCOMPARE(c.main->state().clickIntervalMs, 10);
        c.press();
        c.f.fake.advance(10);
        QCOMPARE(leftClicks(c.f.fake.mouse), 152);
        c.f.fake.advance(1000);
        QCOMPARE(leftClicks(c.f.fake.mouse), 456);
        QVERIFY(!c.main->state().clickerRunning);
    }

    void oneHundredMillisecondsIsTheFirstIntervalWithoutABurst() {
        Clicker c(QStringLiteral("[setting]\ntime=0.1\nclick=0\n"));
        c.press();
        c.f.fake.advance(300);
        QCOMPARE(leftClicks(c.f.fake.mouse), 3);
    }

    void fixedCoordinatesMoveThePointerUnlessOneIsNoNumber() {
        Clicker c(QStringLiteral("[setting]\nxpos=100\nypos=250\nclick=0\n"));
        c.f.fake.mouse.userMovesTo(7, 8);
        // Off at every start, although the file holds X and Y.
        QVERIFY(!ui<QCheckBox>(&c.panel(), "fixedPositionCheckBox")->isChecked());
        QVERIFY(!ui<QLineEdit>(&c.panel(), "fixedXEdit")->isEnabled() &&
                !ui<QLineEdit>(&c.panel(), "fixedYEdit")->isEnabled());
        QCOMPARE(ui<QLineEdit>(&c.panel(), "fixedXEdit")->text(), QStringLiteral("100"));
        ui<QCheckBox>(&c.panel(), "fixedPositionCheckBox")->click();
        QVERIFY(ui<QLineEdit>(&c.panel(), "fixedXEdit")->isEnabled() &&
                ui<QLineEdit>(&c.panel(), "fixedYEdit")->isEnabled());
        c.press();
        c.f.fake.advance(1000);
        QCOMPARE(c.f.fake.mouse.buttonCalls().front().at, (Point{100, 250}));
        ui<QLineEdit>(&c.panel(), "fixedYEdit")->clear();
        c.f.fake.mouse.clearCalls();
        c.f.fake.mouse.userMovesTo(7, 8);
        c.f.fake.advance(1000);
        QCOMPARE(c.f.fake.mouse.calls().size(), c.f.fake.mouse.buttonCalls().size());
        QCOMPARE(c.f.fake.mouse.buttonCalls().front().at, (Point{7, 8}));
        ui<QCheckBox>(&c.panel(), "fixedPositionCheckBox")->click();
        QVERIFY(!ui<QLineEdit>(&c.panel(), "fixedXEdit")->isEnabled());
    }

    void startStopStartKeepsCounting() {
        Clicker c(QStringLiteral("[setting]\nclick=0\n"));
        c.press();
        c.f.fake.advance(2000);
        c.press();
        QVERIFY(!c.main->state().clickerRunning);
        c.f.fake.advance(3000);
        c.press();
        c.f.fake.advance(1000);
        QCOMPARE(c.status(2), QStringLiteral("点击次数:2"));
        QCOMPARE(c.main->state().clickCount, 3);
    }

    void anEmptyOrNonNumericLimitMeansNoLimit() {
        Clicker c(QStringLiteral("[setting]\nclick=\n"));
        QCOMPARE(ui<QLineEdit>(&c.panel(), "clickLimitEdit")->text(), QString());
        c.press();
        c.f.fake.advance(5000);
        QCOMPARE(leftClicks(c.f.fake.mouse), 5);
        ui<QLineEdit>(&c.panel(), "clickLimitEdit")->setText(QStringLiteral("x"));
        c.f.fake.advance(2000);
        QCOMPARE(leftClicks(c.f.fake.mouse), 7);
        QVERIFY(c.main->state().clickerRunning);
        QVERIFY(c.f.fake.messageBoxes.shown().empty());
    }

    void theStopHotkeyRaisesTheStopRequest() {
        Clicker c;
        QVERIFY(c.f.fake.hotkeys.press(Modifiers{}, HotkeyKey{6}));
        QVERIFY(c.main->state().stopRequested);
        QVERIFY(!c.main->state().clickerRunning);
    }

    void loadingWithoutAFileGivesTheDefaultsAndCreatesNothing() {
        Clicker c;
        SinglePointPanel &p = c.panel();
        QCOMPARE(ui<QComboBox>(&p, "mouseButtonComboBox")->currentText(), QStringLiteral("左键"));
        QCOMPARE(ui<QComboBox>(&p, "clickKindComboBox")->currentText(), QStringLiteral("单击"));
        QCOMPARE(ui<QComboBox>(&p, "speedComboBox")->currentText(), QStringLiteral("1"));
        QCOMPARE(ui<QComboBox>(&p, "hotkeyModifierComboBox")->currentText(), QStringLiteral("Ctrl"));
        QCOMPARE(ui<QComboBox>(&p, "hotkeyKeyComboBox")->currentText(), QStringLiteral("F3"));
        QCOMPARE(ui<QLineEdit>(&p, "clickLimitEdit")->text(), QStringLiteral("100"));
        QCOMPARE(ui<QLineEdit>(&p, "fixedXEdit")->text(), QStringLiteral("0"));
        QCOMPARE(ui<QLineEdit>(&p, "fixedYEdit")->text(), QStringLiteral("0"));
        QVERIFY(!ui<QCheckBox>(&p, "fixedPositionCheckBox")->isChecked());
        QVERIFY(!ui<QLineEdit>(&p, "fixedXEdit")->isEnabled());
        QCOMPARE(c.main->state().clickIntervalMs, 1000);
        QVERIFY(!c.f.settingsExist());
    }

    void savingWritesTheEightKeysInGbkAndConfirms() {
        Clicker c;
        SinglePointPanel &p = c.panel();
        ui<QComboBox>(&p, "mouseButtonComboBox")->setCurrentText(QStringLiteral("右键"));
        ui<QComboBox>(&p, "clickKindComboBox")->setCurrentText(QStringLiteral("双击"));
        ui<QComboBox>(&p, "speedComboBox")->setCurrentText(QStringLiteral("0.5"));
        ui<QComboBox>(&p, "hotkeyModifierComboBox")->setCurrentText(QStringLiteral("无"));
        ui<QComboBox>(&p, "hotkeyKeyComboBox")->setCurrentText(QStringLiteral("F3"));
        ui<QLineEdit>(&p, "clickLimitEdit")->setText(QStringLiteral("7"));
        ui<QLineEdit>(&p, "fixedXEdit")->setText(QStringLiteral("11"));
        ui<QLineEdit>(&p, "fixedYEdit")->setText(QStringLiteral("22"));
        c.main->state().clickCount = 5;
        ui<QPushButton>(&p, "saveButton")->click();
        const QByteArray expected = QByteArray("[setting]\r\nbtn1=") + toGbk(QStringLiteral("右键")) +
                                    "\r\nbtn_type=" + toGbk(QStringLiteral("双击")) +
                                    "\r\ntime=0.5\r\nhotkey1=" + toGbk(QStringLiteral("无")) +
                                    "\r\nhotkey2=F3\r\nclick=7\r\nxpos=11\r\nypos=22\r\n";
        QCOMPARE(c.f.settingsBytes(), expected);
        QCOMPARE(c.main->state().clickIntervalMs, 500);
        QCOMPARE(c.main->state().clickCount, 0);
        QCOMPARE(c.f.fake.hotkeys.keyOf(c.main, 1008),
                 std::make_optional(qMakePair(Modifiers{}, HotkeyKey{3})));
        QCOMPARE(c.f.fake.messageBoxes.shown().size(), std::size_t(1));
        const fake::ShownBox &box = c.f.fake.messageBoxes.shown()[0];
        QCOMPARE(box.text, QStringLiteral("设置保存成功,请记住你设置的 无+F3 启动热键.\r"
                                          "请按你设置的热键启动点击器,停止的热键也是这个.\r"
                                          "就是点击器运行后再按一次热键就停止点击器."));
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Information);
    }

    void aSideButtonChosenInEnglishIsStoredByItsChineseWord() {
        installTranslations(UiLanguage::English);
        const auto restore = qScopeGuard([] { installTranslations(UiLanguage::Chinese); });
        Clicker c;
        auto *keys = ui<QComboBox>(&c.panel(), "hotkeyKeyComboBox");
        const int item = keys->findText(QStringLiteral("Side button 2"));
        QVERIFY(item >= 0);
        keys->setCurrentIndex(item);
        ui<QPushButton>(&c.panel(), "saveButton")->click();
        QVERIFY(c.f.settingsBytes().contains(QByteArray("\r\nhotkey2=") + toGbk(QStringLiteral("侧键2")) +
                                             "\r\n"));
        QCOMPARE(c.f.fake.hotkeys.keyOf(c.main, 1008),
                 std::make_optional(qMakePair(Modifiers::Control, sideButton(2))));
        QVERIFY(c.f.fake.messageBoxes.texts().value(0).contains(QStringLiteral("Ctrl+Side button 2")));

        // Read back, the stored word shows in English again.
        keys->setCurrentIndex(0);
        c.panel().loadSettings();
        QCOMPARE(keys->currentText(), QStringLiteral("Side button 2"));
    }

    void aSaveWhoseHotkeyConflictsWritesNothing() {
        Clicker c;
        c.f.fake.hotkeys.holdElsewhere(kCtrl, HotkeyKey{9});
        ui<QComboBox>(&c.panel(), "hotkeyKeyComboBox")->setCurrentText(QStringLiteral("F9"));
        ui<QPushButton>(&c.panel(), "saveButton")->click();
        QVERIFY(!c.f.settingsExist());
        QVERIFY(!c.f.fake.hotkeys.isRegistered(c.main, 1008));
        QCOMPARE(c.f.fake.messageBoxes.texts(),
                 QStringList{QStringLiteral("您设置的热键与其他程序的热键冲突,请选择过热键.")});
    }

    void aRefusedWriteShowsTheErrorBoxAndEndsTheSave() {
        Clicker c;
        // A folder where the file should be: no write can replace it.
        QVERIFY(QDir().mkdir(c.f.settingsPath()));
        ui<QComboBox>(&c.panel(), "speedComboBox")->setCurrentText(QStringLiteral("2"));
        c.main->state().clickCount = 5;
        ui<QPushButton>(&c.panel(), "saveButton")->click();
        QCOMPARE(c.f.fake.messageBoxes.shown().size(), std::size_t(1));
        const fake::ShownBox &box = c.f.fake.messageBoxes.shown()[0];
        QVERIFY2(box.text.contains(QStringLiteral("Unable to write to ") +
                                   QDir::toNativeSeparators(c.f.settingsPath())),
                 qPrintable(box.text));
        QCOMPARE(box.icon, Icon::Error);
        // The steps after the failed write are not taken.
        QCOMPARE(c.main->state().clickIntervalMs, 1000);
        QCOMPARE(c.main->state().clickCount, 5);
        QVERIFY(QFileInfo(c.f.settingsPath()).isDir());
    }

    void aSaveWhileRunningResetsTheCountAndKeepsThePeriod() {
        Clicker c(QStringLiteral("[setting]\nclick=0\n"));
        c.press();
        c.f.fake.advance(3000);
        ui<QComboBox>(&c.panel(), "speedComboBox")->setCurrentText(QStringLiteral("2"));
        ui<QPushButton>(&c.panel(), "saveButton")->click();
        QCOMPARE(c.main->state().clickCount, 0);
        QCOMPARE(c.f.fake.timers.periodOf(c.main, 1), 1000);
        c.f.fake.advance(1000);
        QCOMPARE(c.status(2), QStringLiteral("点击次数:0"));
    }

    void aShortSpeedSavedWhileRunningBurstsAtTheOldPeriodUntilRestarted() {
        Clicker c(QStringLiteral("[setting]\nclick=0\n"));
        c.press();
        c.f.fake.advance(1000);
        QCOMPARE(leftClicks(c.f.fake.mouse), 1);
        ui<QComboBox>(&c.panel(), "speedComboBox")->setCurrentText(QStringLiteral("0.010"));
        ui<QPushButton>(&c.panel(), "saveButton")->click();
        c.f.fake.advance(999);
        QCOMPARE(leftClicks(c.f.fake.mouse), 1);
        c.f.fake.advance(1);
        QCOMPARE(leftClicks(c.f.fake.mouse), 153);
        c.press();
        c.press();
        QCOMPARE(c.f.fake.timers.periodOf(c.main, 1), 10);
        c.f.fake.advance(10);
        QCOMPARE(leftClicks(c.f.fake.mouse), 305);
    }

    void fractionsNotInTheTableKeepTheInterval() {
        Clicker c;
        ui<QComboBox>(&c.panel(), "speedComboBox")->setCurrentText(QStringLiteral("0.01"));
        ui<QPushButton>(&c.panel(), "saveButton")->click();
        QCOMPARE(c.main->state().clickIntervalMs, 1000);
        ui<QComboBox>(&c.panel(), "speedComboBox")->setCurrentText(QStringLiteral("3"));
        ui<QPushButton>(&c.panel(), "saveButton")->click();
        QCOMPARE(c.main->state().clickIntervalMs, 3000);
    }

    void theDigitFilterDropsTypedNonDigits() {
        Clicker c;
        QLineEdit *edit = ui<QLineEdit>(&c.panel(), "clickLimitEdit");
        edit->setText(QStringLiteral("12"));
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, QStringLiteral("a-.3"));
        QCOMPARE(edit->text(), QStringLiteral("123"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("12"));
    }
};

QTEST_MAIN(SinglePointTest)
#include "SinglePointTest.moc"
