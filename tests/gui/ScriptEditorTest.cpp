// The add and modify script dialogs: the step list built through the step
// editors, OK with its refusals and its rows in mplist, the openers.

#include "scripts/ScriptList.h"
#include "storage/ScriptStore.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace lumo;
using lumo::test::ui;
using namespace platform;
using lumo::test::GuiFixture;

namespace {

struct Scripts {
    GuiFixture f;
    int reloads = 0;

    Scripts() {
        f.start();
        for (ScriptEditor *dialog :
             {static_cast<ScriptEditor *>(add()), static_cast<ScriptEditor *>(modify())})
            QObject::connect(dialog, &ScriptEditor::saved, [this] { ++reloads; });
    }
    ScriptList &list() { return *f.main().scriptList(); }
    void selectScript(int row) {
        ui<QTreeWidget>(&list(), "scriptListView")
            ->setCurrentItem(ui<QTreeWidget>(&list(), "scriptListView")->topLevelItem(row));
    }
    AddScriptDialog *add() { return f.forms->addScriptDialog; }
    ModifyScriptDialog *modify() { return f.forms->modifyScriptDialog; }

    // mplist, one list of column texts per row.
    QList<QStringList> rows() {
        DbQuery query(f.forms->database);
        query.setStatement(QStringLiteral("select * from [mplist]"));
        query.open();
        QList<QStringList> rows;
        for (int row = 0; row < query.recordCount(); ++row) {
            QStringList columns;
            for (int column = 0; column < 5; ++column)
                columns << query.text(row, column);
            rows << columns;
        }
        return rows;
    }
    // mplist as "id|name|hotkey|steps|cycles" lines.
    QStringList table() {
        QStringList lines;
        for (const QStringList &columns : rows())
            lines << columns.join(QLatin1Char('|'));
        return lines;
    }
    ScriptRow storedRow(int row, const QString &status = QStringLiteral("未启用")) {
        const QStringList columns = rows().at(row);
        return {columns[0], columns[1], columns[2], columns[3], columns[4], status};
    }
    void captureAt(int x, int y) {
        f.fake.mouse.userMovesTo(x, y);
        QVERIFY(f.fake.hotkeys.press(Modifiers{}, HotkeyKey{11}));
    }
    QStringList boxTexts() const { return f.fake.messageBoxes.texts(); }
    // Saves a script through the add dialog with the steps as typed.
    void addScript(const QString &name, const QString &cycles, const QStringList &positions) {
        add()->openForNewScript();
        ui<QLineEdit>(add(), "nameEdit")->setText(name);
        ui<QLineEdit>(add(), "cyclesEdit")->setText(cycles);
        ui<QPushButton>(add(), "addStepButton")->click();
        for (const QString &position : positions) {
            ui<QLineEdit>(f.forms->addScriptAddStepEditor, "positionEdit")->setText(position);
            ui<QPushButton>(f.forms->addScriptAddStepEditor, "applyButton")->click();
        }
        f.forms->addScriptAddStepEditor->close();
        ui<QPushButton>(add(), "okButton")->click();
    }
};

QStringList positionsOf(const QTreeWidget &view) {
    QStringList positions;
    for (int i = 0; i < view.topLevelItemCount(); ++i)
        positions << view.topLevelItem(i)->text(0);
    return positions;
}

} // namespace

class ScriptEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void addFlowStoresTheStepsAndModifyStoresTheSameAgain() {
        Scripts s;
        ui<QPushButton>(&s.list(), "addButton")->click();
        QVERIFY(s.add()->isVisible());
        ui<QLineEdit>(s.add(), "nameEdit")->setText(QStringLiteral("登录"));
        ui<QComboBox>(s.add(), "hotkeyModifierComboBox")->setEditText(QStringLiteral("Ctrl+Alt"));
        ui<QComboBox>(s.add(), "hotkeyKeyComboBox")->setEditText(QStringLiteral("F9"));
        ui<QLineEdit>(s.add(), "cyclesEdit")->setText(QStringLiteral("3"));
        ui<QPushButton>(s.add(), "addStepButton")->click();
        StepEditor &editor = *s.f.forms->addScriptAddStepEditor;
        QVERIFY(editor.isVisible());
        s.captureAt(100, 200);
        ui<QPushButton>(&editor, "applyButton")->click();
        s.captureAt(350, 80);
        ui<QComboBox>(&editor, "eventComboBox")->setEditText(QStringLiteral("右键双击"));
        ui<QComboBox>(&editor, "intervalComboBox")->setEditText(QStringLiteral("500"));
        ui<QPushButton>(&editor, "applyButton")->click();
        s.captureAt(-7, 9);
        ui<QComboBox>(&editor, "eventComboBox")->setEditText(QStringLiteral("无点击"));
        ui<QPushButton>(&editor, "applyButton")->click();
        ui<QPushButton>(&editor, "closeButton")->click();
        QVERIFY(!editor.isVisible());
        ui<QPushButton>(s.add(), "okButton")->click();

        QVERIFY(!s.add()->isVisible());
        QCOMPARE(s.reloads, 1);
        QVERIFY(s.boxTexts().isEmpty());
        const QString steps = QStringLiteral("100,200,左键单击,20|350,80,右键双击,500|-7,9,无点击,20|");
        QCOMPARE(s.table(),
                 QStringList{QStringLiteral("1|登录|Ctrl+Alt+F9|") + steps + QStringLiteral("|3")});

        ui<QTreeWidget>(&s.list(), "scriptListView")->clearSelection();
        ui<QPushButton>(&s.list(), "modifyButton")->click();
        QCOMPARE(s.boxTexts(), QStringList{QStringLiteral("请选择要修改的项目.")});
        QCOMPARE(s.f.fake.messageBoxes.shown().back().owner.data(), static_cast<QWidget *>(&s.f.main()));
        QVERIFY(!s.modify()->isVisible());

        QCOMPARE(s.list().rows().size(), 1);
        s.selectScript(0);
        ui<QPushButton>(&s.list(), "modifyButton")->click();
        QVERIFY(s.modify()->isVisible());
        QCOMPARE(ui<QLineEdit>(s.modify(), "nameEdit")->text(), QStringLiteral("登录"));
        QCOMPARE(ui<QComboBox>(s.modify(), "hotkeyModifierComboBox")->currentText(),
                 QStringLiteral("Ctrl+Alt"));
        QCOMPARE(ui<QComboBox>(s.modify(), "hotkeyKeyComboBox")->currentText(), QStringLiteral("F9"));
        QCOMPARE(ui<QLineEdit>(s.modify(), "cyclesEdit")->text(), QStringLiteral("3"));
        QCOMPARE(positionsOf(*ui<QTreeWidget>(s.modify(), "stepListView")),
                 (QStringList{QStringLiteral("100,200"), QStringLiteral("350,80"), QStringLiteral("-7,9")}));
        ui<QPushButton>(s.modify(), "okButton")->click();
        QVERIFY(!s.modify()->isVisible());
        QCOMPARE(s.reloads, 2);
        QCOMPARE(s.table(),
                 QStringList{QStringLiteral("1|登录|Ctrl+Alt+F9|") + steps + QStringLiteral("|3")});
    }

    void modifyEditsStepsThroughItsOwnEditors() {
        Scripts s;
        s.addScript(QStringLiteral("a"), QStringLiteral("1"), {QStringLiteral("1,1"), QStringLiteral("2,2")});
        s.selectScript(0);
        ui<QPushButton>(&s.list(), "enableButton")->click(); // enable: Ctrl+F6
        QVERIFY(s.list().hotkeys().isHeld(QStringLiteral("1")));
        auto *view = ui<QTreeWidget>(&s.list(), "scriptListView");
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                           view->visualItemRect(view->topLevelItem(0)).center());
        QVERIFY(s.modify()->isVisible());
        ui<QPushButton>(s.modify(), "modifyStepButton")->click();
        QCOMPARE(s.boxTexts(), QStringList{QStringLiteral("请选择要修改的点击坐标.")});
        ui<QTreeWidget>(s.modify(), "stepListView")
            ->setCurrentItem(ui<QTreeWidget>(s.modify(), "stepListView")->topLevelItem(1));
        ui<QPushButton>(s.modify(), "modifyStepButton")->click();
        StepEditor &modifyStep = *s.f.forms->modifyScriptModifyStepEditor;
        QVERIFY(modifyStep.isVisible());
        QCOMPARE(ui<QLineEdit>(&modifyStep, "positionEdit")->text(), QStringLiteral("2,2"));
        s.captureAt(30, 40);
        ui<QPushButton>(&modifyStep, "applyButton")->click();
        ui<QPushButton>(s.modify(), "addStepButton")->click();
        StepEditor &addStep = *s.f.forms->modifyScriptAddStepEditor;
        s.captureAt(50, 60);
        ui<QPushButton>(&addStep, "applyButton")->click();
        addStep.close();
        ui<QComboBox>(s.modify(), "hotkeyModifierComboBox")->setEditText(QStringLiteral("无"));
        ui<QComboBox>(s.modify(), "hotkeyKeyComboBox")->setEditText(QStringLiteral("F10"));
        ui<QPushButton>(s.modify(), "okButton")->click();
        QCOMPARE(s.table(), QStringList{QStringLiteral(
                                "1|a|F10|1,1,左键单击,20|30,40,左键单击,20|50,60,左键单击,20||1")});
        // The held key follows the stored text: F10 plays it, Ctrl+F6 is free.
        QCOMPARE(s.list().rows().front().status, QStringLiteral("已启用"));
        const fake::HotkeyCall last = s.f.fake.hotkeys.registrations().back();
        QCOMPARE(qMakePair(last.modifiers, last.key), qMakePair(Modifiers{}, HotkeyKey{10}));
        QVERIFY(last.result);
        QVERIFY(!s.f.fake.hotkeys.press(Modifiers::Control, HotkeyKey{6}));
    }

    void okRefusesTheCycleCountFirstThenTheName() {
        Scripts s;
        s.add()->openForNewScript();
        ui<QLineEdit>(s.add(), "cyclesEdit")->setText(QStringLiteral("0"));
        ui<QPushButton>(s.add(), "okButton")->click();
        ui<QLineEdit>(s.add(), "cyclesEdit")->clear();
        ui<QPushButton>(s.add(), "okButton")->click();
        ui<QLineEdit>(s.add(), "cyclesEdit")->setText(QStringLiteral("1"));
        ui<QPushButton>(s.add(), "okButton")->click();
        QCOMPARE(s.boxTexts(),
                 (QStringList{QStringLiteral("请输入循环点击次数。"), QStringLiteral("请输入循环点击次数。"),
                              QStringLiteral("请输入多坐标点击的名称.")}));
        for (const fake::ShownBox &box : s.f.fake.messageBoxes.shown()) {
            QCOMPARE(box.owner.data(), static_cast<QWidget *>(s.add()));
            QCOMPARE(box.buttons, Buttons::Ok);
            QCOMPARE(box.icon, Icon::Information);
        }
        QCOMPARE(s.add()->focusWidget(), static_cast<QWidget *>(ui<QLineEdit>(s.add(), "nameEdit")));
        QVERIFY(s.add()->isVisible());
        QVERIFY(s.table().isEmpty());
        QCOMPARE(s.reloads, 0);
    }

    void refusesADuplicateNameButStoresCycleCountDoubleZeroAndNoSteps() {
        Scripts s;
        s.addScript(QStringLiteral("x"), QStringLiteral("00"), {});
        QCOMPARE(s.table(), QStringList{QStringLiteral("1|x|Ctrl+F6||00")});
        s.addScript(QStringLiteral("x"), QStringLiteral("2"), {QStringLiteral("5,5")});
        QCOMPARE(s.boxTexts(), QStringList{QStringLiteral("名称重复,请选择过其他的名称.")});
        QVERIFY(s.add()->isVisible());
        QCOMPARE(s.table().size(), 1);
        QCOMPARE(s.reloads, 1);
    }

    void aDatabaseFailureIsReportedAndTheDialogStaysOpen() {
        Scripts s;
        DbQuery drop(s.f.forms->database);
        drop.setStatement(QStringLiteral("drop table mplist"));
        drop.execute();
        s.addScript(QStringLiteral("y"), QStringLiteral("1"), {});
        QCOMPARE(s.f.fake.messageBoxes.shown().size(), std::size_t(1));
        QCOMPARE(s.f.fake.messageBoxes.shown().front().buttons, Buttons::Ok);
        QCOMPARE(s.f.fake.messageBoxes.shown().front().icon, Icon::Error);
        QVERIFY(s.boxTexts().front().contains(QStringLiteral("mplist")));
        QVERIFY(s.add()->isVisible());
        QCOMPARE(s.reloads, 0);
    }

    void movesKeepTheSelectionAndStopAtTheEnds() {
        Scripts s;
        s.addScript(QStringLiteral("m"), QStringLiteral("1"),
                    {QStringLiteral("1,1"), QStringLiteral("2,2"), QStringLiteral("3,3")});
        const ScriptRow row = s.storedRow(0);
        s.modify()->openForScript(&row);
        QTreeWidget &view = *ui<QTreeWidget>(s.modify(), "stepListView");
        const QStringList start{QStringLiteral("1,1"), QStringLiteral("2,2"), QStringLiteral("3,3")};
        view.setCurrentItem(view.topLevelItem(0));
        ui<QPushButton>(s.modify(), "moveStepUpButton")->click();
        QCOMPARE(positionsOf(view), start);
        QCOMPARE(view.selectedItems(), QList<QTreeWidgetItem *>{view.topLevelItem(0)});
        view.setCurrentItem(view.topLevelItem(2));
        ui<QPushButton>(s.modify(), "moveStepDownButton")->click();
        QCOMPARE(positionsOf(view), start);
        ui<QPushButton>(s.modify(), "moveStepUpButton")->click();
        QCOMPARE(positionsOf(view),
                 (QStringList{QStringLiteral("1,1"), QStringLiteral("3,3"), QStringLiteral("2,2")}));
        QCOMPARE(view.selectedItems().size(), 1);
        QCOMPARE(view.selectedItems().front()->text(0), QStringLiteral("3,3"));
        ui<QPushButton>(s.modify(), "moveStepDownButton")->click();
        QCOMPARE(positionsOf(view), start);
        QCOMPARE(view.selectedItems().front()->text(0), QStringLiteral("3,3"));
        ui<QPushButton>(s.modify(), "deleteStepButton")->click();
        QCOMPARE(positionsOf(view), (QStringList{QStringLiteral("1,1"), QStringLiteral("2,2")}));
        QVERIFY(s.boxTexts().isEmpty());
    }

    void escAndCancelStoreNothingAndTheNextAddStartsEmpty() {
        Scripts s;
        s.add()->openForNewScript();
        ui<QLineEdit>(s.add(), "nameEdit")->setText(QStringLiteral("z"));
        ui<QComboBox>(s.add(), "hotkeyModifierComboBox")->setEditText(QStringLiteral("Alt"));
        ui<QPushButton>(s.add(), "addStepButton")->click();
        ui<QLineEdit>(s.f.forms->addScriptAddStepEditor, "positionEdit")->setText(QStringLiteral("4,4"));
        ui<QPushButton>(s.f.forms->addScriptAddStepEditor, "applyButton")->click();
        s.f.forms->addScriptAddStepEditor->close();
        QTest::keyClick(ui<QTreeWidget>(s.add(), "stepListView"), Qt::Key_Escape);
        QVERIFY(!s.add()->isVisible());
        QVERIFY(s.table().isEmpty());
        s.add()->openForNewScript();
        QCOMPARE(ui<QLineEdit>(s.add(), "nameEdit")->text(), QString());
        QCOMPARE(ui<QLineEdit>(s.add(), "cyclesEdit")->text(), QStringLiteral("1"));
        QCOMPARE(ui<QTreeWidget>(s.add(), "stepListView")->topLevelItemCount(), 0);
        QCOMPARE(ui<QComboBox>(s.add(), "hotkeyModifierComboBox")->currentText(), QStringLiteral("Alt"));
        ui<QPushButton>(s.add(), "cancelButton")->click();
        QVERIFY(!s.add()->isVisible());
        QCOMPARE(s.reloads, 0);
    }

    void escClosesBothDialogsFromEveryControl() {
        Scripts s;
        const ScriptRow row{QStringLiteral("1"), QStringLiteral("e"), QStringLiteral("Ctrl+F6"),
                            QStringLiteral(""),  QStringLiteral("1"), QStringLiteral("未启用")};
        const auto reopen = [&](ScriptEditor *dialog) {
            if (dialog == s.add())
                s.add()->openForNewScript();
            else
                s.modify()->openForScript(&row);
        };
        for (ScriptEditor *dialog :
             {static_cast<ScriptEditor *>(s.add()), static_cast<ScriptEditor *>(s.modify())})
            for (QWidget *control : QList<QWidget *>{
                     ui<QLineEdit>(dialog, "nameEdit"), ui<QComboBox>(dialog, "hotkeyModifierComboBox"),
                     ui<QComboBox>(dialog, "hotkeyKeyComboBox"), ui<QLineEdit>(dialog, "cyclesEdit"),
                     ui<QTreeWidget>(dialog, "stepListView"), ui<QPushButton>(dialog, "addStepButton")}) {
                reopen(dialog);
                QTest::keyClick(control, Qt::Key_Escape);
                QVERIFY2(!dialog->isVisible(), qPrintable(control->objectName()));
            }
        QVERIFY(s.table().isEmpty());
    }

    void aMalformedStepListIsNotOpened() {
        Scripts s;
        const ScriptRow row{QStringLiteral("4"),  QStringLiteral("n"),
                            QStringLiteral("F2"), QStringLiteral("1,2,左键单击,20|3,4|"),
                            QStringLiteral("2"),  QStringLiteral("未启用")};
        s.modify()->openForScript(&row);
        QVERIFY(!s.modify()->isVisible());
        QCOMPARE(s.boxTexts(), QStringList{QStringLiteral("修改项目出错,请联系软件作者.")});
        const fake::ShownBox &box = s.f.fake.messageBoxes.shown().front();
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Warning);
        QCOMPARE(box.owner.data(), static_cast<QWidget *>(&s.f.main()));
    }

    void theCycleCountTakesFiveTypedDigits() {
        Scripts s;
        s.add()->openForNewScript();
        QLineEdit &cyclesEdit = *ui<QLineEdit>(s.add(), "cyclesEdit");
        cyclesEdit.clear();
        QTest::keyClicks(&cyclesEdit, QStringLiteral("1a-2 34x567"));
        QCOMPARE(cyclesEdit.text(), QStringLiteral("12345"));
        QTest::keyClick(&cyclesEdit, Qt::Key_Backspace);
        QCOMPARE(cyclesEdit.text(), QStringLiteral("1234"));
        // X11 sends Delete with the DEL character; it still deletes.
        cyclesEdit.setCursorPosition(0);
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(&cyclesEdit, &del);
        QCOMPARE(cyclesEdit.text(), QStringLiteral("234"));
        // Text an input method commits is typing too: only its digits go in.
        cyclesEdit.setCursorPosition(3);
        QInputMethodEvent composed(QStringLiteral("ni"), {});
        QApplication::sendEvent(&cyclesEdit, &composed);
        QInputMethodEvent committed;
        committed.setCommitString(QStringLiteral("你9"));
        QApplication::sendEvent(&cyclesEdit, &committed);
        QCOMPARE(cyclesEdit.text(), QStringLiteral("2349"));
        // Tab still leaves the box: the filter drops characters, not focus keys.
        s.add()->activateWindow();
        cyclesEdit.setFocus();
        QTest::keyClick(&cyclesEdit, Qt::Key_Tab);
        QVERIFY(s.add()->focusWidget() != &cyclesEdit);
        QCOMPARE(cyclesEdit.text(), QStringLiteral("2349"));
    }

    // The limit is on typing: a longer stored count is shown and stored back
    // whole, and typing neither lengthens it nor stops it being shortened.
    void modifyStoresALongCycleCountBackWholeAndTypingStaysLimited() {
        Scripts s;
        insertScript(s.f.forms->database, QStringLiteral("长"), QStringLiteral("Ctrl+F9"),
                     QStringLiteral("1,2,左键单击,20|"), QStringLiteral("123456789012345"));
        s.f.main().scriptList()->reload();
        const QStringList before = s.table();
        s.selectScript(0);
        ui<QPushButton>(&s.list(), "modifyButton")->click();
        QVERIFY(s.modify()->isVisible());
        auto *cyclesEdit = s.modify()->findChild<QLineEdit *>(QStringLiteral("cyclesEdit"));
        QVERIFY(cyclesEdit);
        QCOMPARE(cyclesEdit->text(), QStringLiteral("123456789012345"));
        s.modify()->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        QVERIFY(!s.modify()->isVisible());
        QCOMPARE(s.table(), before);

        s.selectScript(0);
        ui<QPushButton>(&s.list(), "modifyButton")->click();
        cyclesEdit->setCursorPosition(15);
        QTest::keyClicks(cyclesEdit, QStringLiteral("6"));
        QCOMPARE(cyclesEdit->text(), QStringLiteral("123456789012345"));
        QTest::keyClick(cyclesEdit, Qt::Key_Backspace);
        QCOMPARE(cyclesEdit->text(), QStringLiteral("12345678901234"));
        cyclesEdit->selectAll();
        QTest::keyClicks(cyclesEdit, QStringLiteral("987654"));
        QCOMPARE(cyclesEdit->text(), QStringLiteral("98765"));
        s.modify()->findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
    }

    void oddRowsAreStriped() {
        Scripts s;
        s.addScript(QStringLiteral("c"), QStringLiteral("1"), {QStringLiteral("1,1"), QStringLiteral("2,2")});
        const ScriptRow row = s.storedRow(0);
        s.modify()->openForScript(&row);
        QTreeWidget &view = *ui<QTreeWidget>(s.modify(), "stepListView");
        view.clearSelection();
        const QImage image = view.viewport()->grab().toImage();
        const auto colourOfRow = [&](int i) {
            const QRect cell = view.visualItemRect(view.topLevelItem(i));
            return image.pixelColor(cell.left() + 40, cell.center().y());
        };
        QCOMPARE(colourOfRow(1), QColor(166, 202, 240));
        QVERIFY(colourOfRow(0) != QColor(166, 202, 240));
    }
};

QTEST_MAIN(ScriptEditorTest)
#include "ScriptEditorTest.moc"
