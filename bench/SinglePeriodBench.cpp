// The single-point clicker's period at speeds "0.1" (one click a tick) and
// "0.010" (a burst of 152 clicks a tick), into the click target, beside
// xdotool clicking with the same delay in the same X session. Per tick: the
// error of the gap between the first presses of two ticks against the set
// period, on the X server's timestamps (whole milliseconds). xdotool's
// schedule is its delay after each click, so its error is counted against
// the click before plus the delay. Run under tools/with-xvfb.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/XSession.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr size_t kTicks = 100;
constexpr size_t kBurst = 152;

struct Figures {
    size_t ticks = 0;
    double meanMs = 0;
    double p99Ms = 0;
    double maxMs = 0;
};

Figures summarize(std::vector<double> errors) {
    Figures figures;
    figures.ticks = errors.size();
    if (errors.empty())
        return figures;
    double sum = 0;
    for (double error : errors)
        sum += error;
    figures.meanMs = sum / static_cast<double>(errors.size());
    std::sort(errors.begin(), errors.end());
    const auto p99 = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(errors.size()))) - 1;
    figures.p99Ms = errors[std::min(p99, errors.size() - 1)];
    figures.maxMs = errors.back();
    return figures;
}

std::vector<e2e::Click> presses(const std::vector<e2e::Click> &log) {
    std::vector<e2e::Click> result;
    for (const e2e::Click &click : log)
        if (click.press)
            result.push_back(click);
    return result;
}

// Every clicksPerTick-th press starts a tick.
Figures tickErrors(const std::vector<e2e::Click> &log, size_t clicksPerTick, int periodMs) {
    const std::vector<e2e::Click> all = presses(log);
    std::vector<double> errors;
    for (size_t i = clicksPerTick; i < all.size() && errors.size() < kTicks; i += clicksPerTick)
        errors.push_back(static_cast<double>(e2e::serverGapMs(all[i - clicksPerTick], all[i]) - periodMs));
    return summarize(errors);
}

Figures peerErrors(const std::vector<e2e::Click> &log, int delayMs) {
    std::vector<double> errors;
    const e2e::Click *press = nullptr;
    const e2e::Click *release = nullptr;
    for (const e2e::Click &click : log) {
        if (!click.press) {
            release = &click;
            continue;
        }
        if (press && release)
            errors.push_back(static_cast<double>(e2e::serverGapMs(*press, click) -
                                                 e2e::serverGapMs(*press, *release) - delayMs));
        press = &click;
        release = nullptr;
    }
    return summarize(errors);
}

void print(const char *who, const Figures &figures) {
    std::printf("%-28s ticks %3zu  error mean %6.2f ms  p99 %6.2f ms  max %6.2f ms\n", who, figures.ticks,
                figures.meanMs, figures.p99Ms, figures.maxMs);
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
        std::printf("speed %s: %zu presses recorded\n", run.speed,
                    presses(e2e::readClickLog(programLog)).size());
        if (!runXdotool(session, run.periodMs, peerLog))
            return fail("xdotool did not run");
        const QByteArray who = QByteArrayLiteral("lumoclick speed ") + run.speed;
        const QByteArray peer = "xdotool --delay " + QByteArray::number(run.periodMs);
        print(who.constData(), tickErrors(e2e::readClickLog(programLog), run.clicksPerTick, run.periodMs));
        print(peer.constData(), peerErrors(e2e::readClickLog(peerLog), run.periodMs));
    }
    return 0;
}
