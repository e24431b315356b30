// The real program's command line and start conditions: --help and
// --version, no X display, a second start, and the update notice on Linux.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString kMainTitle = QStringLiteral("Tarvik鼠标点击器V1.0");
const QString kNoticeTitle = QStringLiteral("提示");

using CommandLineTest = e2e::ProgramTest;

TEST_F(CommandLineTest, HelpAndVersionPrintAndEndWithoutAWindow) {
    const e2e::ProgramFolder::Run help = folder_.runAgain({QStringLiteral("--help")}, 10000);
    ASSERT_TRUE(help.exitCode.has_value()) << help.output.toStdString();
    ASSERT_EQ(*help.exitCode, 0) << help.output.toStdString();
    for (const char *word : {"tb", "2345", "autotime", "--version"})
        EXPECT_TRUE(help.output.contains(QString::fromLatin1(word))) << word << "\n"
                                                                     << help.output.toStdString();
    // Needs no display either.
    const e2e::ProgramFolder::Run version =
        folder_.runAgain({QStringLiteral("--version")}, 10000, {{QStringLiteral("DISPLAY"), QString()}});
    ASSERT_TRUE(version.exitCode.has_value()) << version.output.toStdString();
    ASSERT_EQ(*version.exitCode, 0) << version.output.toStdString();
    EXPECT_EQ(version.output, QStringLiteral("lumoclick " LUMO_E2E_VERSION "\n"));
    EXPECT_FALSE(session_.windowExists(kMainTitle));
}

TEST_F(CommandLineTest, WithoutADisplayItSaysItNeedsX11AndEndsWithOne) {
    for (const QString &display : {QString(), QStringLiteral(":4321")}) {
        const e2e::ProgramFolder::Run run = folder_.runAgain(
            {}, 10000,
            {{QStringLiteral("DISPLAY"), display}, {QStringLiteral("QT_QPA_PLATFORM"), QString()}});
        ASSERT_TRUE(run.exitCode.has_value()) << run.output.toStdString();
        ASSERT_EQ(*run.exitCode, 1) << run.output.toStdString();
        EXPECT_TRUE(run.output.contains(QStringLiteral("X11"))) << run.output.toStdString();
        // Not Qt's own advice about platform plugins.
        EXPECT_FALSE(run.output.contains(QStringLiteral("platform plugin"))) << run.output.toStdString();
    }
}

TEST_F(CommandLineTest, ASecondStartEndsWithZeroAndLeavesTheFirstRunning) {
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();
    const e2e::ProgramFolder::Run second = folder_.runAgain({}, 10000);
    ASSERT_TRUE(second.exitCode.has_value()) << second.output.toStdString();
    ASSERT_EQ(*second.exitCode, 0) << second.output.toStdString();
    EXPECT_TRUE(folder_.isRunning());
    // The page switches are no instances: they work while one runs.
    const e2e::ProgramFolder::Run page = folder_.runAgain({QStringLiteral("tb")}, 10000);
    EXPECT_EQ(page.exitCode.value_or(-1), 0) << page.output.toStdString();
    EXPECT_EQ(folder_.opener().waitForLog(1, 5000).size(), 1);
}

TEST_F(CommandLineTest, AnAddressNothingOpensIsShownForCopying) {
    QTemporaryDir emptyPath;
    ASSERT_TRUE(folder_.start({QStringLiteral("tb")}, {{QStringLiteral("PATH"), emptyPath.path()},
                                                       {QStringLiteral("BROWSER"), QString()}}));
    EXPECT_TRUE(session_.waitForMappedWindow(kNoticeTitle, 10000)) << folder_.output().toStdString();
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/unopened-address.png"));
    EXPECT_FALSE(session_.windowExists(kMainTitle));
}

// A one-shot HTTP server in a child process: python3's http.server on a free
// loopback port, serving a folder.
class PageServer {
  public:
    explicit PageServer(const QString &folder) {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost))
            return;
        port_ = probe.serverPort();
        probe.close();
        helper_ = std::make_unique<e2e::Helper>(
            QStringLiteral("python3"),
            QStringList{QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                        QString::number(port_), QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                        QStringLiteral("--directory"), folder});
        // Ready once it accepts a connection.
        for (int i = 0; i < 100; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port_);
            if (socket.waitForConnected(100)) {
                ready_ = true;
                return;
            }
            QThread::msleep(50);
        }
    }
    bool ready() const { return ready_; }
    QString url(const QString &path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
    }

  private:
    quint16 port_ = 0;
    bool ready_ = false;
    std::unique_ptr<e2e::Helper> helper_;
};

TEST_F(CommandLineTest, AnotherVersionIsAnnouncedAndTheTimedTaskStillPlays) {
#ifdef LUMO_E2E_NO_UPDATE_CHECK
    GTEST_SKIP() << "built with LUMOCLICK_UPDATE_CHECK=OFF";
#endif
    QTemporaryDir site;
    ASSERT_TRUE(site.isValid());
    QFile page(site.filePath(QStringLiteral("update.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><script>var app_close=0; var app_version=\"3.9\"; var app_hp=\"x\";"
               "var app_showtip=0; var app_showkey=0; var app_url=\"https://www.lumoclick.example/v39\";"
               "var app_hname=\"x\"; var app_hurl=\"x\";</script></head><body>update</body></html>");
    page.close();
    QFile installer(site.filePath(QStringLiteral("setup.exe")));
    ASSERT_TRUE(installer.open(QIODevice::WriteOnly));
    installer.write(QByteArray(4096, 'x'));
    installer.close();
    PageServer server(site.path());
    ASSERT_TRUE(server.ready());

    QTemporaryDir logFolder;
    const QString log = logFolder.filePath(QStringLiteral("clicks.log"));
    e2e::Helper target(e2e::clickTargetPath(), {log});
    ASSERT_EQ(target.readLine(), QStringLiteral("ready"));
    const QDateTime due = QDateTime::currentDateTime().addSecs(10);
    ASSERT_TRUE(e2e::storeTimedTask(folder_.path() + QStringLiteral("/acdb.mdb"),
                                    due.time().toString(QStringLiteral("H:mm:ss")),
                                    QStringLiteral("100,120,左键单击,50|"), QStringLiteral("1")));

    qputenv("LUMOCLICK_UPDATE_PAGE", server.url(QStringLiteral("/update.html")).toUtf8());
    const bool started = folder_.start({QStringLiteral("autotime")});
    qunsetenv("LUMOCLICK_UPDATE_PAGE");
    ASSERT_TRUE(started);
    EXPECT_TRUE(session_.waitForMappedWindow(kNoticeTitle, e2e::kProgramStartTimeoutMs))
        << folder_.output().toStdString();
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/update-notice.png"));

    // The task plays at its second while the notice stands.
    const std::vector<e2e::Click> clicks = e2e::waitForClicks(log, 2, 20000);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_TRUE(folder_.isRunning());
    // Nothing was downloaded anywhere the program could have put it.
    for (const QString &where : {folder_.path(), QDir::currentPath(), QDir::homePath()})
        EXPECT_FALSE(QFile::exists(where + QStringLiteral("/setup.exe"))) << where.toStdString();
    QDirIterator files(folder_.path(), {QStringLiteral("setup.exe*")}, QDir::Files,
                       QDirIterator::Subdirectories);
    EXPECT_FALSE(files.hasNext());
}

} // namespace
