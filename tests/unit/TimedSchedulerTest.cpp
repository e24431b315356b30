// The clock text, the reading of time texts and the scheduler's decisions,
// with a recording player in place of the runner.

#include "timed/TimedScheduler.h"
#include "core/ClockText.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <vector>

using namespace lumo;
using platform::LongTimeFormat;

namespace {

const QDate kDay(2026, 1, 5);

QDateTime at(int h, int m, int s, int ms = 0, QDate day = kDay) {
    return QDateTime(day, QTime(h, m, s, ms));
}

TimedRow task(const QString &id, const QString &time, const QString &cycles, const QString &steps,
              const QString &status = kStatusEnabled) {
    return {id, time, cycles, steps, status};
}

class ListRows final : public TimedRows {
  public:
    int rowCount() const override { return static_cast<int>(rows.size()); }
    TimedRow rowAt(int position) const override { return rows.at(static_cast<std::size_t>(position)); }
    std::optional<TimedRow> rowById(const QString &id) const override {
        for (const TimedRow &row : rows)
            if (row.id == id)
                return row;
        return std::nullopt;
    }
    std::vector<TimedRow> rows;
};

struct Played {
    QString steps;
    int cycles;
};

struct Scheduler {
    ListRows rows;
    platform::fake::FakeLocale locale;
    std::vector<Played> played;
    int reports = 0;
    // Runs inside a play, as whatever the runner's message pump delivers.
    std::function<void(const QString &steps)> duringPlay;
    TimedScheduler scheduler{rows, locale};

    Scheduler() {
        QObject::connect(&scheduler, &TimedScheduler::playRequested,
                         [this](const QString &steps, int cycles) {
                             played.push_back({steps, cycles});
                             if (duringPlay)
                                 duringPlay(steps);
                         });
        QObject::connect(&scheduler, &TimedScheduler::badCycles, [this] { ++reports; });
    }
    QStringList playedSteps() const {
        QStringList result;
        for (const Played &p : played)
            result << p.steps;
        return result;
    }
};

} // namespace

TEST(ClockText, FollowsTheLongTimeFormatPieces) {
    LongTimeFormat prc; // 24 hours, no leading zero, ":"
    EXPECT_EQ(clockText(prc, QTime(9, 5, 3)), QStringLiteral("9:05:03"));
    EXPECT_EQ(clockText(prc, QTime(0, 30, 0)), QStringLiteral("0:30:00"));
    EXPECT_EQ(clockText(prc, QTime(13, 0, 0)), QStringLiteral("13:00:00"));

    LongTimeFormat zero;
    zero.leadingZero = true;
    zero.separator = QStringLiteral(".");
    EXPECT_EQ(clockText(zero, QTime(9, 5, 3)), QStringLiteral("09.05.03"));
    EXPECT_EQ(clockText(zero, QTime(0, 0, 0)), QStringLiteral("00.00.00"));

    LongTimeFormat first;
    first.twelveHour = true;
    first.designatorFirst = true;
    first.am = QStringLiteral("上午");
    first.pm = QStringLiteral("下午");
    EXPECT_EQ(clockText(first, QTime(9, 5, 3)), QStringLiteral("上午 9:05:03"));
    EXPECT_EQ(clockText(first, QTime(13, 0, 0)), QStringLiteral("下午 1:00:00"));
    EXPECT_EQ(clockText(first, QTime(0, 30, 0)), QStringLiteral("上午 12:30:00"));
    EXPECT_EQ(clockText(first, QTime(12, 0, 59)), QStringLiteral("下午 12:00:59"));

    LongTimeFormat last = first;
    last.designatorFirst = false;
    last.leadingZero = true;
    last.am = QStringLiteral("AM");
    last.pm = QStringLiteral("PM");
    EXPECT_EQ(clockText(last, QTime(9, 5, 3)), QStringLiteral("09:05:03 AM"));
    EXPECT_EQ(clockText(last, QTime(23, 59, 59)), QStringLiteral("11:59:59 PM"));
}

TEST(TimeOfDay, ReadsThreeNumbersOfARealTime) {
    EXPECT_EQ(timeOfDay(QStringLiteral("9:05:03")), 9 * 3600 + 5 * 60 + 3);
    EXPECT_EQ(timeOfDay(QStringLiteral("09:05:03")), timeOfDay(QStringLiteral("9:05:03")));
    EXPECT_EQ(timeOfDay(QStringLiteral("9:5:3")), timeOfDay(QStringLiteral("9:05:03")));
    EXPECT_EQ(timeOfDay(QStringLiteral("00:00:00")), 0);
    EXPECT_EQ(timeOfDay(QStringLiteral("23:59:59")), 86399);
    for (const QString &text :
         {QString(), QStringLiteral("24:00:00"), QStringLiteral("9:60:00"), QStringLiteral("9:05:60"),
          QStringLiteral("9:05"), QStringLiteral("9:05:03:00"), QStringLiteral("a:05:03"),
          QStringLiteral(" 9:05:03"), QStringLiteral("9:05:03 "), QStringLiteral("123:00:00"),
          QStringLiteral("-1:05:03"), QStringLiteral("9::03"), QStringLiteral("１:05:03"),
          QStringLiteral("9.05.03"), QStringLiteral("9:05:03 AM")})
        EXPECT_FALSE(timeOfDay(text).has_value()) << text.toStdString();
}

TEST(TimedScheduler, PlaysAnEnabledTaskAtItsSecondEveryDayWhateverTheClockFormat) {
    Scheduler s;
    s.locale.format.twelveHour = true;
    s.locale.format.am = QStringLiteral("AM");
    s.rows.rows = {
        task(QStringLiteral("1"), QStringLiteral("09:05:03"), QStringLiteral("1"), QStringLiteral("a|")),
        task(QStringLiteral("2"), QStringLiteral("9:05:03"), QStringLiteral("1"), QStringLiteral("b|"),
             kStatusDisabled),
        task(QStringLiteral("3"), QStringLiteral("9:05:3"), QStringLiteral("1"), QStringLiteral("c|"))};
    s.scheduler.tick(at(9, 5, 2));
    EXPECT_TRUE(s.played.empty());
    s.scheduler.tick(at(9, 5, 3));
    EXPECT_EQ(s.scheduler.clockText(), QStringLiteral("9:05:03 AM"));
    EXPECT_EQ(s.playedSteps(), (QStringList{QStringLiteral("a|"), QStringLiteral("c|")}));
    s.scheduler.tick(at(9, 5, 4));
    s.scheduler.tick(at(9, 5, 3, 0, kDay.addDays(1)));
    EXPECT_EQ(s.played.size(), 4u);
    EXPECT_EQ(s.played[0].cycles, 1);
}

TEST(TimedScheduler, TasksDueInOneSecondPlayInListOrderEachWithAllItsCycles) {
    Scheduler s;
    s.rows.rows = {
        task(QStringLiteral("7"), QStringLiteral("9:05:03"), QStringLiteral("2"), QStringLiteral("a|")),
        task(QStringLiteral("3"), QStringLiteral("9:05:03"), QStringLiteral("1"), QStringLiteral("b|"))};
    s.scheduler.tick(at(9, 5, 3));
    EXPECT_EQ(s.playedSteps(),
              (QStringList{QStringLiteral("a|"), QStringLiteral("a|"), QStringLiteral("b|")}));
}

TEST(TimedScheduler, ABadCycleCountReportsOnceAndTheOthersStillPlay) {
    Scheduler s;
    s.rows.rows = {
        task(QStringLiteral("1"), QStringLiteral("9:05:03"), QStringLiteral("x"), QStringLiteral("a|")),
        task(QStringLiteral("2"), QStringLiteral("9:05:03"), QStringLiteral("1"), QStringLiteral("b|")),
        task(QStringLiteral("3"), QStringLiteral("9:05:09"), QStringLiteral("2"), QStringLiteral("c|"))};
    s.scheduler.tick(at(9, 5, 3));
    s.scheduler.tick(at(9, 5, 3, 600));
    EXPECT_EQ(s.reports, 1);
    s.scheduler.tick(at(9, 5, 9));
    EXPECT_EQ(s.playedSteps(),
              (QStringList{QStringLiteral("b|"), QStringLiteral("c|"), QStringLiteral("c|")}));
    EXPECT_EQ(s.reports, 1);
}

TEST(TimedScheduler, AnEmptyZeroOrNegativeCycleCountPlaysNothing) {
    Scheduler s;
    s.rows.rows = {
        task(QStringLiteral("1"), QStringLiteral("9:05:03"), QString(), QStringLiteral("a|")),
        task(QStringLiteral("2"), QStringLiteral("9:05:03"), QStringLiteral("0"), QStringLiteral("b|")),
        task(QStringLiteral("3"), QStringLiteral("9:05:03"), QStringLiteral("-2"), QStringLiteral("c|")),
        task(QStringLiteral("4"), QStringLiteral("9:05:04"), QStringLiteral("01"), QStringLiteral("d|"))};
    s.scheduler.tick(at(9, 5, 3));
    EXPECT_TRUE(s.played.empty());
    EXPECT_EQ(s.reports, 1); // the empty text is no number; 0 and -2 are
    s.scheduler.tick(at(9, 5, 4));
    EXPECT_EQ(s.playedSteps(), QStringList{QStringLiteral("d|")});
}

TEST(TimedScheduler, ASecondWithoutATickPlaysLateOnceAndNoSecondPlaysTwice) {
    Scheduler s;
    s.rows.rows = {
        task(QStringLiteral("1"), QStringLiteral("9:05:03"), QStringLiteral("1"), QStringLiteral("a|")),
        task(QStringLiteral("2"), QStringLiteral("9:05:05"), QStringLiteral("1"), QStringLiteral("b|")),
        task(QStringLiteral("3"), QStringLiteral("9:06:00"), QStringLiteral("1"), QStringLiteral("c|"))};
    s.scheduler.tick(at(9, 5, 2, 990));
    s.scheduler.tick(at(9, 5, 5, 10)); // 9:05:03 and 9:05:04 had no tick
    EXPECT_EQ(s.playedSteps(), (QStringList{QStringLiteral("a|"), QStringLiteral("b|")}));
    s.scheduler.tick(at(9, 5, 5, 900));
    EXPECT_EQ(s.played.size(), 2u);
    // 9:06:00 is 61 seconds late at 9:07:01: too late to play.
    s.scheduler.tick(at(9, 7, 1));
    EXPECT_EQ(s.played.size(), 2u);
    // 60 seconds late still plays.
    s.rows.rows.push_back(
        task(QStringLiteral("4"), QStringLiteral("9:07:05"), QStringLiteral("1"), QStringLiteral("d|")));
    s.scheduler.tick(at(9, 7, 2));
    s.scheduler.tick(at(9, 8, 5));
    EXPECT_EQ(s.playedSteps().last(), QStringLiteral("d|"));
}

TEST(TimedScheduler, ATickNestedInAPlayTakesOnlyTheSecondsAfterTheOuterOne) {
    Scheduler s;
    s.rows.rows = {
        task(QStringLiteral("1"), QStringLiteral("9:05:03"), QStringLiteral("2"), QStringLiteral("a|")),
        task(QStringLiteral("2"), QStringLiteral("9:05:04"), QStringLiteral("1"), QStringLiteral("b|"))};
    int nested = 0;
    s.duringPlay = [&](const QString &steps) {
        if (steps == QStringLiteral("a|"))
            s.scheduler.tick(at(9, 5, 4 + nested++));
    };
    s.scheduler.tick(at(9, 5, 3));
    EXPECT_EQ(s.playedSteps(),
              (QStringList{QStringLiteral("a|"), QStringLiteral("b|"), QStringLiteral("a|")}));
}

TEST(TimedScheduler, FurtherCyclesPlayTheSameTaskAfterAReload) {
    Scheduler s;
    const TimedRow first =
        task(QStringLiteral("1"), QStringLiteral("9:05:03"), QStringLiteral("3"), QStringLiteral("a|"));
    const TimedRow second =
        task(QStringLiteral("2"), QStringLiteral("9:05:03"), QStringLiteral("1"), QStringLiteral("b|"));
    s.rows.rows = {first, second};
    int plays = 0;
    s.duringPlay = [&](const QString &) {
        if (++plays == 1) {
            // Reloaded with the task moved down and its steps changed; all
            // rows not enabled now.
            s.rows.rows = {second, first};
            s.rows.rows[0].status = s.rows.rows[1].status = kStatusDisabled;
            s.rows.rows[1].steps = QStringLiteral("a2|");
        } else if (plays == 2) {
            s.rows.rows.erase(s.rows.rows.begin() + 1); // deleted: its last cycle drops
        }
    };
    s.scheduler.tick(at(9, 5, 3));
    EXPECT_EQ(s.playedSteps(), (QStringList{QStringLiteral("a|"), QStringLiteral("a2|")}));
}

TEST(TimedScheduler, ATickWhoseRowsVanishedEndsQuietly) {
    Scheduler s;
    s.rows.rows = {
        task(QStringLiteral("1"), QStringLiteral("9:05:03"), QStringLiteral("1"), QStringLiteral("a|")),
        task(QStringLiteral("2"), QStringLiteral("9:05:03"), QStringLiteral("1"), QStringLiteral("b|")),
        task(QStringLiteral("3"), QStringLiteral("9:05:03"), QStringLiteral("1"), QStringLiteral("c|"))};
    s.duringPlay = [&](const QString &) { s.rows.rows.clear(); };
    s.scheduler.tick(at(9, 5, 3));
    EXPECT_EQ(s.playedSteps(), QStringList{QStringLiteral("a|")});
    EXPECT_EQ(s.reports, 0);
    // The scheduler goes on with the next second.
    s.rows.rows = {
        task(QStringLiteral("4"), QStringLiteral("9:05:04"), QStringLiteral("1"), QStringLiteral("d|"))};
    s.scheduler.tick(at(9, 5, 4));
    EXPECT_EQ(s.playedSteps().last(), QStringLiteral("d|"));
}
