// The running program controlled from a later start's command line:
// --toggle, --stop, --play NAME and --list, their exit statuses, and a
// connection that sends garbage or nothing at all.

#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString kStopNoticeTitle = QStringLiteral("提示");

class RemoteControlTest : public e2e::PrivateRuntimeTest {
  protected:
    QString listeningSocket() const {
        const QDir folder(runtime_.path());
        for (const QFileInfo &entry : folder.entryInfoList(QDir::System | QDir::Files))
            if (entry.fileName().startsWith(QLatin1String("lumoclick-")) &&
                !entry.fileName().endsWith(QLatin1String(".lock")))
                return entry.filePath();
        return {};
    }

    e2e::ProgramFolder::Run command(const QStringList &arguments) const {
        return folder_.runAgain(arguments, 15000);
    }
    QString database() const { return folder_.path() + QStringLiteral("/acdb.mdb"); }
};

TEST_F(RemoteControlTest, WithoutARunningProgramEachSwitchEndsWithOne) {
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--toggle")}, QStringList{QStringLiteral("--stop")},
          QStringList{QStringLiteral("--list")},
          QStringList{QStringLiteral("--play"), QStringLiteral("测试")}}) {
        const e2e::ProgramFolder::Run run = command(arguments);
        ASSERT_TRUE(run.exitCode.has_value()) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(*run.exitCode, 1) << run.output.toStdString();
        EXPECT_TRUE(run.output.contains(QStringLiteral("没有正在运行的 lumoclick")))
            << run.output.toStdString();
    }
    // None of them started the program.
    EXPECT_EQ(session_.largestWindowOfClass(e2e::kProgramWindowClass).window, 0u);
}

TEST_F(RemoteControlTest, ListAndPlayByNameWhetherEnabledOrNot) {
    ASSERT_TRUE(
        e2e::storeScript(database(), QStringLiteral("Ctrl+F9"),
                         QStringLiteral("150,160,左键单击,100|350,260,中键单击,100|550,360,右键单击,100|"),
                         QStringLiteral("1"), QStringLiteral("三点")));
    ASSERT_TRUE(e2e::storeScript(database(), QStringLiteral("F10"), QStringLiteral("700,500,左键单击,100|"),
                                 QStringLiteral("1"), QStringLiteral("one point")));
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();
    ASSERT_TRUE(startClickTarget());

    const e2e::ProgramFolder::Run list = command({QStringLiteral("--list")});
    ASSERT_EQ(list.exitCode.value_or(-1), 0) << list.output.toStdString();
    EXPECT_EQ(list.output, QStringLiteral("三点\tCtrl+F9\t未启用\none point\tF10\t未启用\n"));

    const e2e::ProgramFolder::Run play = command({QStringLiteral("--play"), QStringLiteral("三点")});
    ASSERT_EQ(play.exitCode.value_or(-1), 0) << play.output.toStdString();
    const std::vector<e2e::Click> presses = waitForPresses(3, 10000);
    ASSERT_EQ(presses.size(), 3u);
    const std::vector<std::tuple<unsigned, int, int>> expected{{1, 150, 160}, {2, 350, 260}, {3, 550, 360}};
    for (size_t i = 0; i < presses.size(); ++i)
        EXPECT_EQ(std::make_tuple(presses[i].button, presses[i].x, presses[i].y), expected[i])
            << "press " << i;

    const e2e::ProgramFolder::Run missing = command({QStringLiteral("--play"), QStringLiteral("三")});
    EXPECT_EQ(missing.exitCode.value_or(-1), 2) << missing.output.toStdString();
    EXPECT_TRUE(missing.output.contains(QStringLiteral("三"))) << missing.output.toStdString();
    const e2e::ProgramFolder::Run nameless = command({QStringLiteral("--play")});
    EXPECT_EQ(nameless.exitCode.value_or(-1), 2) << nameless.output.toStdString();
    EXPECT_TRUE(nameless.output.contains(QStringLiteral("--play 后面要写脚本名称")))
        << nameless.output.toStdString();
    QThread::msleep(500);
    EXPECT_EQ(presses.size(), this->presses().size()) << "a failed --play clicked";
}

TEST_F(RemoteControlTest, ToggleStartsAndStopsTheClickerAndStopEndsARun) {
    ASSERT_NE(startProgramWith(QStringLiteral("[setting]\r\ntime=0.1\r\nclick=0\r\n")).window, 0u);
    ASSERT_TRUE(startClickTarget());
    session_.movePointer(300, 220);

    ASSERT_EQ(command({QStringLiteral("--toggle")}).exitCode.value_or(-1), 0);
    const std::vector<e2e::Click> running = waitForPresses(5, 10000);
    ASSERT_GE(running.size(), 5u);
    EXPECT_EQ(running.front().x, 300);
    EXPECT_EQ(running.front().y, 220);
    ASSERT_EQ(command({QStringLiteral("--toggle")}).exitCode.value_or(-1), 0);
    QThread::msleep(500);
    const size_t stopped = presses().size();
    QThread::msleep(1000);
    EXPECT_EQ(presses().size(), stopped) << "the clicker went on after the second --toggle";

    // A 100-step run, a step every 300 ms: --stop ends it within a step.
    QString steps;
    for (int i = 0; i < 100; ++i)
        steps += QStringLiteral("%1,400,左键单击,300|").arg(200 + (i % 5) * 100);
    ASSERT_TRUE(e2e::storeScript(database(), QStringLiteral("F9"), steps, QStringLiteral("1"),
                                 QStringLiteral("long")));
    // The list reads the table again when the program's own dialogs change
    // it; a row stored behind its back is played through a fresh start.
    folder_.stop();
    ASSERT_NE(startProgram().window, 0u);
    const size_t before = presses().size();
    ASSERT_EQ(command({QStringLiteral("--play"), QStringLiteral("long")}).exitCode.value_or(-1), 0);
    ASSERT_GE(waitForPresses(before + 3, 10000).size(), before + 3);
    ASSERT_EQ(command({QStringLiteral("--stop")}).exitCode.value_or(-1), 0);
    const size_t atStop = presses().size();
    EXPECT_TRUE(session_.waitForMappedWindow(kStopNoticeTitle, 5000));
    QThread::msleep(1000);
    EXPECT_LE(presses().size(), atStop + 1) << "the run went on after --stop";
}

TEST_F(RemoteControlTest, GarbageAndASilentConnectionLeaveTheProgramAnswering) {
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();
    const QString socketPath = listeningSocket();
    ASSERT_FALSE(socketPath.isEmpty());

    QLocalSocket silent;
    silent.connectToServer(socketPath);
    ASSERT_TRUE(silent.waitForConnected(2000));

    QByteArray noise(200 * 1024, '\0');
    for (char &byte : noise)
        byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    const QByteArray garbage[] = {
        noise,
        noise.left(1000) + '\n',
        QByteArrayLiteral("{\"command\":\"play\",\"name\":5}\n"),
        QByteArrayLiteral("{\"command\":\"format\"}\n"),
        QByteArrayLiteral("[\"toggle\"]\n"),
        QByteArray(64 * 1024, '{') + '\n',
    };
    for (const QByteArray &bytes : garbage) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(bytes);
        socket.waitForBytesWritten(2000);
        // It hangs up without an answer.
        EXPECT_TRUE(socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(3000))
            << bytes.left(40).toStdString();
        EXPECT_EQ(socket.readAll(), QByteArray());
    }

    // The silent connection is still open and the program still answers.
    EXPECT_EQ(silent.state(), QLocalSocket::ConnectedState);
    const e2e::ProgramFolder::Run list = command({QStringLiteral("--list")});
    EXPECT_EQ(list.exitCode.value_or(-1), 0) << list.output.toStdString();
    EXPECT_TRUE(folder_.isRunning());
    // A connection that never sends is closed after a while.
    EXPECT_TRUE(silent.waitForDisconnected(10000));
}

} // namespace
