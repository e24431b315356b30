// The add and modify timed task dialogs on the fake backend.

#include "steps/StepEditors.h"
#include "steps/StepListText.h"
#include "storage/Database.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"
#include "timed/TimedList.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace lumo;
using lumo::test::ui;
using namespace platform;
using lumo::test::GuiFixture;

namespace {

const QString kLeft = QStringLiteral("左键单击");
const QString kRightDouble = QStringLiteral("右键双击");

struct Editors {
    GuiFixture f;
    int reloads = 0;

    explicit Editors(bool withDatabase = true) : f(withDatabase) {
        f.start();
        QObject::connect(&add(), &TimedEditor::saved, [this] { ++reloads; });
        QObject::connect(&mod(), &TimedEditor::saved, [this] { ++reloads; });
    }
    AddTimedTaskDialog &add() { return *f.forms->addTimedTaskDialog; }
    ModifyTimedTaskDialog &mod() { return *f.forms->modifyTimedTaskDialog; }
    MainContext &context() { return f.main().context(); }

    // Every tplist row as id, time, steps, cycles.
    QList<QStringList> rows() {
        DbQuery query(f.forms->database);
        query.setStatement(QStringLiteral("select * from [tplist]"));
        query.open();
        QList<QStringList> all;
        for (int r = 0; r < query.recordCount(); ++r)
            all.append({query.text(r, 0), query.text(r, 1), query.text(r, 2), query.text(r, 3)});
        return all;
    }
    void insertRow(const QString &time, const QString &steps, const QString &cycles) {
        DbQuery query(f.forms->database);
        query.setStatement(QStringLiteral("insert into [tplist] (tpname,mpoint,nums) values(:a,:b,:c)"));
        query.setParam(QStringLiteral("a"), time);
        query.setParam(QStringLiteral("b"), steps);
        query.setParam(QStringLiteral("c"), cycles);
        query.execute();
    }
};

QStringList rowTexts(const QTreeWidget &view) {
    QStringList texts;
    for (int i = 0; i < view.topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = view.topLevelItem(i);
        texts << row->text(0) + QLatin1Char('/') + row->text(1) + QLatin1Char('/') + row->text(2);
    }
    return texts;
}

void fillThreeSteps(QTreeWidget &view) {
    view.clear();
    appendStepRow(view, QStringLiteral("1,2"), kLeft, QStringLiteral("20"));
    appendStepRow(view, QStringLiteral("3,4"), kRightDouble, QStringLiteral("100"));
    appendStepRow(view, QStringLiteral("5,6"), kLeft, QStringLiteral("30"));
}

void select(QTreeWidget &view, int row) {
    view.setCurrentItem(view.topLevelItem(row));
}

} // namespace

class TimedEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void bothDialogsShareTheFieldsAndDifferInTheirDress() {
        Editors e;
        for (TimedEditor *dialog :
             {static_cast<TimedEditor *>(&e.add()), static_cast<TimedEditor *>(&e.mod())}) {
            QCOMPARE(ui<QComboBox>(dialog, "hourComboBox")->count(), 24);
            QCOMPARE(ui<QComboBox>(dialog, "hourComboBox")->itemText(22), QStringLiteral("23"));
            QCOMPARE(ui<QComboBox>(dialog, "hourComboBox")->itemText(23), QStringLiteral("0"));
            for (QComboBox *field :
                 {ui<QComboBox>(dialog, "minuteComboBox"), ui<QComboBox>(dialog, "secondComboBox")}) {
                QCOMPARE(field->count(), 59);
                QCOMPARE(field->itemText(4), QStringLiteral("05"));
                QCOMPARE(field->itemText(58), QStringLiteral("59"));
                QCOMPARE(field->findText(QStringLiteral("00")), -1);
            }
            for (QComboBox *field :
                 {ui<QComboBox>(dialog, "hourComboBox"), ui<QComboBox>(dialog, "minuteComboBox"),
                  ui<QComboBox>(dialog, "secondComboBox")})
                QCOMPARE(field->currentText(), QStringLiteral("00"));
            QCOMPARE(ui<QLineEdit>(dialog, "cyclesEdit")->text(), QStringLiteral("1"));
            QCOMPARE(ui<QTreeWidget>(dialog, "stepListView")->topLevelItemCount(), 0);
            QVERIFY(!(dialog->windowFlags() & Qt::WindowMaximizeButtonHint));
            QVERIFY(!(dialog->windowFlags() & Qt::WindowMinimizeButtonHint));
            QVERIFY(dialog->windowFlags() & Qt::WindowCloseButtonHint);
        }
        QCOMPARE(e.add().windowTitle(), QStringLiteral("添加定时点击"));
        QCOMPARE(e.mod().windowTitle(), QStringLiteral("修改定时点击"));
        QCOMPARE(e.mod().size(), QSize(335, 400));
        QCOMPARE(e.mod().minimumSize(), e.mod().maximumSize());
        QVERIFY(e.add().minimumSize() != e.add().maximumSize());
    }

    void fieldsTakeDigitsOnlyUpToTheirLimits() {
        Editors e;
        for (TimedEditor *dialog :
             {static_cast<TimedEditor *>(&e.add()), static_cast<TimedEditor *>(&e.mod())}) {
            dialog->show();
            for (QComboBox *field :
                 {ui<QComboBox>(dialog, "hourComboBox"), ui<QComboBox>(dialog, "minuteComboBox"),
                  ui<QComboBox>(dialog, "secondComboBox")}) {
                field->setEditText(QString());
                QTest::keyClicks(field, QStringLiteral("a-1 x"));
                QTest::keyClick(field, Qt::Key_Return, Qt::NoModifier);
                QTest::keyClicks(field, QStringLiteral("23"));
                QCOMPARE(field->currentText(), QStringLiteral("12"));
                QTest::keyClick(field, Qt::Key_Backspace);
                QCOMPARE(field->currentText(), QStringLiteral("1"));
                // Picking an item is not typing.
                field->setCurrentIndex(4);
                QCOMPARE(field->currentText(), field->itemText(4));
            }
            ui<QLineEdit>(dialog, "cyclesEdit")->clear();
            QTest::keyClicks(ui<QLineEdit>(dialog, "cyclesEdit"), QStringLiteral("-1a2345"));
            dialog->hide();
        }
        QCOMPARE(ui<QLineEdit>(&e.add(), "cyclesEdit")->text(), QStringLiteral("123"));
        QCOMPARE(ui<QLineEdit>(&e.mod(), "cyclesEdit")->text(), QStringLiteral("12345"));
    }

    void anInputMethodCommitsOnlyItsDigits() {
        Editors e;
        for (TimedEditor *dialog :
             {static_cast<TimedEditor *>(&e.add()), static_cast<TimedEditor *>(&e.mod())}) {
            ui<QComboBox>(dialog, "hourComboBox")->setEditText(QString());
            ui<QComboBox>(dialog, "secondComboBox")->setEditText(QString());
            ui<QLineEdit>(dialog, "cyclesEdit")->clear();
            for (QWidget *field : {static_cast<QWidget *>(ui<QComboBox>(dialog, "hourComboBox")),
                                   static_cast<QWidget *>(ui<QComboBox>(dialog, "secondComboBox")),
                                   static_cast<QWidget *>(ui<QLineEdit>(dialog, "cyclesEdit"))}) {
                for (const QString &commit : {QStringLiteral("一a-"), QStringLiteral("五1b2")}) {
                    QInputMethodEvent input;
                    input.setCommitString(commit);
                    QApplication::sendEvent(field, &input);
                }
            }
            QCOMPARE(ui<QComboBox>(dialog, "hourComboBox")->currentText(), QStringLiteral("12"));
            QCOMPARE(ui<QComboBox>(dialog, "secondComboBox")->currentText(), QStringLiteral("12"));
            QCOMPARE(ui<QLineEdit>(dialog, "cyclesEdit")->text(), QStringLiteral("12"));
        }
    }

    void tabLeavesTheDigitFieldsForTheNextControl() {
        Editors e;
        AddTimedTaskDialog &dialog = e.add();
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ui<QComboBox>(&dialog, "hourComboBox")->setFocus();
        QWidget *const order[] = {ui<QComboBox>(&dialog, "minuteComboBox"),
                                  ui<QComboBox>(&dialog, "secondComboBox"),
                                  ui<QLineEdit>(&dialog, "cyclesEdit")};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), ui<QComboBox>(&dialog, "secondComboBox"));
        QCOMPARE(ui<QComboBox>(&dialog, "secondComboBox")->currentText(), QStringLiteral("00"));
        QCOMPARE(ui<QLineEdit>(&dialog, "cyclesEdit")->text(), QStringLiteral("1"));
    }

    void escClosesTheAddDialogOnlyWhereverTheFocusIs() {
        Editors e;
        for (QWidget *target : {static_cast<QWidget *>(ui<QComboBox>(&e.add(), "minuteComboBox")),
                                static_cast<QWidget *>(ui<QLineEdit>(&e.add(), "cyclesEdit")),
                                static_cast<QWidget *>(ui<QTreeWidget>(&e.add(), "stepListView")),
                                static_cast<QWidget *>(ui<QPushButton>(&e.add(), "modifyStepButton"))}) {
            e.add().show();
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY2(!e.add().isVisible(), qPrintable(target->objectName()));
        }
        e.mod().show();
        for (QWidget *target : {static_cast<QWidget *>(ui<QComboBox>(&e.mod(), "minuteComboBox")),
                                static_cast<QWidget *>(ui<QLineEdit>(&e.mod(), "cyclesEdit")),
                                static_cast<QWidget *>(ui<QTreeWidget>(&e.mod(), "stepListView")),
                                static_cast<QWidget *>(ui<QPushButton>(&e.mod(), "modifyStepButton"))}) {
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY2(e.mod().isVisible(), qPrintable(target->objectName()));
        }
        QCOMPARE(ui<QComboBox>(&e.mod(), "minuteComboBox")->currentText(), QStringLiteral("00"));
    }

    void theTimeLabelShowsTheClockAtOpeningAndStays() {
        Editors e;
        e.f.fake.advance((5 * 60 + 3) * 1000); // 9:05:03
        e.add().show();
        QCOMPARE(ui<QLabel>(&e.add(), "currentTimeLabel")->text(), QStringLiteral("当前系统时间:9:05:03"));
        e.f.fake.advance(2000);
        QCOMPARE(ui<QLabel>(&e.add(), "currentTimeLabel")->text(), QStringLiteral("当前系统时间:9:05:03"));
        e.add().hide();
        e.f.fake.locale.format.twelveHour = true;
        e.f.fake.locale.format.leadingZero = true;
        e.f.fake.locale.format.am = QStringLiteral("上午");
        e.mod().show();
        QCOMPARE(ui<QLabel>(&e.mod(), "currentTimeLabel")->text(),
                 QStringLiteral("当前系统时间:09:05:05 上午"));
    }

    void addOkStoresTheFieldsAsTheyStandAndReloads() {
        Editors e;
        ui<QPushButton>(&e.add(), "okButton")->click();
        QVERIFY(!e.add().isVisible());
        QCOMPARE(e.reloads, 1);
        ui<QComboBox>(&e.add(), "hourComboBox")->setCurrentIndex(8);   // "9"
        ui<QComboBox>(&e.add(), "minuteComboBox")->setCurrentIndex(4); // "05"
        ui<QComboBox>(&e.add(), "secondComboBox")->setCurrentIndex(2); // "03"
        fillThreeSteps(*ui<QTreeWidget>(&e.add(), "stepListView"));
        ui<QLineEdit>(&e.add(), "cyclesEdit")->setText(QStringLiteral("3"));
        ui<QPushButton>(&e.add(), "okButton")->click();
        ui<QComboBox>(&e.add(), "hourComboBox")->setEditText(QStringLiteral("09"));
        ui<QComboBox>(&e.add(), "minuteComboBox")->setEditText(QString());
        ui<QTreeWidget>(&e.add(), "stepListView")->clear();
        ui<QLineEdit>(&e.add(), "cyclesEdit")->setText(QString());
        ui<QPushButton>(&e.add(), "okButton")->click();
        const QList<QStringList> rows = e.rows();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].mid(1), (QStringList{QStringLiteral("00:00:00"), QString(), QStringLiteral("1")}));
        QCOMPARE(rows[1].mid(1),
                 (QStringList{QStringLiteral("9:05:03"),
                              QStringLiteral("1,2,左键单击,20|3,4,右键双击,100|5,6,左键单击,30|"),
                              QStringLiteral("3")}));
        QCOMPARE(rows[2].mid(1), (QStringList{QStringLiteral("09::03"), QString(), QString()}));
        QCOMPARE(e.reloads, 3);
        QVERIFY(e.f.fake.messageBoxes.shown().empty());
    }

    void theTimedListsButtonsOpenTheEditorsWhoseOkRefillsTheList() {
        GuiFixture f;
        MainWindow &main = f.start();
        TimedList &list = *main.timedList();
        ui<QPushButton>(&list, "addButton")->click();
        AddTimedTaskDialog &add = *f.forms->addTimedTaskDialog;
        QVERIFY(add.isVisible());
        ui<QComboBox>(&add, "hourComboBox")->setCurrentIndex(12); // "13"
        ui<QLineEdit>(&add, "cyclesEdit")->setText(QStringLiteral("2"));
        ui<QPushButton>(&add, "okButton")->click();
        QVERIFY(!add.isVisible());
        QTreeWidget &view = *ui<QTreeWidget>(&list, "taskListView");
        QCOMPARE(view.topLevelItemCount(), 1);
        QCOMPARE(view.topLevelItem(0)->text(1), QStringLiteral("13:00:00"));

        view.setCurrentItem(view.topLevelItem(0));
        ui<QPushButton>(&list, "modifyButton")->click();
        ModifyTimedTaskDialog &mod = *f.forms->modifyTimedTaskDialog;
        QVERIFY(mod.isVisible());
        QCOMPARE(ui<QComboBox>(&mod, "hourComboBox")->currentText(), QStringLiteral("13"));
        QCOMPARE(ui<QLineEdit>(&mod, "cyclesEdit")->text(), QStringLiteral("2"));
        ui<QLineEdit>(&mod, "cyclesEdit")->setText(QStringLiteral("5"));
        ui<QPushButton>(&mod, "okButton")->click();
        QCOMPARE(view.topLevelItemCount(), 1);
        QCOMPARE(view.topLevelItem(0)->text(2), QStringLiteral("5"));
        QVERIFY(f.fake.messageBoxes.shown().empty());
    }

    void theAddDialogsStepsAreEmptiedHoweverItClosesButTheTimeStays() {
        Editors e;
        ui<QComboBox>(&e.add(), "hourComboBox")->setEditText(QStringLiteral("13"));
        for (const auto &close : std::initializer_list<std::function<void()>>{
                 [&] { ui<QPushButton>(&e.add(), "cancelButton")->click(); }, [&] { e.add().close(); },
                 [&] { QTest::keyClick(ui<QTreeWidget>(&e.add(), "stepListView"), Qt::Key_Escape); },
                 [&] { ui<QPushButton>(&e.add(), "okButton")->click(); }}) {
            fillThreeSteps(*ui<QTreeWidget>(&e.add(), "stepListView"));
            e.add().openForNewTask();
            QVERIFY(e.add().isVisible());
            QVERIFY(e.add().isModal());
            QCOMPARE(ui<QTreeWidget>(&e.add(), "stepListView")->topLevelItemCount(), 3);
            close();
            QVERIFY(!e.add().isVisible());
            QCOMPARE(ui<QTreeWidget>(&e.add(), "stepListView")->topLevelItemCount(), 0);
            QCOMPARE(ui<QComboBox>(&e.add(), "hourComboBox")->currentText(), QStringLiteral("13"));
        }
        QCOMPARE(e.rows().size(), 1);
    }

    void aDatabaseFailureOnOkKeepsTheDialogOpenAndTheListUnreloaded() {
        Editors e(false);
        e.add().show();
        fillThreeSteps(*ui<QTreeWidget>(&e.add(), "stepListView"));
        ui<QPushButton>(&e.add(), "okButton")->click();
        QVERIFY(e.add().isVisible());
        QCOMPARE(e.reloads, 0);
        QCOMPARE(ui<QTreeWidget>(&e.add(), "stepListView")->topLevelItemCount(), 3);
        // The start-up already reported the missing file; the OK's own box is last.
        const fake::ShownBox &box = e.f.fake.messageBoxes.shown().back();
        QCOMPARE(box.caption, QStringLiteral("Tarvik鼠标点击器V1.0"));
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Error);
        QVERIFY(!box.text.isEmpty());
    }

    void modifyWithoutASelectedTaskShowsANoticeOnTheMainWindow() {
        Editors e;
        e.mod().openForTask(std::nullopt);
        QVERIFY(!e.mod().isVisible());
        const fake::ShownBox &box = e.f.fake.messageBoxes.shown().back();
        QCOMPARE(box.text, QStringLiteral("请选择要修改的项目."));
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Information);
        QCOMPARE(box.owner.data(), static_cast<QWidget *>(&e.f.main()));
    }

    void modifyFillsFromTheRowAndOkRewritesThatRow() {
        Editors e;
        e.insertRow(QStringLiteral("other"), QString(), QStringLiteral("1"));
        e.insertRow(QStringLiteral("9:05:03"),
                    QStringLiteral("1,2,左键单击,20|3,4,右键双击,100|5,6,左键单击,30|"),
                    QStringLiteral("0012"));
        const QString id = e.rows()[1][0];
        const TimedRow row{id, QStringLiteral("9:05:03"), QStringLiteral("0012"),
                           QStringLiteral("1,2,左键单击,20|3,4,右键双击,100|5,6,左键单击,30|"),
                           QStringLiteral("已启用")};
        e.mod().openForTask(row);
        QVERIFY(e.mod().isVisible());
        QCOMPARE(ui<QComboBox>(&e.mod(), "hourComboBox")->currentText(), QStringLiteral("9"));
        QCOMPARE(ui<QComboBox>(&e.mod(), "minuteComboBox")->currentText(), QStringLiteral("05"));
        QCOMPARE(ui<QComboBox>(&e.mod(), "secondComboBox")->currentText(), QStringLiteral("03"));
        QCOMPARE(ui<QLineEdit>(&e.mod(), "cyclesEdit")->text(), QStringLiteral("0012"));
        QCOMPARE(rowTexts(*ui<QTreeWidget>(&e.mod(), "stepListView")),
                 (QStringList{QStringLiteral("1,2/左键单击/20"), QStringLiteral("3,4/右键双击/100"),
                              QStringLiteral("5,6/左键单击/30")}));
        select(*ui<QTreeWidget>(&e.mod(), "stepListView"), 1);
        ui<QPushButton>(&e.mod(), "deleteStepButton")->click();
        ui<QComboBox>(&e.mod(), "secondComboBox")->setEditText(QStringLiteral("59"));
        ui<QPushButton>(&e.mod(), "okButton")->click();
        QVERIFY(!e.mod().isVisible());
        QCOMPARE(e.reloads, 1);
        const QList<QStringList> rows = e.rows();
        QCOMPARE(rows[0].mid(1), (QStringList{QStringLiteral("other"), QString(), QStringLiteral("1")}));
        QCOMPARE(rows[1],
                 (QStringList{id, QStringLiteral("9:05:59"),
                              QStringLiteral("1,2,左键单击,20|5,6,左键单击,30|"), QStringLiteral("0012")}));
    }

    // The two-digit limit of the time fields is on typing: a longer stored
    // piece is shown and stored back whole.
    void modifyStoresLongTimePiecesAndCountsBackWhole() {
        Editors e;
        e.insertRow(QStringLiteral("123:4567:89"), QStringLiteral("1,2,左键单击,20|"),
                    QStringLiteral("123456789012345"));
        const QList<QStringList> before = e.rows();
        const TimedRow row{before[0][0], before[0][1], before[0][3], before[0][2], QStringLiteral("未启用")};
        e.mod().openForTask(row);
        QVERIFY(e.mod().isVisible());
        auto *minuteField = e.mod().findChild<QComboBox *>(QStringLiteral("minuteComboBox"));
        QVERIFY(minuteField);
        QCOMPARE(minuteField->currentText(), QStringLiteral("4567"));
        e.mod().findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        QVERIFY(!e.mod().isVisible());
        QCOMPARE(e.rows(), before);

        e.mod().openForTask(row);
        minuteField->lineEdit()->setCursorPosition(4);
        QTest::keyClicks(minuteField, QStringLiteral("1"));
        QCOMPARE(minuteField->currentText(), QStringLiteral("4567"));
        QTest::keyClick(minuteField, Qt::Key_Backspace);
        QCOMPARE(minuteField->currentText(), QStringLiteral("456"));
        minuteField->lineEdit()->selectAll();
        QTest::keyClicks(minuteField, QStringLiteral("321"));
        QCOMPARE(minuteField->currentText(), QStringLiteral("32"));
        e.mod().findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
    }

    void cancellingTheModifyDialogLeavesTheTaskAndNextOpeningRefills() {
        Editors e;
        e.insertRow(QStringLiteral("13:00:00"), QStringLiteral("1,2,左键单击,20|"), QStringLiteral("2"));
        const QList<QStringList> before = e.rows();
        const TimedRow row{before[0][0], before[0][1], before[0][3], before[0][2], QStringLiteral("未启用")};
        e.mod().openForTask(row);
        ui<QTreeWidget>(&e.mod(), "stepListView")->clear();
        ui<QComboBox>(&e.mod(), "hourComboBox")->setEditText(QStringLiteral("1"));
        ui<QPushButton>(&e.mod(), "cancelButton")->click();
        QCOMPARE(e.rows(), before);
        QCOMPARE(e.reloads, 0);
        e.mod().openForTask(row);
        QCOMPARE(ui<QComboBox>(&e.mod(), "hourComboBox")->currentText(), QStringLiteral("13"));
        QCOMPARE(ui<QTreeWidget>(&e.mod(), "stepListView")->topLevelItemCount(), 1);
    }

    void aRowThatCannotBeFilledIsReportedAndTheDialogStaysHidden() {
        Editors e;
        ui<QComboBox>(&e.mod(), "secondComboBox")->setEditText(QStringLiteral("44"));
        const TimedRow shortTime{
            QStringLiteral("7"), QStringLiteral("9:05"), QStringLiteral("5"), QString(), {}};
        e.mod().openForTask(shortTime);
        QVERIFY(!e.mod().isVisible());
        QCOMPARE(ui<QLineEdit>(&e.mod(), "cyclesEdit")->text(), QStringLiteral("5"));
        QCOMPARE(ui<QComboBox>(&e.mod(), "hourComboBox")->currentText(), QStringLiteral("9"));
        QCOMPARE(ui<QComboBox>(&e.mod(), "minuteComboBox")->currentText(), QStringLiteral("05"));
        QCOMPARE(ui<QComboBox>(&e.mod(), "secondComboBox")->currentText(), QStringLiteral("44"));
        QCOMPARE(e.f.fake.messageBoxes.shown().back().buttons, Buttons::Ok);
        QCOMPARE(e.f.fake.messageBoxes.shown().back().icon, Icon::Error);
        QCOMPARE(e.f.fake.messageBoxes.shown().back().text, QStringLiteral("List index out of bounds (2)"));

        const TimedRow shortStep{QStringLiteral("7"),
                                 QStringLiteral("1:02:03"),
                                 QStringLiteral("5"),
                                 QStringLiteral("1,2,左键单击,20|3,4,左键单击|"),
                                 {}};
        e.mod().openForTask(shortStep);
        QVERIFY(!e.mod().isVisible());
        QCOMPARE(rowTexts(*ui<QTreeWidget>(&e.mod(), "stepListView")),
                 QStringList{QStringLiteral("1,2/左键单击/20")});
        QCOMPARE(e.f.fake.messageBoxes.shown().back().text, QStringLiteral("List index out of bounds (3)"));
    }

    void stepButtonsDeleteAndMoveTheSelectedStep() {
        Editors e;
        QTreeWidget &view = *ui<QTreeWidget>(&e.add(), "stepListView");
        fillThreeSteps(view);
        const QStringList original = rowTexts(view);
        // Nothing selected: nothing happens, silently.
        view.clearSelection();
        ui<QPushButton>(&e.add(), "deleteStepButton")->click();
        ui<QPushButton>(&e.add(), "moveStepUpButton")->click();
        ui<QPushButton>(&e.add(), "moveStepDownButton")->click();
        QCOMPARE(rowTexts(view), original);
        select(view, 0);
        ui<QPushButton>(&e.add(), "moveStepUpButton")->click();
        select(view, 2);
        ui<QPushButton>(&e.add(), "moveStepDownButton")->click();
        QCOMPARE(rowTexts(view), original);
        select(view, 1);
        ui<QPushButton>(&e.add(), "moveStepUpButton")->click();
        QCOMPARE(rowTexts(view), (QStringList{original[1], original[0], original[2]}));
        QCOMPARE(view.selectedItems(), QList<QTreeWidgetItem *>{view.topLevelItem(0)});
        ui<QPushButton>(&e.add(), "moveStepDownButton")->click();
        ui<QPushButton>(&e.add(), "moveStepDownButton")->click();
        QCOMPARE(rowTexts(view), (QStringList{original[0], original[2], original[1]}));
        QCOMPARE(view.selectedItems(), QList<QTreeWidgetItem *>{view.topLevelItem(2)});
        // Deleting asks nothing and takes only the selected step.
        select(view, 1);
        ui<QPushButton>(&e.add(), "deleteStepButton")->click();
        ui<QPushButton>(&e.add(), "deleteStepButton")->click();
        QCOMPARE(rowTexts(view), (QStringList{original[0], original[1]}));
        QVERIFY(e.f.fake.messageBoxes.shown().empty());
    }

    void eachDialogsStepEditorsAddToAndRewriteItsOwnList() {
        Editors e;
        const std::pair<TimedEditor *, std::pair<StepEditor *, StepEditor *>> pairs[] = {
            {&e.add(), {e.f.forms->addTimedTaskAddStepEditor, e.f.forms->addTimedTaskModifyStepEditor}},
            {&e.mod(),
             {e.f.forms->modifyTimedTaskAddStepEditor, e.f.forms->modifyTimedTaskModifyStepEditor}}};
        for (const auto &[dialog, editors] : pairs) {
            const auto [adder, changer] = editors;
            QTreeWidget &view = *ui<QTreeWidget>(dialog, "stepListView");
            fillThreeSteps(view);
            view.clearSelection();
            ui<QPushButton>(dialog, "modifyStepButton")->click();
            QVERIFY(!changer->isVisible());
            const fake::ShownBox &box = e.f.fake.messageBoxes.shown().back();
            QCOMPARE(box.text, QStringLiteral("请选择要修改的点击坐标."));
            QCOMPARE(box.buttons, Buttons::Ok);
            QCOMPARE(box.icon, Icon::Information);
            QCOMPARE(box.owner.data(), static_cast<QWidget *>(dialog));

            ui<QPushButton>(dialog, "addStepButton")->click();
            QVERIFY(adder->isVisible());
            ui<QLineEdit>(adder, "positionEdit")->setText(QStringLiteral("9,9"));
            ui<QPushButton>(adder, "applyButton")->click();
            ui<QPushButton>(adder, "closeButton")->click();
            QCOMPARE(view.topLevelItemCount(), 4);
            QCOMPARE(view.topLevelItem(3)->text(0), QStringLiteral("9,9"));

            select(view, 1);
            ui<QPushButton>(dialog, "modifyStepButton")->click();
            QVERIFY(changer->isVisible());
            QCOMPARE(ui<QLineEdit>(changer, "positionEdit")->text(), QStringLiteral("3,4"));
            ui<QLineEdit>(changer, "positionEdit")->setText(QStringLiteral("7,8"));
            ui<QPushButton>(changer, "applyButton")->click();
            QVERIFY(!changer->isVisible());
            QCOMPARE(rowTexts(view)[1], QStringLiteral("7,8/右键双击/100"));
            QCOMPARE(view.topLevelItemCount(), 4);
        }
    }

    void oddRowsAreStripedWhereverTheStepsMove() {
        Editors e;
        e.add().show();
        QTreeWidget &view = *ui<QTreeWidget>(&e.add(), "stepListView");
        fillThreeSteps(view);
        view.clearSelection();
        view.setCurrentItem(nullptr);
        const auto background = [&view](int row) {
            const QRect cell = view.visualItemRect(view.topLevelItem(row));
            const QImage image = view.viewport()->grab().toImage();
            return QColor(image.pixel(cell.right() - 4, cell.center().y()));
        };
        const QColor stripe(166, 202, 240);
        QCOMPARE(background(1), stripe);
        QVERIFY(background(0) != stripe);
        QVERIFY(background(2) != stripe);
        delete view.topLevelItem(0);
        QCOMPARE(background(1), stripe);
        QVERIFY(background(0) != stripe);
    }
};

QTEST_MAIN(TimedEditorTest)
#include "TimedEditorTest.moc"
