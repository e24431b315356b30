// The timed tab: loading, enabling, deleting, the scheduler's tick on the
// main window, start with the session and the autotime start.

#include "timed/TimedList.h"
#include "core/Texts.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"
#include "widgets/StatusBar.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTreeWidget>

using namespace lumo;
using lumo::test::ui;
using namespace platform;
using lumo::test::GuiFixture;

namespace {

// Rows put into the fixture's acdb.mdb behind the program's back; a null
// QVariant stores NULL.
void seed(const GuiFixture &f, const QList<QVariantList> &rows) {
    const QString name = QStringLiteral("seed");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(f.databasePath());
        QVERIFY(db.open());
        for (const QVariantList &row : rows) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("insert into tplist (tpname,mpoint,nums) values(:a,:b,:c)"));
            query.bindValue(QStringLiteral(":a"), row[0]);
            query.bindValue(QStringLiteral(":b"), row[1]);
            query.bindValue(QStringLiteral(":c"), row[2]);
            QVERIFY(query.exec());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QStringList column(const QTreeWidget &view, int column) {
    QStringList texts;
    for (int i = 0; i < view.topLevelItemCount(); ++i)
        texts << view.topLevelItem(i)->text(column);
    return texts;
}

const QString kOn = QStringLiteral("已启用");
const QString kOff = QStringLiteral("未启用");

struct Timed {
    GuiFixture f;
    MainWindow *main = nullptr;

    explicit Timed(const QList<QVariantList> &rows = {},
                   const QStringList &arguments = {QStringLiteral("lumoclick")}) {
        seed(f, rows);
        main = &f.start(arguments);
    }
    TimedList &list() { return *main->timedList(); }
    QTreeWidget &taskListView() { return *ui<QTreeWidget>(main->timedList(), "taskListView"); }
    void select(int row) { taskListView().setCurrentItem(taskListView().topLevelItem(row)); }
    QStringList statuses() { return column(taskListView(), TimedList::StatusColumn); }
};

const QList<QVariantList> kThreeTasks = {
    {QStringLiteral("9:05:03"), QStringLiteral("10,20,左键单击,100|"), QStringLiteral("2")},
    {QStringLiteral("09:05:03"), QStringLiteral(""), QStringLiteral("007")},
    {QStringLiteral("13:00:00"), QStringLiteral("1,2,右键双击,5|3,4,无点击,6|"), QStringLiteral("")}};

} // namespace

class TimedListTest : public QObject {
    Q_OBJECT
  private slots:
    void listsEveryTaskNotEnabledWithTheCycleCountBeforeTheSteps() {
        Timed t(kThreeTasks);
        QTreeWidget &view = t.taskListView();
        QCOMPARE(view.columnCount(), 4);
        const QStringList captions = {QStringLiteral("行号"), QStringLiteral("定时时间"),
                                      QStringLiteral("点击次数"), QStringLiteral("状态")};
        const int widths[] = {50, 100, 80, 60};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(view.headerItem()->text(c), captions[c]);
            QCOMPARE(view.columnWidth(c), widths[c]);
        }
        QCOMPARE(column(view, 0),
                 (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
        QCOMPARE(column(view, 1), (QStringList{QStringLiteral("9:05:03"), QStringLiteral("09:05:03"),
                                               QStringLiteral("13:00:00")}));
        QCOMPARE(column(view, 2), (QStringList{QStringLiteral("2"), QStringLiteral("007"), QString()}));
        // The steps go with the row, in no column.
        QCOMPARE((QStringList{t.list().rowAt(0).steps, t.list().rowAt(1).steps, t.list().rowAt(2).steps}),
                 (QStringList{QStringLiteral("10,20,左键单击,100|"), QString(),
                              QStringLiteral("1,2,右键双击,5|3,4,无点击,6|")}));
        QCOMPARE(t.statuses(), (QStringList{kOff, kOff, kOff}));
        QCOMPARE(view.selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(t.f.fake.messageBoxes.shown().empty());
    }

    void enablingColoursTheRowAndAReloadSetsEveryRowBack() {
        Timed t(kThreeTasks);
        ui<QPushButton>(&t.list(), "enableButton")->click(); // nothing selected: nothing happens
        QCOMPARE(t.statuses(), (QStringList{kOff, kOff, kOff}));
        t.select(1);
        ui<QPushButton>(&t.list(), "enableButton")->click();
        QCOMPARE(t.statuses(), (QStringList{kOff, kOn, kOff}));
        QCOMPARE(t.list().rowBackground(*t.taskListView().topLevelItem(1)),
                 std::make_optional(QColor(166, 202, 240)));
        QCOMPARE(t.list().rowBackground(*t.taskListView().topLevelItem(0)), std::nullopt);
        // Drawn light blue: a pixel of the row's time cell, selection cleared.
        t.taskListView().clearSelection();
        const QImage image = t.taskListView().viewport()->grab().toImage();
        const QRect cell = t.taskListView().visualItemRect(t.taskListView().topLevelItem(1));
        // Past the end of the time text, clear of the grid line.
        const int x =
            t.taskListView().header()->sectionPosition(1) + t.taskListView().header()->sectionSize(1) - 6;
        QCOMPARE(QColor(image.pixel(x, cell.center().y())), QColor(166, 202, 240));
        QVERIFY(QColor(image.pixel(x, cell.center().y() - cell.height())) != QColor(166, 202, 240));
        t.select(1);
        ui<QPushButton>(&t.list(), "disableButton")->click();
        QCOMPARE(t.statuses(), (QStringList{kOff, kOff, kOff}));
        t.select(0);
        ui<QPushButton>(&t.list(), "enableButton")->click();
        t.select(2);
        ui<QPushButton>(&t.list(), "enableButton")->click();
        t.main->timedList()->reload();
        QCOMPARE(t.statuses(), (QStringList{kOff, kOff, kOff}));
        QVERIFY(!t.list().selectedRow());
    }

    // An import adds rows behind the list's back: they come in disabled,
    // and the tasks the user had enabled stay enabled, by id.
    void aReloadAfterAnImportKeepsWhatWasEnabled() {
        Timed t(kThreeTasks);
        t.select(0);
        ui<QPushButton>(&t.list(), "enableButton")->click();
        t.select(2);
        ui<QPushButton>(&t.list(), "enableButton")->click();
        seed(t.f, {{QStringLiteral("20:00:00"), QStringLiteral("5,5,左键单击,1|"), QStringLiteral("1")}});
        t.list().reloadKeepingEnabled();
        QCOMPARE(column(t.taskListView(), TimedList::IdColumn),
                 (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                              QStringLiteral("4")}));
        QCOMPARE(t.statuses(), (QStringList{kOn, kOff, kOn, kOff}));
        // What a screen reader reads follows the status.
        QCOMPARE(t.taskListView()
                     .topLevelItem(2)
                     ->data(TimedList::StatusColumn, Qt::AccessibleTextRole)
                     .toString(),
                 kOn);
    }

    void deleteAsksAndNoChangesNothing() {
        Timed t(kThreeTasks);
        ui<QPushButton>(&t.list(), "deleteButton")->click();
        QCOMPARE(t.f.fake.messageBoxes.texts(), QStringList{QStringLiteral("请选择您要删除的记录")});
        QCOMPARE(t.f.fake.messageBoxes.shown()[0].buttons, Buttons::Ok);
        QCOMPARE(t.f.fake.messageBoxes.shown()[0].icon, Icon::Information);
        t.f.fake.messageBoxes.clear();

        t.select(1);
        ui<QPushButton>(&t.list(), "enableButton")->click();
        t.f.fake.messageBoxes.answer(Answer::No);
        ui<QPushButton>(&t.list(), "deleteButton")->click();
        const fake::ShownBox &box = t.f.fake.messageBoxes.shown().at(0);
        QCOMPARE(box.text, QStringLiteral("是否确定要删除选定记录."));
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.buttons, Buttons::YesNo);
        QCOMPARE(box.icon, Icon::Information);
        QCOMPARE(box.owner.data(), static_cast<QWidget *>(t.main));
        QCOMPARE(t.taskListView().topLevelItemCount(), 3);
        QCOMPARE(t.statuses(), (QStringList{kOff, kOn, kOff}));

        t.f.fake.messageBoxes.answer(Answer::Yes);
        ui<QPushButton>(&t.list(), "deleteButton")->click();
        QCOMPARE(column(t.taskListView(), 0), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
        QCOMPARE(t.statuses(), (QStringList{kOff, kOff}));
        // Gone from the file too, not only from the list.
        t.main->timedList()->reload();
        QCOMPARE(column(t.taskListView(), 0), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    }

    void aNullSkipsItsRowOnlyAndIsNamedOnce() {
        Timed t({{QStringLiteral("9:00:05"), QStringLiteral("1,1,左键单击,1|"), QStringLiteral("1")},
                 {QStringLiteral("9:00:06"), QStringLiteral("2,2,左键单击,1|"), QVariant()},
                 {QStringLiteral("9:00:07"), QStringLiteral("3,3,左键单击,1|"), QStringLiteral("1")}});
        QCOMPARE(column(t.taskListView(), TimedList::TimeColumn),
                 (QStringList{QStringLiteral("9:00:05"), QStringLiteral("9:00:07")}));
        QCOMPARE(t.statuses(), (QStringList{kOff, kOff}));
        QCOMPARE(t.f.fake.messageBoxes.shown().size(), std::size_t(1));
        const fake::ShownBox &box = t.f.fake.messageBoxes.shown().at(0);
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Warning);
        QVERIFY2(box.text.contains(QStringLiteral("定时任务列表: id 2 (9:00:06)")), qPrintable(box.text));
        // Start-up went on: both hotkeys are held.
        QCOMPARE(t.f.fake.hotkeys.registrations().size(), std::size_t(2));
        // A later refill skips it again without a second message.
        t.main->timedList()->reload();
        QCOMPARE(t.taskListView().topLevelItemCount(), 2);
        QCOMPARE(t.f.fake.messageBoxes.shown().size(), std::size_t(1));
    }

    void theTickDressesTheWindowAtTheStartOfEachSecond() {
        GuiFixture f;
        f.fake.advance(300); // the window is made 300 ms into a second
        MainWindow &main = f.start();
        main.setWindowTitle(QStringLiteral("other"));
        f.fake.advance(699);
        QCOMPARE(main.windowTitle(), QStringLiteral("other"));
        f.fake.advance(1);
        QCOMPARE(main.windowTitle(), texts::kSchedulerTitle);
        QCOMPARE(ui<StatusBar>(&main, "statusBar")->panelText(0), QStringLiteral("Tarvik鼠标点击器V1.0"));
        ui<StatusBar>(&main, "statusBar")->setPanelText(0, QStringLiteral("x"));
        f.fake.advance(1000);
        QCOMPARE(ui<StatusBar>(&main, "statusBar")->panelText(0), QStringLiteral("Tarvik鼠标点击器V1.0"));
    }

    void aBadCycleCountIsReportedOnceAndTheSchedulerRuns() {
        Timed t({{QStringLiteral("9:00:02"), QStringLiteral("1,1,左键单击,1|"), QStringLiteral("x")},
                 {QStringLiteral("9:00:04"), QStringLiteral("1,1,左键单击,1|"), QStringLiteral("y")}});
        t.list().enableAll();
        t.f.fake.advance(3000);
        const QString text = QStringLiteral("定时点击出错,请联系作者反馈错误信息.QQ:");
        QCOMPARE(t.f.fake.messageBoxes.texts(), QStringList{text});
        QCOMPARE(t.f.fake.messageBoxes.shown()[0].buttons, Buttons::Ok);
        QCOMPARE(t.f.fake.messageBoxes.shown()[0].icon, Icon::Information);
        QCOMPARE(t.f.fake.messageBoxes.shown()[0].caption, QStringLiteral("提示"));
        t.f.fake.advance(2000);
        QCOMPARE(t.f.fake.messageBoxes.texts(), (QStringList{text, text}));
        QVERIFY(t.f.fake.timers.isRunning(t.main, MainWindow::kSchedulerTimerId));
    }

    void aDueTaskPlaysCycleByCycleAndTheStopHotkeyEndsOnlyTheCycleInProgress() {
        Timed t({{QStringLiteral("9:00:02"), QStringLiteral("10,20,左键单击,100|30,40,左键单击,100|"),
                  QStringLiteral("3")}});
        t.select(0);
        ui<QPushButton>(&t.list(), "enableButton")->click();
        // The stop hotkey F6 while the first step waits.
        t.f.fake.time.schedule(2050, [&] { QVERIFY(t.f.fake.hotkeys.press(Modifiers{}, HotkeyKey{6})); });
        t.f.fake.advance(6000);
        std::vector<qint64> downs;
        std::vector<Point> where;
        for (const fake::MouseCall &call : t.f.fake.mouse.buttonCalls())
            if (call.event == ButtonEvent::LeftDown) {
                downs.push_back(call.timeMs);
                where.push_back(call.at);
            }
        // The stop ends the first step's interval at once; the next cycle plays from there.
        QCOMPARE(downs, (std::vector<qint64>{2000, 2050, 2150, 3050, 3150}));
        QCOMPARE(where, (std::vector<Point>{{10, 20}, {10, 20}, {30, 40}, {10, 20}, {30, 40}}));
        QCOMPARE(t.f.fake.messageBoxes.texts(), QStringList{QStringLiteral("     鼠标点击器已经停止.     ")});
        QCOMPARE(t.statuses(), QStringList{kOn});
    }

    void theStartButtonWritesTheEntryAndReportsAFailure() {
        Timed t;
        ui<QPushButton>(&t.list(), "startWithSessionButton")->click();
        ui<QPushButton>(&t.list(), "startWithSessionButton")->click();
        const QPair<QString, QString> entry{QDir::toNativeSeparators(QCoreApplication::applicationFilePath()),
                                            QStringLiteral("autotime")};
        QCOMPARE(t.f.fake.sessionStart.written, (QList<QPair<QString, QString>>{entry, entry}));
        QVERIFY(t.f.fake.messageBoxes.shown().empty());
        QCOMPARE(ui<QPushButton>(&t.list(), "startWithSessionButton")->text(),
                 QStringLiteral("设置开机启动"));

        t.f.fake.sessionStart.fails = true;
        ui<QPushButton>(&t.list(), "startWithSessionButton")->click();
        QCOMPARE(t.f.fake.messageBoxes.texts(),
                 QStringList{QStringLiteral("Failed to set data for 'lumoclick'")});
        QCOMPARE(t.f.fake.messageBoxes.shown()[0].caption, QStringLiteral("Tarvik鼠标点击器V1.0"));
        QCOMPARE(t.f.fake.messageBoxes.shown()[0].buttons, Buttons::Ok);
        QCOMPARE(t.f.fake.messageBoxes.shown()[0].icon, Icon::Error);
    }

    void theAutotimeStartEnablesEveryTaskAndMinimises() {
        Timed t(kThreeTasks, {QStringLiteral("lumoclick"), QStringLiteral("autotime"), QStringLiteral("x")});
        QCOMPARE(t.statuses(), (QStringList{kOn, kOn, kOn}));
        QVERIFY(t.main->isMinimized());
        // The rest of start-up ran.
        QCOMPARE(t.f.fake.hotkeys.registrations().size(), std::size_t(2));
        // Nothing was stored: a reload forgets it.
        t.main->timedList()->reload();
        QCOMPARE(t.statuses(), (QStringList{kOff, kOff, kOff}));
    }

    void onlyTheExactArgumentIsTheAutotimeStart() {
        for (const QString &argument :
             {QStringLiteral("Autotime"), QStringLiteral("autotime "), QStringLiteral("autotimex")}) {
            Timed t(kThreeTasks, {QStringLiteral("lumoclick"), argument});
            QCOMPARE(t.statuses(), (QStringList{kOff, kOff, kOff}));
            QVERIFY(!t.main->isMinimized());
        }
        Timed empty({}, {QStringLiteral("lumoclick"), QStringLiteral("autotime")});
        QCOMPARE(empty.taskListView().topLevelItemCount(), 0);
        QVERIFY(empty.main->isMinimized());
    }

    void addModifyAndDoubleClickOpenTheEditorsHooks() {
        Timed t(kThreeTasks);
        // The program hands the list its editors; without them a press does nothing.
        QObject::disconnect(&t.list(), &TimedList::addRequested, nullptr, nullptr);
        QObject::disconnect(&t.list(), &TimedList::modifyRequested, nullptr, nullptr);
        ui<QPushButton>(&t.list(), "addButton")->click();
        ui<QPushButton>(&t.list(), "modifyButton")->click();
        QVERIFY(t.f.fake.messageBoxes.shown().empty());
        int adds = 0;
        QStringList modified;
        QObject::connect(&t.list(), &TimedList::addRequested, [&] { ++adds; });
        QObject::connect(&t.list(), &TimedList::modifyRequested, [&] {
            modified << (t.list().selectedRow() ? t.list().selectedRow()->id : QString());
        });
        ui<QPushButton>(&t.list(), "addButton")->click();
        QCOMPARE(adds, 1);
        auto *view = ui<QTreeWidget>(&t.list(), "taskListView");
        // Below the rows: no task to modify.
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(20, view->viewport()->height() - 5));
        QVERIFY(modified.isEmpty());
        t.select(2);
        // A double click is a click and a second press on the same row.
        const QPoint onRow = view->visualItemRect(view->topLevelItem(2)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onRow);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, onRow);
        ui<QPushButton>(&t.list(), "modifyButton")->click();
        QCOMPARE(modified, (QStringList{QStringLiteral("3"), QStringLiteral("3")}));
    }
};

QTEST_MAIN(TimedListTest)
#include "TimedListTest.moc"
