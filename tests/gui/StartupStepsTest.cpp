// Start-up with damaged data: a NULL cell, a database that cannot be opened,
// a settings file that cannot be read, values beyond their range. Every step
// that can still run does, and no save writes a value nobody loaded.

#include "singlepoint/SinglePointPanel.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace lumo;
using lumo::test::ui;
using namespace platform;
using lumo::test::GuiFixture;

namespace {

QStringList column(GuiFixture &f, const char *listName, int column) {
    QStringList texts;
    const auto *view = ui<QTreeWidget>(f.main(), listName);
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        texts << view->topLevelItem(i)->text(column);
    return texts;
}

// Settings as the program writes them, with every key set away from its default.
const QString kOwnSettings = QStringLiteral("[setting]\nbtn1=右键\nbtn_type=双击\ntime=5\nhotkey1=Ctrl+Alt\n"
                                            "hotkey2=F9\nclick=7\nxpos=11\nypos=12\nstophotkey=Alt+F7\n"
                                            "hold=250\njitter=30\n");

constexpr HotkeyKey kF9{9};
constexpr HotkeyKey kF7{7};

void save(GuiFixture &f) {
    ui<QPushButton>(f.main().singlePoint(), "saveButton")->click();
}

QString field(GuiFixture &f, const char *name) {
    return ui<QLineEdit>(f.main().singlePoint(), name)->text();
}

} // namespace

class StartupStepsTest : public QObject {
    Q_OBJECT
  private slots:
    void aNullCellSkipsOnlyItsRowAndEveryOtherStepRuns() {
        GuiFixture f;
        f.writeSettings(kOwnSettings);
        QVERIFY(f.alterDatabase(
            {QStringLiteral("insert into mplist (mpname,hotkey,mpoint,clicknum) "
                            "values ('first','F2','1,2,左键单击,20|','1')"),
             QStringLiteral("insert into mplist (mpname,hotkey,mpoint,clicknum) "
                            "values ('broken',NULL,'1,2,左键单击,20|','1')"),
             QStringLiteral("insert into mplist (mpname,hotkey,mpoint,clicknum) "
                            "values ('third','F4','1,2,左键单击,20|','1')"),
             QStringLiteral("insert into tplist (tpname,mpoint,nums) values ('9:00:00',NULL,'1')"),
             QStringLiteral("insert into tplist (tpname,mpoint,nums) "
                            "values ('9:30:00','1,2,左键单击,20|','2')")}));
        const QByteArray before = f.settingsBytes();
        MainWindow &main = f.start();

        QCOMPARE(f.fake.messageBoxes.shown().size(), std::size_t(1));
        const fake::ShownBox &box = f.fake.messageBoxes.shown()[0];
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QVERIFY2(box.text.contains(QStringLiteral("多点脚本列表: id 2 (broken)")), qPrintable(box.text));
        QVERIFY2(box.text.contains(QStringLiteral("定时任务列表: id 1 (9:00:00)")), qPrintable(box.text));
        QVERIFY(!box.text.contains(QStringLiteral("Could not convert")));
        QCOMPARE(column(f, "scriptListView", 1),
                 (QStringList{QStringLiteral("first"), QStringLiteral("third")}));
        QCOMPARE(column(f, "taskListView", 1), QStringList{QStringLiteral("9:30:00")});

        // The settings were read and both keys are held as the file says.
        QVERIFY(f.fake.hotkeys.keyOf(&main, 1008) == qMakePair(Modifiers::Control | Modifiers::Alt, kF9));
        QVERIFY(f.fake.hotkeys.keyOf(&main, 1108) == qMakePair(Modifiers::Alt, kF7));
        QCOMPARE(main.state().clickIntervalMs, 5000);
        QCOMPARE(field(f, "clickLimitEdit"), QStringLiteral("7"));
        QCOMPARE(field(f, "holdEdit"), QStringLiteral("250"));

        save(f);
        QCOMPARE(f.settingsBytes(), before);
    }

    void aDatabaseThatCannotBeOpenedCostsNeitherTheSettingsNorTheHotkeys() {
        GuiFixture f(false);
        f.writeSettings(kOwnSettings);
        {
            QFile garbage(f.databasePath());
            QVERIFY(garbage.open(QIODevice::WriteOnly));
            garbage.write(QByteArray(4096, 'x'));
        }
        const QByteArray before = f.settingsBytes();
        MainWindow &main = f.start();
        // One error for both lists, shown once.
        QCOMPARE(f.fake.messageBoxes.shown().size(), std::size_t(1));
        QCOMPARE(f.fake.messageBoxes.shown()[0].caption, QStringLiteral("Tarvik鼠标点击器V1.0"));
        QVERIFY(f.fake.hotkeys.keyOf(&main, 1008) == qMakePair(Modifiers::Control | Modifiers::Alt, kF9));
        QVERIFY(f.fake.hotkeys.keyOf(&main, 1108) == qMakePair(Modifiers::Alt, kF7));
        save(f);
        QCOMPARE(f.settingsBytes(), before);
    }

    void settingsThatCouldNotBeReadAreNotReplacedWithoutAsking() {
        GuiFixture f;
        QVERIFY(QDir().mkpath(f.settingsPath()));
        MainWindow &main = f.start();
        QCOMPARE(f.fake.messageBoxes.texts().size(), 1);
        QVERIFY(f.fake.messageBoxes.texts()[0].contains(f.settingsPath()));
        QCOMPARE(f.fake.hotkeys.registrations().size(), std::size_t(2));

        f.fake.messageBoxes.clear();
        save(f); // answered No
        QCOMPARE(f.fake.messageBoxes.shown().size(), std::size_t(1));
        QCOMPARE(f.fake.messageBoxes.shown()[0].buttons, Buttons::YesNo);
        QCOMPARE(f.fake.messageBoxes.shown()[0].icon, Icon::Warning);
        QVERIFY(f.fake.messageBoxes.texts()[0].contains(f.settingsPath()));
        QVERIFY(QFileInfo(f.settingsPath()).isDir());
        QVERIFY(f.fake.hotkeys.isRegistered(&main, 1008));
    }

    void valuesBeyondTheirRangeAreUsedAtTheLimitAndLeftInTheFile() {
        GuiFixture f;
        f.writeSettings(QStringLiteral("[setting]\nbtn1=左键\nbtn_type=单击\ntime=999999999\nhotkey1=Ctrl\n"
                                       "hotkey2=F3\nclick=100\nxpos=0\nypos=0\nhold=999999999\n"
                                       "jitter=2147483648\n"));
        const QByteArray before = f.settingsBytes();
        MainWindow &main = f.start();
        QCOMPARE(f.fake.messageBoxes.texts().size(), 1);
        const QString notice = f.fake.messageBoxes.texts()[0];
        for (const char *named : {"time=999999999", "86400", "hold=999999999", "jitter=2147483648", "99999"})
            QVERIFY2(notice.contains(QLatin1String(named)), qPrintable(notice));
        QCOMPARE(ui<QComboBox>(main.singlePoint(), "speedComboBox")->currentText(), QStringLiteral("86400"));
        QCOMPARE(main.state().clickIntervalMs, 86400000);
        QCOMPARE(field(f, "holdEdit"), QStringLiteral("99999"));
        QCOMPARE(field(f, "jitterEdit"), QStringLiteral("99999"));
        QCOMPARE(main.singlePoint()->holdMs(), 99999);

        // Saved untouched: the file keeps what it had.
        f.fake.messageBoxes.clear();
        save(f);
        QCOMPARE(f.fake.messageBoxes.texts().size(), 1); // the save confirmation
        QCOMPARE(f.settingsBytes(), before);

        // A value the user changes is written; the others stay as they were.
        ui<QLineEdit>(main.singlePoint(), "holdEdit")->setText(QStringLiteral("40"));
        save(f);
        const QByteArray after = f.settingsBytes();
        QVERIFY(after.contains("hold=40\r\n"));
        QVERIFY(after.contains("time=999999999\r\n"));
        QVERIFY(after.contains("jitter=2147483648\r\n"));
    }

    void aTypedValueBeyondItsLimitIsRefusedNamingTheLimit_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("limit");
        QTest::newRow("hold") << QStringLiteral("holdEdit") << QStringLiteral("100000")
                              << QStringLiteral("99999");
        QTest::newRow("hold far") << QStringLiteral("holdEdit") << QStringLiteral("999999999")
                                  << QStringLiteral("99999");
        QTest::newRow("jitter") << QStringLiteral("jitterEdit") << QStringLiteral("2147483648")
                                << QStringLiteral("99999");
        QTest::newRow("speed") << QStringLiteral("speedComboBox") << QStringLiteral("86401")
                               << QStringLiteral("86400");
        QTest::newRow("negative speed")
            << QStringLiteral("speedComboBox") << QStringLiteral("-1") << QStringLiteral("86400");
    }
    void aTypedValueBeyondItsLimitIsRefusedNamingTheLimit() {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, limit);
        GuiFixture f;
        f.writeSettings(kOwnSettings);
        const QByteArray before = f.settingsBytes();
        MainWindow &main = f.start();
        QWidget *target = main.singlePoint()->findChild<QWidget *>(control);
        QVERIFY(target);
        if (auto *edit = qobject_cast<QLineEdit *>(target)) {
            edit->clear();
            QTest::keyClicks(edit, typed);
            // Never cut short while typed.
            QCOMPARE(edit->text(), typed);
        } else {
            qobject_cast<QComboBox *>(target)->setCurrentText(typed);
        }
        save(f);
        QCOMPARE(f.fake.messageBoxes.texts().size(), 1);
        QVERIFY2(f.fake.messageBoxes.texts()[0].contains(limit), qPrintable(f.fake.messageBoxes.texts()[0]));
        QVERIFY(!f.fake.messageBoxes.texts()[0].contains(QStringLiteral("设置保存成功")));
        QCOMPARE(f.settingsBytes(), before);
        QCOMPARE(main.state().clickIntervalMs, 5000);
    }
};

QTEST_MAIN(StartupStepsTest)
#include "StartupStepsTest.moc"
