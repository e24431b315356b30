// The real program started on a database with NULL cells: the good rows are
// listed, the settings are read, the single-point key and the stop key both
// work when pressed, and saving the settings leaves setting.ini as it was.

#include "tests/e2e/support/Helper.h"
#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramTest.h"
#include "tests/e2e/support/ScriptSetup.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kNoticeTitle = QStringLiteral("提示");

// Every key away from its default, in the form the program writes.
const QString kSettings = QStringLiteral("[setting]\r\nbtn1=左键\r\nbtn_type=单击\r\ntime=0.1\r\n"
                                         "hotkey1=Ctrl\r\nhotkey2=F9\r\nclick=3\r\nxpos=0\r\nypos=0\r\n"
                                         "stophotkey=Alt+F10\r\n");

// The save button on the first tab, from the window's corner: the page
// control, its frame and tab row, the settings group, the button's middle.
constexpr int kSingleTabX = 3 + 30;
constexpr int kSingleTabY = 90 + 12;
constexpr int kSaveButtonX = 3 + 2 + 6 + 318 + 50;
constexpr int kSaveButtonY = 90 + 27 + 6 + 91 + 12;

bool runStatements(const QString &database, const QStringList &statements) {
    const QString connection = QStringLiteral("e2e-damage");
    bool done = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(database);
        done = db.open();
        for (const QString &statement : statements) {
            QSqlQuery query(db);
            done = done && query.exec(statement);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return done;
}

class DamagedStartTest : public e2e::ProgramTest {
  protected:
    QByteArray settingsBytes() const {
        QFile file(folder_.path() + QStringLiteral("/setting.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Return on the box that has the focus, until no notice is mapped.
    bool closeNotice() {
        const QDeadlineTimer deadline(5000);
        while (session_.windowMapped(kNoticeTitle) && !deadline.hasExpired()) {
            session_.pressKeys({QStringLiteral("Return")});
            QThread::msleep(300);
        }
        return !session_.windowMapped(kNoticeTitle);
    }
};

TEST_F(DamagedStartTest, NullCellsCostNeitherTheKeysNorTheGoodRowsNorTheSettings) {
    const QString database = folder_.path() + QStringLiteral("/acdb.mdb");
    QString steps;
    for (int i = 0; i < 8; ++i)
        steps += QStringLiteral("%1,400,左键单击,400|").arg(100 + 100 * i);
    ASSERT_TRUE(e2e::storeScript(database, QStringLiteral("F8"), steps, QStringLiteral("1")));
    ASSERT_TRUE(runStatements(
        database,
        {QStringLiteral("insert into mplist (mpname,hotkey,mpoint,clicknum) "
                        "values ('broken',NULL,'1,1,左键单击,100|','1')"),
         QStringLiteral(
             "insert into tplist (tpname,mpoint,nums) values ('9:00:00','1,1,左键单击,100|',NULL)")}));
    ASSERT_TRUE(folder_.writeSettingsText(kSettings));
    const QByteArray before = settingsBytes();
    ASSERT_NE(startProgram().window, 0u) << folder_.output().toStdString();

    // One notice names the skipped rows.
    ASSERT_TRUE(session_.waitForMappedWindow(kNoticeTitle, 10000))
        << session_.mappedWindowNames().join(u',').toStdString();
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/damaged-start-notice.png"));
    ASSERT_TRUE(closeNotice());
    // Found once the notice is gone: until then it may be the only window.
    const e2e::WindowFrame window = session_.largestWindowOfClass(e2e::kProgramWindowClass);
    ASSERT_NE(window.window, 0u);

    // Both keys from the settings file are held by the program.
    EXPECT_EQ(e2e::holdKey({QStringLiteral("ctrl"), QStringLiteral("F9")}), QStringLiteral("refused"));
    EXPECT_EQ(e2e::holdKey({QStringLiteral("alt"), QStringLiteral("F10")}), QStringLiteral("refused"));

    // The good script is listed first: enabled, it plays and the stop key ends it.
    e2e::enableFirstScript(session_);
    ASSERT_TRUE(startClickTarget());
    session_.movePointer(200, 150);
    session_.pressKeys({QStringLiteral("F8")});
    const size_t played = waitForPresses(2, 5000).size();
    ASSERT_EQ(played, 2u) << "the good script did not play";
    session_.pressKeys({QStringLiteral("alt"), QStringLiteral("F10")});
    EXPECT_TRUE(session_.waitForMappedWindow(kNoticeTitle, 3000));
    QThread::msleep(1500);
    EXPECT_EQ(presses().size(), played) << "the stop key did not stop the script";
    ASSERT_TRUE(closeNotice());

    // The single-point key clicks until the stored limit of 3 stops it
    // (the tick that finds the limit reached clicks too).
    session_.movePointer(200, 150);
    session_.pressKeys({QStringLiteral("ctrl"), QStringLiteral("F9")});
    const size_t single = waitForPresses(played + 4, 5000).size();
    EXPECT_EQ(single, played + 4) << "the single-point key did not click";
    QThread::msleep(1000);
    EXPECT_EQ(presses().size(), played + 4) << "the stored click limit was not used";

    // Saved as loaded: the file is the same, byte for byte.
    QThread::msleep(300);
    session_.raise(window.window);
    session_.leftClickAt(window.x + kSingleTabX, window.y + kSingleTabY);
    QThread::msleep(300);
    session_.leftClickAt(window.x + kSaveButtonX, window.y + kSaveButtonY);
    EXPECT_EQ(presses().size(), played + 4) << "a click meant for the window reached the target";
    EXPECT_TRUE(session_.waitForMappedWindow(kNoticeTitle, 3000)) << "no save confirmation";
    session_.screenshot(e2e::artifactsFolder() + QStringLiteral("/damaged-start-saved.png"));
    EXPECT_EQ(settingsBytes(), before);
    EXPECT_TRUE(folder_.isRunning());
}

} // namespace
