// The single-point clicker's hold and random period in virtual time, and
// the two fields on the first tab that set them.

#include "core/SettingLimits.h"
#include "singlepoint/SinglePointPanel.h"
#include "tests/gui/support/GuiFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <limits>
#include <set>

using namespace lumo;
using namespace platform;
using lumo::test::GuiFixture;

namespace {

constexpr HotkeyKey kF3{3};

struct Clicker {
    GuiFixture f;
    MainWindow *main = nullptr;

    explicit Clicker(const QString &settings) {
        f.writeSettings(settings);
        main = &f.start();
        f.fake.advance(500); // off the scheduler's second
    }
    QLineEdit *field(const char *name) { return main->findChild<QLineEdit *>(QLatin1String(name)); }
    void press() { QVERIFY(f.fake.hotkeys.press(Modifiers::Control, kF3)); }
    std::vector<fake::MouseCall> buttons() { return f.fake.mouse.buttonCalls(); }
};

} // namespace

class ClickTimingTest : public QObject {
    Q_OBJECT
  private slots:
    void theFieldsReadZeroFromAnOlderFileAndSaveTheirKeys() {
        Clicker c(QStringLiteral("[setting]\ntime=0.2\n"));
        QCOMPARE(c.field("holdEdit")->text(), QStringLiteral("0"));
        QCOMPARE(c.field("jitterEdit")->text(), QStringLiteral("0"));
        c.field("holdEdit")->setText(QStringLiteral("80"));
        c.field("jitterEdit")->setText(QStringLiteral("30"));
        c.main->singlePoint()->saveSettings();
        const QByteArray saved = c.f.settingsBytes();
        QVERIFY2(saved.contains("hold=80\r\n") && saved.contains("jitter=30\r\n"), saved.constData());
        Clicker again(QString::fromLatin1(saved).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(again.field("holdEdit")->text(), QStringLiteral("80"));
        QCOMPARE(again.field("jitterEdit")->text(), QStringLiteral("30"));
    }

    void aHeldClickIsPressWaitRelease() {
        Clicker c(QStringLiteral("[setting]\ntime=0.2\nclick=0\nhold=80\nbtn_type=双击\n"));
        c.press();
        c.f.fake.advance(200);
        const auto calls = c.buttons();
        QCOMPARE(calls.size(), std::size_t(4));
        const ButtonEvent flags[] = {ButtonEvent::LeftDown, ButtonEvent::LeftUp, ButtonEvent::LeftDown,
                                     ButtonEvent::LeftUp};
        const qint64 at[] = {0, 80, 80, 160};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(calls[i].event, flags[i]);
            QCOMPARE(calls[i].timeMs - calls[0].timeMs, at[i]);
        }
    }

    void aRandomPeriodStaysWithinItsBoundsAndVaries() {
        Clicker c(QStringLiteral("[setting]\ntime=0.1\nclick=0\njitter=30\n"));
        c.press();
        c.f.fake.advance(100 * 300);
        const auto calls = c.buttons();
        QVERIFY(calls.size() > 400);
        std::set<qint64> periods;
        for (std::size_t i = 2; i < calls.size(); i += 2)
            periods.insert(calls[i].timeMs - calls[i - 2].timeMs);
        QVERIFY2(*periods.begin() >= 70 && *periods.rbegin() <= 130,
                 qPrintable(QStringLiteral("%1..%2").arg(*periods.begin()).arg(*periods.rbegin())));
        QVERIFY(periods.size() > 30);
        // Off again, the next ticks come at the set period.
        c.field("jitterEdit")->setText(QStringLiteral("0"));
        c.f.fake.advance(200);
        c.f.fake.mouse.clearCalls();
        c.f.fake.advance(1000);
        const auto later = c.buttons();
        QCOMPARE(later.size(), std::size_t(20));
        for (std::size_t i = 2; i < later.size(); i += 2)
            QCOMPARE(later[i].timeMs - later[i - 2].timeMs, qint64(100));
    }

    void aLargeRandomNeverGoesBelowTenMilliseconds() {
        Clicker c(QStringLiteral("[setting]\ntime=0.1\nclick=0\njitter=500\n"));
        c.press();
        c.f.fake.advance(60000);
        const auto calls = c.buttons();
        qint64 shortest = 1000;
        for (std::size_t i = 2; i < calls.size(); i += 2)
            shortest = std::min(shortest, calls[i].timeMs - calls[i - 2].timeMs);
        QVERIFY(shortest >= 10);
        QVERIFY(shortest < 30); // the low end is reached
    }

    void theBurstIgnoresHoldAndRandom() {
        Clicker c(QStringLiteral("[setting]\ntime=0.010\nclick=0\nhold=80\njitter=30\n"));
        const std::size_t waitsBefore = c.f.fake.clock.waits.size();
        c.press();
        c.f.fake.advance(30);
        QCOMPARE(c.buttons().size(), std::size_t(3 * 152 * 2));
        QCOMPARE(c.f.fake.timers.periodOf(c.main, 1), 10);
        QCOMPARE(c.f.fake.clock.waits.size(), waitsBefore);
    }

    // The stop key ends a long hold at once, releases the button and stops
    // the clicker; with no run to honour it, no stop request is left over.
    void theStopKeyEndsAHeldClickAtOnceAndStopsTheClicker() {
        Clicker c(QStringLiteral("[setting]\ntime=1\nclick=0\nhold=60000\nbtn_type=双击\n"));
        c.press();
        const qint64 stopAt = c.f.fake.time.nowMs() + 1000 + 5000;
        c.f.fake.time.schedule(stopAt, [&] { QVERIFY(c.f.fake.hotkeys.press(Modifiers{}, HotkeyKey{6})); });
        c.f.fake.advance(120000);
        const auto calls = c.buttons();
        QCOMPARE(calls.size(), std::size_t(2));
        QCOMPARE(calls[0].event, ButtonEvent::LeftDown);
        QCOMPARE(calls[1].event, ButtonEvent::LeftUp);
        QCOMPARE(calls[1].timeMs, stopAt);
        QVERIFY(!c.main->state().clickerRunning);
        QVERIFY(!c.main->state().stopRequested);
        QVERIFY(!c.f.fake.timers.isRunning(c.main, 1));
        QVERIFY(c.f.fake.messageBoxes.shown().empty());
    }

    // The longest speed with the widest random spread and hold: a speed past
    // its limit is read as the longest allowed, a day, and the period stays
    // within the spread around it (the sanitizer build reports any wrap).
    void theLongestSpeedWithTheWidestRandomArmsATimerInRange() {
        for (const char *time : {"2147483", "99999999"}) {
            Clicker c(QStringLiteral("[setting]\ntime=%1\nclick=0\nhold=99999\njitter=99999\n")
                          .arg(QLatin1String(time)));
            QCOMPARE(c.field("jitterEdit")->text(), QStringLiteral("99999"));
            c.press();
            QVERIFY(c.main->state().clickerRunning);
            const int period = c.f.fake.timers.periodOf(c.main, 1);
            constexpr int day = kSpeedLimitSeconds * 1000;
            QVERIFY2(period >= day - 99999 && period <= day + 99999, qPrintable(QString::number(period)));
            c.press();
            QVERIFY(!c.main->state().clickerRunning);
        }
    }
};

QTEST_MAIN(ClickTimingTest)
#include "ClickTimingTest.moc"
