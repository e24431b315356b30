// The eight step editors: their table, capture with F11, the live position
// label, adding, modifying and closing.

#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"

#include <QComboBox>
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

using EditorOf = StepEditor *(*)(AppWindows &);

// A parent's step list view as "position event interval" lines.
QStringList rowsOf(const QTreeWidget &view) {
    QStringList rows;
    for (int i = 0; i < view.topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = view.topLevelItem(i);
        rows << row->text(0) + QLatin1Char(' ') + row->text(1) + QLatin1Char(' ') + row->text(2);
    }
    return rows;
}

// An editor on a step list of its own, as the timed dialogs will give one.
struct Editing {
    GuiFixture f;
    QTreeWidget list;

    explicit Editing(const QString &settings = {}) {
        if (!settings.isEmpty())
            f.writeSettings(settings);
        f.start();
    }
    StepEditor &open(StepEditor *editor) {
        editor->setStepList(&list);
        editor->showModal();
        return *editor;
    }
    void captureAt(int x, int y) {
        f.fake.mouse.userMovesTo(x, y);
        QVERIFY(f.fake.hotkeys.press(Modifiers{}, HotkeyKey{11}));
    }
};

void addStep(StepEditor &editor, const QString &position, const QString &event, const QString &interval) {
    ui<QLineEdit>(&editor, "positionEdit")->setText(position);
    ui<QComboBox>(&editor, "eventComboBox")->setEditText(event);
    ui<QComboBox>(&editor, "intervalComboBox")->setEditText(interval);
    ui<QPushButton>(&editor, "applyButton")->click();
}

} // namespace

class StepEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void eachEditorFollowsItsTableRow_data() {
        QTest::addColumn<EditorOf>("editorOf");
        QTest::addColumn<bool>("add");
        QTest::addColumn<int>("hotkeyId");
        QTest::addColumn<bool>("topmost");
        QTest::addColumn<QString>("liveLabel");
        QTest::addColumn<int>("timerMs");
        QTest::addColumn<bool>("escCloses");
        QTest::addColumn<bool>("longHint");
        QTest::addColumn<QString>("frame");

        const QString a = QStringLiteral("当前坐标: X=-5  Y=318");
        const QString b = QStringLiteral("当前坐标:-5,318");
        const QString fixedMin = QStringLiteral("fixed+min");
        const QString sizable = QStringLiteral("sizable");
        const QString fixed = QStringLiteral("fixed");
        // clang-format off
        QTest::newRow("AddScriptAddStepEditor") << EditorOf([](AppWindows &f) -> StepEditor * { return f.addScriptAddStepEditor; })
                                       << true << 1008 << true << a << 1000 << true << true << fixedMin;
        QTest::newRow("AddScriptModifyStepEditor") << EditorOf([](AppWindows &f) -> StepEditor * { return f.addScriptModifyStepEditor; })
                                       << false << 1008 << false << b << 500 << true << false << sizable;
        QTest::newRow("ModifyScriptAddStepEditor") << EditorOf([](AppWindows &f) -> StepEditor * { return f.modifyScriptAddStepEditor; })
                                          << true << 1008 << true << a << 1000 << false << true << sizable;
        QTest::newRow("ModifyScriptModifyStepEditor") << EditorOf([](AppWindows &f) -> StepEditor * { return f.modifyScriptModifyStepEditor; })
                                        << false << 1081 << false << b << 500 << true << false << fixed;
        QTest::newRow("AddTimedTaskAddStepEditor") << EditorOf([](AppWindows &f) -> StepEditor * { return f.addTimedTaskAddStepEditor; })
                                        << true << 1082 << true << b << 500 << true << false << fixed;
        QTest::newRow("AddTimedTaskModifyStepEditor") << EditorOf([](AppWindows &f) -> StepEditor * { return f.addTimedTaskModifyStepEditor; })
                                         << false << 1008 << false << b << 500 << false << false << fixed;
        QTest::newRow("ModifyTimedTaskAddStepEditor") << EditorOf([](AppWindows &f) -> StepEditor * { return f.modifyTimedTaskAddStepEditor; })
                                         << true << 1081 << false << b << 500 << true << false << fixed;
        QTest::newRow("ModifyTimedTaskModifyStepEditor") << EditorOf([](AppWindows &f) -> StepEditor * { return f.modifyTimedTaskModifyStepEditor; })
                                         << false << 1008 << false << b << 500 << true << false << fixed;
        // clang-format on
    }

    void eachEditorFollowsItsTableRow() {
        QFETCH(EditorOf, editorOf);
        QFETCH(bool, add);
        QFETCH(int, hotkeyId);
        QFETCH(bool, topmost);
        QFETCH(QString, liveLabel);
        QFETCH(int, timerMs);
        QFETCH(bool, escCloses);
        QFETCH(bool, longHint);
        QFETCH(QString, frame);

        Editing e;
        StepEditor *editor = editorOf(*e.f.forms);
        QCOMPARE(editor->windowTitle(), add ? QStringLiteral("添加坐标") : QStringLiteral("修改坐标"));
        QCOMPARE(ui<QPushButton>(editor, "applyButton")->text(),
                 add ? QStringLiteral("添加(&A)") : QStringLiteral("确定(&O)"));
        QCOMPARE(ui<QPushButton>(editor, "closeButton")->text(), QStringLiteral("关闭(&C)"));
        QCOMPARE(ui<QLabel>(editor, "eventLabel")->text(),
                 longHint ? QStringLiteral("点击事件:") : QStringLiteral("点击事件"));
        QCOMPARE(ui<QLabel>(editor, "intervalLabel")->text(),
                 longHint ? QStringLiteral("间隔时间:") : QStringLiteral("间隔时间"));
        QCOMPARE(ui<QLabel>(editor, "hintLabel")->text().split(QLatin1Char('\n')).size(), longHint ? 4 : 1);
        QVERIFY(ui<QLabel>(editor, "hintLabel")
                    ->text()
                    .startsWith(QStringLiteral("把鼠标指针放到要点击的地方,按F11自动会获取所在的坐标")));
        QCOMPARE(bool(editor->windowFlags() & Qt::WindowMinimizeButtonHint),
                 frame == QLatin1String("fixed+min"));
        QCOMPARE(editor->minimumSize() == editor->maximumSize(), frame != QLatin1String("sizable"));
        QVERIFY(!e.f.fake.hotkeys.isRegistered(editor, hotkeyId));

        e.open(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(e.f.fake.hotkeys.keyOf(editor, hotkeyId),
                 std::make_optional(qMakePair(Modifiers{}, HotkeyKey{11})));
        QCOMPARE(e.f.fake.windows.isTopmost(editor), topmost);
        QVERIFY(e.f.fake.messageBoxes.shown().empty());

        e.f.fake.mouse.userMovesTo(-5, 318);
        e.f.fake.advance(timerMs - 1);
        QCOMPARE(ui<QLabel>(editor, "livePositionLabel")->text(), QStringLiteral("当前坐标:"));
        e.f.fake.advance(1);
        QCOMPARE(ui<QLabel>(editor, "livePositionLabel")->text(), liveLabel);

        QTest::keyClick(ui<QComboBox>(editor, "intervalComboBox"), Qt::Key_Escape);
        QCOMPARE(editor->isVisible(), !escCloses);
        editor->close();
        QVERIFY(!editor->isVisible());
        QVERIFY(!e.f.fake.hotkeys.isRegistered(editor, hotkeyId));
    }

    void addsEveryStepAtTheEndAndResetsTheFields() {
        Editing e;
        appendStepRowForTest(e.list);
        StepEditor &editor = e.open(e.f.forms->addTimedTaskAddStepEditor);
        e.captureAt(10, 20);
        QCOMPARE(ui<QLineEdit>(&editor, "positionEdit")->text(), QStringLiteral("10,20"));
        ui<QPushButton>(&editor, "applyButton")->click();
        QCOMPARE(ui<QLineEdit>(&editor, "positionEdit")->text(), QString());
        // Typed texts are taken as they are: no number, no known event.
        addStep(editor, QStringLiteral("100"), QStringLiteral("中键"), QStringLiteral("abc"));
        QCOMPARE(ui<QComboBox>(&editor, "eventComboBox")->currentText(), QStringLiteral("左键单击"));
        QCOMPARE(ui<QComboBox>(&editor, "intervalComboBox")->currentText(), QStringLiteral("20"));
        QVERIFY(editor.isVisible());
        QCOMPARE(rowsOf(e.list),
                 (QStringList{QStringLiteral("1,1 无点击 5"), QStringLiteral("10,20 左键单击 20"),
                              QStringLiteral("100 中键 abc")}));
    }

    void refusesOnlyAnEmptyPosition() {
        Editing e;
        StepEditor &editor = e.open(e.f.forms->modifyTimedTaskAddStepEditor);
        addStep(editor, QString(), QStringLiteral("右键单击"), QStringLiteral("7"));
        QCOMPARE(e.list.topLevelItemCount(), 0);
        QCOMPARE(ui<QComboBox>(&editor, "intervalComboBox")->currentText(), QStringLiteral("7"));
        QCOMPARE(e.f.fake.messageBoxes.shown().size(), std::size_t(1));
        const fake::ShownBox &box = e.f.fake.messageBoxes.shown().front();
        QCOMPARE(box.text, QStringLiteral("请输入要点击的鼠标坐标位置"));
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Warning);
        QCOMPARE(box.owner.data(), static_cast<QWidget *>(&editor));
        QVERIFY(editor.isVisible());
    }

    void aSecondCaptureReplacesTheFirstWithoutTakingTheFocus() {
        Editing e;
        StepEditor &editor = e.open(e.f.forms->addScriptAddStepEditor);
        ui<QComboBox>(&editor, "intervalComboBox")->setFocus();
        e.captureAt(523, 318);
        e.captureAt(-1280, -4);
        QCOMPARE(ui<QLineEdit>(&editor, "positionEdit")->text(), QStringLiteral("-1280,-4"));
        QCOMPARE(e.list.topLevelItemCount(), 0);
        QCOMPARE(editor.focusWidget(), static_cast<QWidget *>(ui<QComboBox>(&editor, "intervalComboBox")));
        QVERIFY(e.f.fake.mouse.calls().empty());
    }

    void modifyRewritesTheSelectedRowInPlaceAndCloses() {
        Editing e;
        for (int i = 0; i < 3; ++i)
            appendStepRowForTest(e.list);
        e.list.setCurrentItem(e.list.topLevelItem(1));
        StepEditor *editor = e.f.forms->modifyTimedTaskModifyStepEditor;
        editor->copyRowIntoFields(*e.list.topLevelItem(1));
        e.open(editor);
        QCOMPARE(ui<QLineEdit>(editor, "positionEdit")->text(), QStringLiteral("1,1"));
        addStep(*editor, QStringLiteral("7,8"), QStringLiteral("右键双击"), QStringLiteral("300"));
        QVERIFY(!editor->isVisible());
        QCOMPARE(rowsOf(e.list),
                 (QStringList{QStringLiteral("1,1 无点击 5"), QStringLiteral("7,8 右键双击 300"),
                              QStringLiteral("1,1 无点击 5")}));
    }

    void closingAModifyEditorChangesNothing() {
        Editing e;
        appendStepRowForTest(e.list);
        e.list.setCurrentItem(e.list.topLevelItem(0));
        StepEditor &editor = e.open(e.f.forms->modifyScriptModifyStepEditor);
        ui<QLineEdit>(&editor, "positionEdit")->setText(QStringLiteral("9,9"));
        ui<QPushButton>(&editor, "closeButton")->click();
        QVERIFY(!editor.isVisible());
        QCOMPARE(rowsOf(e.list), QStringList{QStringLiteral("1,1 无点击 5")});
        // The fields keep their texts for the next showing.
        QCOMPARE(ui<QLineEdit>(&editor, "positionEdit")->text(), QStringLiteral("9,9"));
    }

    void f11HeldByTheMainWindowGivesTheConflictMessageAndTypingStillWorks() {
        Editing e(QStringLiteral("[setting]\nhotkey1=无\nhotkey2=F11\n"));
        QCOMPARE(e.f.fake.hotkeys.keyOf(&e.f.main(), 1008),
                 std::make_optional(qMakePair(Modifiers{}, HotkeyKey{11})));
        StepEditor &editor = e.open(e.f.forms->addScriptAddStepEditor);
        QCOMPARE(e.f.fake.messageBoxes.shown().size(), std::size_t(1));
        const fake::ShownBox &box = e.f.fake.messageBoxes.shown().front();
        QCOMPARE(box.text, QStringLiteral("您设置的热键于其他程序的热键冲突,请选择过热键."));
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Information);
        QCOMPARE(box.owner.data(), static_cast<QWidget *>(&editor));
        QVERIFY(!e.f.fake.hotkeys.isRegistered(&editor, 1008));
        // F11 still belongs to the main window.
        QCOMPARE(e.f.fake.hotkeys.keyOf(&e.f.main(), 1008),
                 std::make_optional(qMakePair(Modifiers{}, HotkeyKey{11})));
        addStep(editor, QStringLiteral("3,4"), QStringLiteral("左键单击"), QStringLiteral("20"));
        QCOMPARE(rowsOf(e.list), QStringList{QStringLiteral("3,4 左键单击 20")});
    }

    void closingAnEditorFreesF11ForTheNextOne() {
        Editing e;
        StepEditor *sequence[] = {e.f.forms->addScriptModifyStepEditor, e.f.forms->modifyScriptAddStepEditor,
                                  e.f.forms->modifyScriptModifyStepEditor,
                                  e.f.forms->addTimedTaskAddStepEditor, e.f.forms->addScriptAddStepEditor};
        for (StepEditor *editor : sequence) {
            e.open(editor);
            e.captureAt(5, 6);
            QCOMPARE(ui<QLineEdit>(editor, "positionEdit")->text(), QStringLiteral("5,6"));
            ui<QLineEdit>(editor, "positionEdit")->clear();
            editor->close();
            QVERIFY(!e.f.fake.hotkeys.isRegistered(editor, editor->dress().hotkeyId));
        }
        QVERIFY(e.f.fake.messageBoxes.shown().empty());
        QVERIFY(!e.f.fake.hotkeys.press(Modifiers{}, HotkeyKey{11}));
    }

  private:
    static void appendStepRowForTest(QTreeWidget &list) {
        new QTreeWidgetItem(
            &list, QStringList{QStringLiteral("1,1"), QStringLiteral("无点击"), QStringLiteral("5")});
    }
};

QTEST_MAIN(StepEditorTest)
#include "StepEditorTest.moc"
