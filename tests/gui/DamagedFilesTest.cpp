// Start-up with a database that lacks a table or column, and with a pipe or
// a device where setting.ini or acdb.mdb should be.

#include "storage/Database.h"
#include "tests/gui/support/GuiFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <sys/stat.h>
#include <unistd.h>

using namespace lumo;
using namespace platform;
using lumo::test::GuiFixture;

namespace {

int rowCount(GuiFixture &f, const char *listName) {
    auto *view = f.main().findChild<QTreeWidget *>(QString::fromLatin1(listName));
    return view ? view->topLevelItemCount() : -1;
}

const QString kScriptRow = QStringLiteral(
    "insert into mplist (mpname,hotkey,mpoint,clicknum) values ('a','Ctrl+F9','1,2,左键单击,20|','1')");

bool isFifo(const QString &path) {
    struct stat info {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

} // namespace

class DamagedFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // A pipe read at start-up blocks for ever; end the run instead.
        alarm(120);
    }

    // The list whose table lacks a column stays empty after one clear
    // message; the other list loads and the rest of start-up runs.
    void aTableLackingAColumnLeavesItsListEmptyAndTheRestRuns() {
        const struct {
            const char *table;
            QStringList statements;
            const char *missing;
            const char *emptyList;
            const char *loadedList;
        } cases[] = {
            {"tplist",
             {QStringLiteral("drop table tplist"),
              QStringLiteral("create table tplist (id integer primary key, tpname text, mpoint text)"),
              QStringLiteral("insert into tplist (tpname,mpoint) values ('1:2:3','1,2,左键单击,20|')"),
              kScriptRow},
             "nums",
             "taskListView",
             "scriptListView"},
            {"tplist",
             {QStringLiteral("drop table tplist"),
              QStringLiteral("create table tplist (id integer primary key)"),
              QStringLiteral("insert into tplist (id) values (5)"), kScriptRow},
             "tpname",
             "taskListView",
             "scriptListView"},
            {"mplist",
             {QStringLiteral("drop table mplist"),
              QStringLiteral(
                  "create table mplist (id integer primary key, mpname text, mpoint text, clicknum text)"),
              QStringLiteral(
                  "insert into mplist (mpname,mpoint,clicknum) values ('a','1,2,左键单击,20|','1')"),
              QStringLiteral(
                  "insert into tplist (tpname,mpoint,nums) values ('1:2:3','1,2,左键单击,20|','1')")},
             "hotkey",
             "scriptListView",
             "taskListView"},
        };
        for (const auto &c : cases) {
            GuiFixture f;
            QVERIFY(f.alterDatabase(c.statements));
            f.start();
            const std::vector<fake::ShownBox> &boxes = f.fake.messageBoxes.shown();
            QCOMPARE(boxes.size(), std::size_t(1));
            QCOMPARE(boxes[0].caption, QStringLiteral("提示"));
            QVERIFY2(boxes[0].text.contains(QStringLiteral("数据表 %1 缺少 %2 列")
                                                .arg(QLatin1String(c.table), QLatin1String(c.missing))),
                     qPrintable(boxes[0].text));
            QVERIFY(boxes[0].text.contains(QStringLiteral("备份")));
            QCOMPARE(rowCount(f, c.emptyList), 0);
            QCOMPARE(rowCount(f, c.loadedList), 1);
            // The hotkeys come after both lists at start-up.
            QCOMPARE(f.fake.hotkeys.registrations().size(), std::size_t(2));
        }
    }

    void aMissingTableIsNamedToo() {
        GuiFixture f;
        QVERIFY(f.alterDatabase({QStringLiteral("drop table mplist"), QStringLiteral("drop table tplist")}));
        f.start();
        QCOMPARE(f.fake.messageBoxes.shown().size(), std::size_t(1));
        const QString text = f.fake.messageBoxes.shown()[0].text;
        QVERIFY(text.contains(QStringLiteral("缺少数据表 mplist")));
        QVERIFY(text.contains(QStringLiteral("缺少数据表 tplist")));
        QCOMPARE(rowCount(f, "scriptListView"), 0);
        QCOMPARE(rowCount(f, "taskListView"), 0);
    }

    // A pipe would block the read before the window shows; a device would
    // be read without end. Both read as a file that cannot be opened, and a
    // save refuses to replace them.
    void aPipeOrDeviceAsSettingsReadsAsUnreadableAndIsNotReplaced() {
        for (const bool pipe : {true, false}) {
            GuiFixture f;
            if (pipe)
                QCOMPARE(mkfifo(QFile::encodeName(f.settingsPath()).constData(), 0600), 0);
            else
                QVERIFY(QFile::link(QStringLiteral("/dev/zero"), f.settingsPath()));
            f.start();
            // Named once at start as a file that could not be read.
            QCOMPARE(f.fake.messageBoxes.texts().size(), 1);
            QVERIFY(f.fake.messageBoxes.texts()[0].contains(f.settingsPath()));
            QCOMPARE(f.fake.hotkeys.registrations().size(), std::size_t(2));
            // A save asks first; told Yes, the write is refused.
            f.fake.messageBoxes.clear();
            f.fake.messageBoxes.answer(Answer::Yes);
            f.main().findChild<QPushButton *>(QStringLiteral("saveButton"))->click();
            QCOMPARE(f.fake.messageBoxes.texts().size(), 2);
            QCOMPARE(f.fake.messageBoxes.shown()[0].buttons, Buttons::YesNo);
            QCOMPARE(f.fake.messageBoxes.shown()[0].icon, Icon::Warning);
            QVERIFY2(f.fake.messageBoxes.texts()[1].contains(QStringLiteral("Unable to write to ") +
                                                             QDir::toNativeSeparators(f.settingsPath())),
                     qPrintable(f.fake.messageBoxes.texts()[1]));
            if (pipe)
                QVERIFY(isFifo(f.settingsPath()));
            else
                QCOMPARE(QFileInfo(f.settingsPath()).symLinkTarget(), QStringLiteral("/dev/zero"));
        }
    }

    // The text of a database that cannot be opened, as a missing one gives
    // it after its own notice.
    void aPipeOrDeviceAsTheDatabaseFailsAsAFileThatCannotBeOpened() {
        QStringList unopenable;
        std::size_t registrations = 0;
        {
            GuiFixture f(false);
            f.start();
            unopenable = f.fake.messageBoxes.texts().mid(1);
            registrations = f.fake.hotkeys.registrations().size();
        }
        QVERIFY(!unopenable.isEmpty());
        for (const bool pipe : {true, false}) {
            GuiFixture f(false);
            if (pipe)
                QCOMPARE(mkfifo(QFile::encodeName(f.databasePath()).constData(), 0600), 0);
            else
                QVERIFY(QFile::link(QStringLiteral("/dev/zero"), f.databasePath()));
            f.start();
            QCOMPARE(f.fake.messageBoxes.texts(), unopenable);
            QCOMPARE(f.fake.hotkeys.registrations().size(), registrations);
        }
    }
};

QTEST_MAIN(DamagedFilesTest)
#include "DamagedFilesTest.moc"
