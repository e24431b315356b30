// The real program against an update page that never ends: it stops reading
// after a megabyte, stays small and keeps running.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/XSession.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

constexpr int kStartTimeoutMs = 30000;

long residentKiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

TEST(UpdatePageLimits, AnEndlessPageIsAbandonedAndTheProgramStaysSmall) {
#ifdef LUMO_E2E_NO_UPDATE_CHECK
    GTEST_SKIP() << "built with LUMOCLICK_UPDATE_CHECK=OFF";
#endif
    e2e::XSession session;
    ASSERT_TRUE(session.isOpen()) << "no X display; run under tools/with-xvfb";
    e2e::ProgramFolder folder;
    ASSERT_TRUE(folder.isValid());
    e2e::Helper server(QStringLiteral("python3"), {QStringLiteral(LUMO_E2E_ENDLESS_PAGE)});
    const QString port = server.readLine().section(QLatin1Char(' '), 1);
    ASSERT_FALSE(port.isEmpty());

    ASSERT_TRUE(folder.start({}, {{QStringLiteral("LUMOCLICK_UPDATE_PAGE"),
                                   QStringLiteral("http://127.0.0.1:%1/update.html").arg(port)}}));
    ASSERT_NE(session.waitForWindowOfClass(QStringLiteral("lumoclick"), kStartTimeoutMs).window, 0u);
    // The program hangs up once the page passes a megabyte; before, it read
    // gigabytes until the memory ran out.
    const QString sent = server.readLine(30000);
    ASSERT_TRUE(sent.startsWith(QLatin1String("sent "))) << "the program never hung up";
    EXPECT_LT(sent.section(QLatin1Char(' '), 1).toLongLong(), 64LL * 1024 * 1024) << sent.toStdString();
    QThread::msleep(1000);
    EXPECT_TRUE(folder.isRunning()) << folder.output().toStdString();
    const long resident = residentKiB(folder.pid());
    EXPECT_GT(resident, 0);
#ifdef LUMO_E2E_SANITIZED
    // The sanitizers' own shadow memory comes on top.
    EXPECT_LT(resident, 250 * 1024) << "resident KiB";
#else
    EXPECT_LT(resident, 100 * 1024) << "resident KiB";
#endif
}

} // namespace
