// A 200-step script with 20 ms intervals played by the real program into
// the click target, beside xdotool clicking 200 times 20 ms apart in the same
// X session. Per step: the error of the gap between two presses against the
// schedule, which is the click before (press to release) plus the interval,
// all on the X server's timestamps (whole milliseconds).
// Run under tools/with-xvfb.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/ScriptSetup.h"
#include "tests/e2e/support/XSession.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int kSteps = 200;
constexpr int kIntervalMs = 20;

struct Figures {
    std::map<qint64, int> histogram; // error in whole ms -> gaps
    size_t clicks = 0;
    double meanMs = 0;
    double p99Ms = 0;
    double maxMs = 0;
    qint64 totalMs = 0;
};

// Errors of every gap between consecutive presses, in ms (late is positive).
Figures measure(const std::vector<e2e::Click> &log) {
    std::vector<const e2e::Click *> presses;
    std::vector<const e2e::Click *> releases;
    for (const e2e::Click &click : log) {
        if (click.press)
            presses.push_back(&click);
        else if (releases.size() < presses.size())
            releases.push_back(&click);
    }
    Figures figures;
    figures.clicks = presses.size();
    if (presses.size() < 2 || releases.size() < presses.size() - 1)
        return figures;
    std::vector<double> errors;
    for (size_t i = 1; i < presses.size(); ++i) {
        const qint64 scheduled = e2e::serverGapMs(*presses[i - 1], *releases[i - 1]) + kIntervalMs;
        const qint64 error = e2e::serverGapMs(*presses[i - 1], *presses[i]) - scheduled;
        ++figures.histogram[error];
        errors.push_back(static_cast<double>(error));
    }
    double sum = 0;
    for (double error : errors)
        sum += error;
    figures.meanMs = sum / static_cast<double>(errors.size());
    std::sort(errors.begin(), errors.end());
    const auto p99 = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(errors.size()))) - 1;
    figures.p99Ms = errors[std::min(p99, errors.size() - 1)];
    figures.maxMs = errors.back();
    figures.totalMs = e2e::serverGapMs(*presses.front(), *presses.back());
    return figures;
}

void print(const char *who, const Figures &figures) {
    std::printf(
        "%-10s clicks %3zu  error mean %6.2f ms  p99 %6.2f ms  max %6.2f ms  first to last press %lld ms\n",
        who, figures.clicks, figures.meanMs, figures.p99Ms, figures.maxMs,
        static_cast<long long>(figures.totalMs));
    std::printf("%-10s gaps by error:", "");
    for (const auto &[error, gaps] : figures.histogram)
        std::printf(" %+lld ms: %d", static_cast<long long>(error), gaps);
    std::printf("\n");
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

    QString steps;
    for (int i = 0; i < kSteps; ++i)
        steps += QStringLiteral("%1,%2,左键单击,%3|")
                     .arg(100 + (i % 10) * 100)
                     .arg(100 + (i / 10) * 40)
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
        session.movePointer(640, 512);
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"),
                      {QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(kSteps),
                       QStringLiteral("--delay"), QString::number(kIntervalMs), QStringLiteral("1")});
        if (!xdotool.waitForFinished(30000) || xdotool.exitCode() != 0)
            return fail("xdotool failed");
        e2e::waitForClicks(peerLog, 2 * kSteps, 5000);
    }
    folder.stop();

    std::printf("%d steps, %d ms interval; error = press-to-press gap - (click before + interval)\n", kSteps,
                kIntervalMs);
    const Figures program = measure(e2e::readClickLog(programLog));
    const Figures peer = measure(e2e::readClickLog(peerLog));
    print("lumoclick", program);
    print("xdotool", peer);
    if (peer.totalMs > 0)
        std::printf("ratio of total times lumoclick/xdotool: %.3f\n",
                    static_cast<double>(program.totalMs) / static_cast<double>(peer.totalMs));
    return program.clicks == kSteps && peer.clicks == kSteps ? 0 : 1;
}
