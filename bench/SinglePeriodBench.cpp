// The single-point clicker's period at speeds "0.1" (one click a tick) and
// "0.010" (a burst of 152 clicks a tick), into the click target, beside
// xdotool clicking with the same delay in the same X session. Per tick: the
// error of the gap between the first presses of two ticks against the set
// period, on the X server's timestamps (whole milliseconds). xdotool's
// schedule is its delay after each click, so its error is counted against
// the click before plus the delay. Run under tools/with-xvfb.

#include "bench/ClickErrors.h"
#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/XSession.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr size_t kTicks = 100;
constexpr size_t kBurst = 152;

// Every clicksPerTick-th press starts a tick.
std::vector<qint64> tickErrors(const std::vector<e2e::Click> &log, size_t clicksPerTick, int periodMs) {
    const std::vector<e2e::Click> presses = e2e::pressesOf(log);
    std::vector<qint64> errors;
    for (size_t i = clicksPerTick; i < presses.size() && errors.size() < kTicks; i += clicksPerTick)
        errors.push_back(e2e::serverGapMs(presses[i - clicksPerTick], presses[i]) - periodMs);
    return errors;
}

int fail(const char *why) {
    std::fprintf(stderr, "bench_single_period: %s\n", why);
    return 1;
}

// The program at speed for kTicks ticks; the target's record of them.
bool runProgram(e2e::XSession &session, const QString &speed, size_t clicksPerTick, const QString &log) {
    e2e::ProgramFolder folder;
    if (!folder.isValid() ||
        !folder.writeSettings(QStringLiteral("[setting]\r\ntime=%1\r\nclick=0\r\n").arg(speed).toLatin1()) ||
        !folder.start() || session.waitForWindowOfClass(QStringLiteral("lumoclick"), 15000).window == 0)
        return false;
    QThread::msleep(500);
    e2e::Helper target(e2e::clickTargetPath(), {log});
    if (target.readLine() != QLatin1String("ready"))
        return false;
    session.movePointer(640, 512);
    session.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F3")});
    e2e::waitForClicks(log, 2 * clicksPerTick * (kTicks + 1), 60000);
    session.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F3")});
    QThread::msleep(500);
    folder.stop();
    return true;
}

bool runXdotool(e2e::XSession &session, int delayMs, const QString &log) {
    e2e::Helper target(e2e::clickTargetPath(), {log});
    if (target.readLine() != QLatin1String("ready"))
        return false;
    session.movePointer(640, 512);
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  {QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(kTicks + 1),
                   QStringLiteral("--delay"), QString::number(delayMs), QStringLiteral("1")});
    return xdotool.waitForFinished(60000) && xdotool.exitCode() == 0 &&
           e2e::waitForClicks(log, 2 * (kTicks + 1), 5000).size() >= 2 * (kTicks + 1);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    e2e::XSession session;
    if (!session.isOpen())
        return fail("no X display; run under tools/with-xvfb");
    QTemporaryDir logs;
    if (!logs.isValid())
        return fail("cannot make a folder for the records");

    std::printf("%zu ticks; error = gap between the first presses of two ticks - period\n", kTicks);
    const struct {
        const char *speed;
        int periodMs;
        size_t clicksPerTick;
    } runs[] = {{"0.1", 100, 1}, {"0.010", 10, kBurst}};
    for (const auto &run : runs) {
        const QString programLog = logs.filePath(QStringLiteral("program-%1.log").arg(run.periodMs));
        const QString peerLog = logs.filePath(QStringLiteral("xdotool-%1.log").arg(run.periodMs));
        if (!runProgram(session, QString::fromLatin1(run.speed), run.clicksPerTick, programLog))
            return fail("the program did not run");
        if (!runXdotool(session, run.periodMs, peerLog))
            return fail("xdotool did not run");
        const QByteArray who = QByteArrayLiteral("lumoclick speed ") + run.speed;
        const QByteArray peer = "xdotool --delay " + QByteArray::number(run.periodMs);
        bench::print(who.constData(), bench::summarize(tickErrors(e2e::readClickLog(programLog),
                                                                  run.clicksPerTick, run.periodMs)));
        bench::print(peer.constData(),
                     bench::summarize(bench::errorsAfterEachClick(e2e::readClickLog(peerLog), run.periodMs)));
    }
    return 0;
}
