// The real program against an update page that never ends: it stops reading
// after a megabyte, stays small and keeps running.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/ProgramTest.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using UpdatePageLimits = e2e::ProgramTest;

TEST_F(UpdatePageLimits, AnEndlessPageIsAbandonedAndTheProgramStaysSmall) {
#ifdef LUMO_E2E_NO_UPDATE_CHECK
    GTEST_SKIP() << "built with LUMOCLICK_UPDATE_CHECK=OFF";
#endif
    e2e::Helper server(QStringLiteral("python3"), {QStringLiteral(LUMO_E2E_ENDLESS_PAGE)});
    const QString port = server.readLine().section(QLatin1Char(' '), 1);
    ASSERT_FALSE(port.isEmpty());

    ASSERT_NE(startProgram({}, {{QStringLiteral("LUMOCLICK_UPDATE_PAGE"),
                                 QStringLiteral("http://127.0.0.1:%1/update.html").arg(port)}})
                  .window,
              0u)
        << folder_.output().toStdString();
    // The program hangs up once the page passes a megabyte; before, it read
    // gigabytes until the memory ran out.
    const QString sent = server.readLine(30000);
    ASSERT_TRUE(sent.startsWith(QLatin1String("sent "))) << "the program never hung up";
    EXPECT_LT(sent.section(QLatin1Char(' '), 1).toLongLong(), 64LL * 1024 * 1024) << sent.toStdString();
    QThread::msleep(1000);
    EXPECT_TRUE(folder_.isRunning()) << folder_.output().toStdString();
    const qint64 resident = folder_.residentKb();
    EXPECT_GT(resident, 0);
#ifdef LUMO_E2E_SANITIZED
    // The sanitizers' own shadow memory comes on top.
    EXPECT_LT(resident, 250 * 1024) << "resident KiB";
#else
    EXPECT_LT(resident, 100 * 1024) << "resident KiB";
#endif
}

} // namespace
