// The add and modify timed task dialogs on the fake backend.

#include "app/U_dm.h"
#include "scripts/StepListText.h"
#include "steps/StepEditors.h"
#include "tests/gui/support/GuiFixture.h"
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
        add().setReload([this] { ++reloads; });
        mod().setReload([this] { ++reloads; });
    }
    TFrm_AddTime &add() { return *f.forms->Frm_AddTime; }
    TFrm_ModTime &mod() { return *f.forms->Frm_ModTime; }
    MainContext &context() { return f.main().context(); }

    // Every tplist row as id, time, steps, cycles.
    QList<QStringList> rows() {
        DbQuery query(context());
        query.setStatement(QStringLiteral("select * from [tplist]"));
        query.open();
        QList<QStringList> all;
        for (int r = 0; r < query.recordCount(); ++r)
            all.append({query.text(r, 0), query.text(r, 1), query.text(r, 2), query.text(r, 3)});
        return all;
    }
    void insertRow(const QString &time, const QString &steps, const QString &cycles) {
        DbQuery query(context());
        query.setStatement(QStringLiteral("insert into [tplist] (tpname,mpoint,nums) values(:a,:b,:c)"));
        query.setParam(QStringLiteral("a"), time);
        query.setParam(QStringLiteral("b"), steps);
        query.setParam(QStringLiteral("c"), cycles);
        query.execute();
    }
};

QStringList rowTexts(const QTreeWidget &lv1) {
    QStringList texts;
    for (int i = 0; i < lv1.topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = lv1.topLevelItem(i);
        texts << row->text(0) + QLatin1Char('/') + row->text(1) + QLatin1Char('/') + row->text(2);
    }
    return texts;
}

void fillThreeSteps(QTreeWidget &lv1) {
    lv1.clear();
    appendStepRow(lv1, QStringLiteral("1,2"), kLeft, QStringLiteral("20"));
    appendStepRow(lv1, QStringLiteral("3,4"), kRightDouble, QStringLiteral("100"));
    appendStepRow(lv1, QStringLiteral("5,6"), kLeft, QStringLiteral("30"));
}

void select(QTreeWidget &lv1, int row) {
    lv1.setCurrentItem(lv1.topLevelItem(row));
}

} // namespace

class TimedEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void bothDialogsShareTheFieldsAndDifferInTheirDress() {
        Editors e;
        for (TimedEditor *dialog :
             {static_cast<TimedEditor *>(&e.add()), static_cast<TimedEditor *>(&e.mod())}) {
            QCOMPARE(dialog->cbb1->count(), 24);
            QCOMPARE(dialog->cbb1->itemText(22), QStringLiteral("23"));
            QCOMPARE(dialog->cbb1->itemText(23), QStringLiteral("0"));
            for (QComboBox *field : {dialog->cbb2, dialog->cbb3}) {
                QCOMPARE(field->count(), 59);
                QCOMPARE(field->itemText(4), QStringLiteral("05"));
                QCOMPARE(field->itemText(58), QStringLiteral("59"));
                QCOMPARE(field->findText(QStringLiteral("00")), -1);
            }
            for (QComboBox *field : {dialog->cbb1, dialog->cbb2, dialog->cbb3})
                QCOMPARE(field->currentText(), QStringLiteral("00"));
            QCOMPARE(dialog->edt1->text(), QStringLiteral("1"));
            QCOMPARE(dialog->lv1->topLevelItemCount(), 0);
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
            for (QComboBox *field : {dialog->cbb1, dialog->cbb2, dialog->cbb3}) {
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
            dialog->edt1->clear();
            QTest::keyClicks(dialog->edt1, QStringLiteral("-1a2345"));
            dialog->hide();
        }
        QCOMPARE(e.add().edt1->text(), QStringLiteral("123"));
        QCOMPARE(e.mod().edt1->text(), QStringLiteral("12345"));
    }

    void anInputMethodCommitsOnlyItsDigits() {
        Editors e;
        for (TimedEditor *dialog :
             {static_cast<TimedEditor *>(&e.add()), static_cast<TimedEditor *>(&e.mod())}) {
            dialog->cbb1->setEditText(QString());
            dialog->cbb3->setEditText(QString());
            dialog->edt1->clear();
            for (QWidget *field : {static_cast<QWidget *>(dialog->cbb1), static_cast<QWidget *>(dialog->cbb3),
                                   static_cast<QWidget *>(dialog->edt1)}) {
                for (const QString &commit : {QStringLiteral("一a-"), QStringLiteral("五1b2")}) {
                    QInputMethodEvent input;
                    input.setCommitString(commit);
                    QApplication::sendEvent(field, &input);
                }
            }
            QCOMPARE(dialog->cbb1->currentText(), QStringLiteral("12"));
            QCOMPARE(dialog->cbb3->currentText(), QStringLiteral("12"));
            QCOMPARE(dialog->edt1->text(), QStringLiteral("12"));
        }
    }

    void tabLeavesTheDigitFieldsForTheNextControl() {
        Editors e;
        TFrm_AddTime &dialog = e.add();
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.cbb1->setFocus();
        QWidget *const order[] = {dialog.cbb2, dialog.cbb3, dialog.edt1};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), dialog.cbb3);
        QCOMPARE(dialog.cbb3->currentText(), QStringLiteral("00"));
        QCOMPARE(dialog.edt1->text(), QStringLiteral("1"));
    }

    void escClosesTheAddDialogOnlyWhereverTheFocusIs() {
        Editors e;
        for (QWidget *target : {static_cast<QWidget *>(e.add().cbb2), static_cast<QWidget *>(e.add().edt1),
                                static_cast<QWidget *>(e.add().lv1), static_cast<QWidget *>(e.add().btn4)}) {
            e.add().show();
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY2(!e.add().isVisible(), qPrintable(target->objectName()));
        }
        e.mod().show();
        for (QWidget *target : {static_cast<QWidget *>(e.mod().cbb2), static_cast<QWidget *>(e.mod().edt1),
                                static_cast<QWidget *>(e.mod().lv1), static_cast<QWidget *>(e.mod().btn4)}) {
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY2(e.mod().isVisible(), qPrintable(target->objectName()));
        }
        QCOMPARE(e.mod().cbb2->currentText(), QStringLiteral("00"));
    }

    void theTimeLabelShowsTheClockAtOpeningAndStays() {
        Editors e;
        e.f.fake.advance((5 * 60 + 3) * 1000); // 9:05:03
        e.add().show();
        QCOMPARE(e.add().lbl6->text(), QStringLiteral("当前系统时间:9:05:03"));
        e.f.fake.advance(2000);
        QCOMPARE(e.add().lbl6->text(), QStringLiteral("当前系统时间:9:05:03"));
        e.add().hide();
        e.f.fake.locale.format.twelveHour = true;
        e.f.fake.locale.format.leadingZero = true;
        e.f.fake.locale.format.am = QStringLiteral("上午");
        e.mod().show();
        QCOMPARE(e.mod().lbl6->text(), QStringLiteral("当前系统时间:09:05:05 上午"));
    }

    void addOkStoresTheFieldsAsTheyStandAndReloads() {
        Editors e;
        e.add().btn1Click();
        QVERIFY(!e.add().isVisible());
        QCOMPARE(e.reloads, 1);
        e.add().cbb1->setCurrentIndex(8); // "9"
        e.add().cbb2->setCurrentIndex(4); // "05"
        e.add().cbb3->setCurrentIndex(2); // "03"
        fillThreeSteps(*e.add().lv1);
        e.add().edt1->setText(QStringLiteral("3"));
        e.add().btn1Click();
        e.add().cbb1->setEditText(QStringLiteral("09"));
        e.add().cbb2->setEditText(QString());
        e.add().lv1->clear();
        e.add().edt1->setText(QString());
        e.add().btn1Click();
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
        TFrm_Main &main = f.start();
        TimedList &list = *main.timedList;
        list.btn12->click();
        TFrm_AddTime &add = *f.forms->Frm_AddTime;
        QVERIFY(add.isVisible());
        add.cbb1->setCurrentIndex(12); // "13"
        add.edt1->setText(QStringLiteral("2"));
        add.btn1Click();
        QVERIFY(!add.isVisible());
        QTreeWidget &lv3 = *list.lv3;
        QCOMPARE(lv3.topLevelItemCount(), 1);
        QCOMPARE(lv3.topLevelItem(0)->text(1), QStringLiteral("13:00:00"));

        lv3.setCurrentItem(lv3.topLevelItem(0));
        list.btn13->click();
        TFrm_ModTime &mod = *f.forms->Frm_ModTime;
        QVERIFY(mod.isVisible());
        QCOMPARE(mod.cbb1->currentText(), QStringLiteral("13"));
        QCOMPARE(mod.edt1->text(), QStringLiteral("2"));
        mod.edt1->setText(QStringLiteral("5"));
        mod.btn1Click();
        QCOMPARE(lv3.topLevelItemCount(), 1);
        QCOMPARE(lv3.topLevelItem(0)->text(2), QStringLiteral("5"));
        QVERIFY(f.fake.messageBoxes.shown().empty());
    }

    void theAddDialogsStepsAreEmptiedHoweverItClosesButTheTimeStays() {
        Editors e;
        e.add().cbb1->setEditText(QStringLiteral("13"));
        for (const auto &close : std::initializer_list<std::function<void()>>{
                 [&] { e.add().btn2Click(); }, [&] { e.add().close(); },
                 [&] { QTest::keyClick(e.add().lv1, Qt::Key_Escape); }, [&] { e.add().btn1Click(); }}) {
            fillThreeSteps(*e.add().lv1);
            e.add().openAdd();
            QVERIFY(e.add().isVisible());
            QVERIFY(e.add().isModal());
            QCOMPARE(e.add().lv1->topLevelItemCount(), 3);
            close();
            QVERIFY(!e.add().isVisible());
            QCOMPARE(e.add().lv1->topLevelItemCount(), 0);
            QCOMPARE(e.add().cbb1->currentText(), QStringLiteral("13"));
        }
        QCOMPARE(e.rows().size(), 1);
    }

    void aDatabaseFailureOnOkKeepsTheDialogOpenAndTheListUnreloaded() {
        Editors e(false);
        e.add().show();
        fillThreeSteps(*e.add().lv1);
        e.add().btn1Click();
        QVERIFY(e.add().isVisible());
        QCOMPARE(e.reloads, 0);
        QCOMPARE(e.add().lv1->topLevelItemCount(), 3);
        // The start-up already reported the missing file; the OK's own box is last.
        const fake::ShownBox &box = e.f.fake.messageBoxes.shown().back();
        QCOMPARE(box.caption, QStringLiteral("Tarvik鼠标点击器V1.0"));
        QCOMPARE(box.flags, MB_OK | MB_ICONERROR);
        QVERIFY(!box.text.isEmpty());
    }

    void modifyWithoutASelectedTaskShowsANoticeOnTheMainWindow() {
        Editors e;
        e.mod().openModify(std::nullopt);
        QVERIFY(!e.mod().isVisible());
        const fake::ShownBox &box = e.f.fake.messageBoxes.shown().back();
        QCOMPARE(box.text, QStringLiteral("请选择要修改的项目."));
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.flags, MB_OK | MB_ICONINFORMATION);
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
        e.mod().openModify(row);
        QVERIFY(e.mod().isVisible());
        QCOMPARE(e.mod().cbb1->currentText(), QStringLiteral("9"));
        QCOMPARE(e.mod().cbb2->currentText(), QStringLiteral("05"));
        QCOMPARE(e.mod().cbb3->currentText(), QStringLiteral("03"));
        QCOMPARE(e.mod().edt1->text(), QStringLiteral("0012"));
        QCOMPARE(rowTexts(*e.mod().lv1),
                 (QStringList{QStringLiteral("1,2/左键单击/20"), QStringLiteral("3,4/右键双击/100"),
                              QStringLiteral("5,6/左键单击/30")}));
        select(*e.mod().lv1, 1);
        e.mod().btn5Click();
        e.mod().cbb3->setEditText(QStringLiteral("59"));
        e.mod().btn1Click();
        QVERIFY(!e.mod().isVisible());
        QCOMPARE(e.reloads, 1);
        const QList<QStringList> rows = e.rows();
        QCOMPARE(rows[0].mid(1), (QStringList{QStringLiteral("other"), QString(), QStringLiteral("1")}));
        QCOMPARE(rows[1],
                 (QStringList{id, QStringLiteral("9:05:59"),
                              QStringLiteral("1,2,左键单击,20|5,6,左键单击,30|"), QStringLiteral("0012")}));
    }

    void cancellingTheModifyDialogLeavesTheTaskAndNextOpeningRefills() {
        Editors e;
        e.insertRow(QStringLiteral("13:00:00"), QStringLiteral("1,2,左键单击,20|"), QStringLiteral("2"));
        const QList<QStringList> before = e.rows();
        const TimedRow row{before[0][0], before[0][1], before[0][3], before[0][2], QStringLiteral("未启用")};
        e.mod().openModify(row);
        e.mod().lv1->clear();
        e.mod().cbb1->setEditText(QStringLiteral("1"));
        e.mod().btn2Click();
        QCOMPARE(e.rows(), before);
        QCOMPARE(e.reloads, 0);
        e.mod().openModify(row);
        QCOMPARE(e.mod().cbb1->currentText(), QStringLiteral("13"));
        QCOMPARE(e.mod().lv1->topLevelItemCount(), 1);
    }

    void aRowThatCannotBeFilledIsReportedAndTheDialogStaysHidden() {
        Editors e;
        e.mod().cbb3->setEditText(QStringLiteral("44"));
        const TimedRow shortTime{
            QStringLiteral("7"), QStringLiteral("9:05"), QStringLiteral("5"), QString(), {}};
        e.mod().openModify(shortTime);
        QVERIFY(!e.mod().isVisible());
        QCOMPARE(e.mod().edt1->text(), QStringLiteral("5"));
        QCOMPARE(e.mod().cbb1->currentText(), QStringLiteral("9"));
        QCOMPARE(e.mod().cbb2->currentText(), QStringLiteral("05"));
        QCOMPARE(e.mod().cbb3->currentText(), QStringLiteral("44"));
        QCOMPARE(e.f.fake.messageBoxes.shown().back().flags, MB_OK | MB_ICONERROR);
        QCOMPARE(e.f.fake.messageBoxes.shown().back().text, QStringLiteral("List index out of bounds (2)"));

        const TimedRow shortStep{QStringLiteral("7"),
                                 QStringLiteral("1:02:03"),
                                 QStringLiteral("5"),
                                 QStringLiteral("1,2,左键单击,20|3,4,左键单击|"),
                                 {}};
        e.mod().openModify(shortStep);
        QVERIFY(!e.mod().isVisible());
        QCOMPARE(rowTexts(*e.mod().lv1), QStringList{QStringLiteral("1,2/左键单击/20")});
        QCOMPARE(e.f.fake.messageBoxes.shown().back().text, QStringLiteral("List index out of bounds (3)"));
    }

    void stepButtonsDeleteAndMoveTheSelectedStep() {
        Editors e;
        QTreeWidget &lv1 = *e.add().lv1;
        fillThreeSteps(lv1);
        const QStringList original = rowTexts(lv1);
        // Nothing selected: nothing happens, silently.
        lv1.clearSelection();
        e.add().btn5Click();
        e.add().btn6Click();
        e.add().btn7Click();
        QCOMPARE(rowTexts(lv1), original);
        select(lv1, 0);
        e.add().btn6Click();
        select(lv1, 2);
        e.add().btn7Click();
        QCOMPARE(rowTexts(lv1), original);
        select(lv1, 1);
        e.add().btn6Click();
        QCOMPARE(rowTexts(lv1), (QStringList{original[1], original[0], original[2]}));
        QCOMPARE(lv1.selectedItems(), QList<QTreeWidgetItem *>{lv1.topLevelItem(0)});
        e.add().btn7Click();
        e.add().btn7Click();
        QCOMPARE(rowTexts(lv1), (QStringList{original[0], original[2], original[1]}));
        QCOMPARE(lv1.selectedItems(), QList<QTreeWidgetItem *>{lv1.topLevelItem(2)});
        // Deleting asks nothing and takes only the selected step.
        select(lv1, 1);
        e.add().btn5Click();
        e.add().btn5Click();
        QCOMPARE(rowTexts(lv1), (QStringList{original[0], original[1]}));
        QVERIFY(e.f.fake.messageBoxes.shown().empty());
    }

    void eachDialogsStepEditorsAddToAndRewriteItsOwnList() {
        Editors e;
        const std::pair<TimedEditor *, std::pair<StepEditor *, StepEditor *>> pairs[] = {
            {&e.add(), {e.f.forms->frm_addpoint1, e.f.forms->frm_addtimemod}},
            {&e.mod(), {e.f.forms->Frm_modtimeadd, e.f.forms->Frm_ModTimemod}}};
        for (const auto &[dialog, editors] : pairs) {
            const auto [adder, changer] = editors;
            QTreeWidget &lv1 = *dialog->lv1;
            fillThreeSteps(lv1);
            lv1.clearSelection();
            dialog->btn4Click();
            QVERIFY(!changer->isVisible());
            const fake::ShownBox &box = e.f.fake.messageBoxes.shown().back();
            QCOMPARE(box.text, QStringLiteral("请选择要修改的点击坐标."));
            QCOMPARE(box.flags, MB_OK | MB_ICONINFORMATION);
            QCOMPARE(box.owner.data(), static_cast<QWidget *>(dialog));

            dialog->btn3Click();
            QVERIFY(adder->isVisible());
            adder->edt1->setText(QStringLiteral("9,9"));
            adder->btn1Click();
            adder->btn2Click();
            QCOMPARE(lv1.topLevelItemCount(), 4);
            QCOMPARE(lv1.topLevelItem(3)->text(0), QStringLiteral("9,9"));

            select(lv1, 1);
            dialog->btn4Click();
            QVERIFY(changer->isVisible());
            QCOMPARE(changer->edt1->text(), QStringLiteral("3,4"));
            changer->edt1->setText(QStringLiteral("7,8"));
            changer->btn1Click();
            QVERIFY(!changer->isVisible());
            QCOMPARE(rowTexts(lv1)[1], QStringLiteral("7,8/右键双击/100"));
            QCOMPARE(lv1.topLevelItemCount(), 4);
        }
    }

    void oddRowsAreStripedWhereverTheStepsMove() {
        Editors e;
        e.add().show();
        QTreeWidget &lv1 = *e.add().lv1;
        fillThreeSteps(lv1);
        lv1.clearSelection();
        lv1.setCurrentItem(nullptr);
        const auto background = [&lv1](int row) {
            const QRect cell = lv1.visualItemRect(lv1.topLevelItem(row));
            const QImage image = lv1.viewport()->grab().toImage();
            return QColor(image.pixel(cell.right() - 4, cell.center().y()));
        };
        const QColor stripe(166, 202, 240);
        QCOMPARE(background(1), stripe);
        QVERIFY(background(0) != stripe);
        QVERIFY(background(2) != stripe);
        delete lv1.topLevelItem(0);
        QCOMPARE(background(1), stripe);
        QVERIFY(background(0) != stripe);
    }
};

QTEST_MAIN(TimedEditorTest)
#include "TimedEditorTest.moc"
