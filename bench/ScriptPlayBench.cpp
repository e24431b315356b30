// A 200-step script with 20 ms intervals played by the real program into
// the click target, beside xdotool clicking 200 times 20 ms apart in the same
// X session. Per step: the error of the gap between two presses against the
// schedule, which is the click before (press to release) plus the interval,
// all on the X server's timestamps (whole milliseconds).
// The script's steps lie on a grid, so the pointer moves before each click;
// with --one-spot they all lie where xdotool clicks, so only timing differs.
// Run under tools/with-xvfb.

#include "bench/ClickErrors.h"
#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/ScriptSetup.h"
#include "tests/e2e/support/XSession.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <vector>

namespace {

constexpr int kSteps = 200;
constexpr int kIntervalMs = 20;
// Where xdotool clicks.
constexpr int kPeerX = 640;
constexpr int kPeerY = 512;

// The first to the last press, in ms.
qint64 totalMs(const std::vector<e2e::Click> &log) {
    const std::vector<e2e::Click> presses = e2e::pressesOf(log);
    return presses.size() < 2 ? 0 : e2e::serverGapMs(presses.front(), presses.back());
}

int fail(const char *why) {
    std::fprintf(stderr, "bench_script_play: %s\n", why);
    return 1;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    e2e::XSession session;
    if (!session.isOpen())
        return fail("no X display; run under tools/with-xvfb");
    e2e::ProgramFolder folder;
    QTemporaryDir logs;
    if (!folder.isValid() || !logs.isValid())
        return fail("cannot prepare the program folder");

    const bool oneSpot = application.arguments().contains(QStringLiteral("--one-spot"));
    QString steps;
    for (int i = 0; i < kSteps; ++i)
        steps += QStringLiteral("%1,%2,左键单击,%3|")
                     .arg(oneSpot ? kPeerX : 100 + (i % 10) * 100)
                     .arg(oneSpot ? kPeerY : 100 + (i / 10) * 40)
                     .arg(kIntervalMs);
    if (!e2e::storeScript(folder.path() + QStringLiteral("/acdb.mdb"), QStringLiteral("F8"), steps,
                          QStringLiteral("1")))
        return fail("cannot store the script");
    if (!folder.start() || session.waitForWindowOfClass(QStringLiteral("lumoclick"), 15000).window == 0)
        return fail("the program did not show its window");
    QThread::msleep(500);
    e2e::enableFirstScript(session);

    const QString programLog = logs.filePath(QStringLiteral("program.log"));
    const QString peerLog = logs.filePath(QStringLiteral("xdotool.log"));
    {
        e2e::Helper target(e2e::clickTargetPath(), {programLog});
        if (target.readLine() != QLatin1String("ready"))
            return fail("the click target did not start");
        session.pressKeys({QStringLiteral("F8")});
        e2e::waitForClicks(programLog, 2 * kSteps, 30000);
        QThread::msleep(1000); // the pause after the cycle
    }
    {
        e2e::Helper target(e2e::clickTargetPath(), {peerLog});
        if (target.readLine() != QLatin1String("ready"))
            return fail("the click target did not start");
        session.movePointer(kPeerX, kPeerY);
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"),
                      {QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(kSteps),
                       QStringLiteral("--delay"), QString::number(kIntervalMs), QStringLiteral("1")});
        if (!xdotool.waitForFinished(30000) || xdotool.exitCode() != 0)
            return fail("xdotool failed");
        e2e::waitForClicks(peerLog, 2 * kSteps, 5000);
    }
    folder.stop();

    std::printf("%d steps %s, %d ms interval; error = press-to-press gap - (click before + interval)\n",
                kSteps, oneSpot ? "at one spot" : "on a grid", kIntervalMs);
    const std::vector<e2e::Click> programClicks = e2e::readClickLog(programLog);
    const std::vector<e2e::Click> peerClicks = e2e::readClickLog(peerLog);
    bench::print("lumoclick", bench::summarize(bench::errorsAfterEachClick(programClicks, kIntervalMs)));
    bench::print("xdotool", bench::summarize(bench::errorsAfterEachClick(peerClicks, kIntervalMs)));
    const qint64 programMs = totalMs(programClicks);
    const qint64 peerMs = totalMs(peerClicks);
    std::printf("first to last press: lumoclick %lld ms, xdotool %lld ms\n",
                static_cast<long long>(programMs), static_cast<long long>(peerMs));
    if (peerMs > 0)
        std::printf("ratio of total times lumoclick/xdotool: %.3f\n",
                    static_cast<double>(programMs) / static_cast<double>(peerMs));
    return e2e::pressesOf(programClicks).size() == kSteps && e2e::pressesOf(peerClicks).size() == kSteps ? 0
                                                                                                         : 1;
}
