// Start-up: the windows, the main window's dress, its first showing and its hotkeys.

#include "singlepoint/SinglePointPanel.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"
#include "widgets/StatusBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

using namespace lumo;
using lumo::test::ui;
using namespace platform;
using lumo::test::GuiFixture;

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void createsEveryWindowInOrderAndShowsOnlyTheMainWindow() {
        GuiFixture f;
        f.start();
        const QList<QObject *> all = f.forms->all();
        QStringList names;
        for (const QObject *form : all)
            names << form->objectName();
        QCOMPARE(names,
                 (QStringList{
                     QStringLiteral("mainWindow"), QStringLiteral("addScriptAddStepEditor"),
                     QStringLiteral("addScriptDialog"), QStringLiteral("database"),
                     QStringLiteral("addTimedTaskDialog"), QStringLiteral("addScriptModifyStepEditor"),
                     QStringLiteral("modifyScriptDialog"), QStringLiteral("addTimedTaskAddStepEditor"),
                     QStringLiteral("modifyScriptModifyStepEditor"), QStringLiteral("modifyTimedTaskDialog"),
                     QStringLiteral("addTimedTaskModifyStepEditor"),
                     QStringLiteral("modifyTimedTaskAddStepEditor"),
                     QStringLiteral("modifyTimedTaskModifyStepEditor"), QStringLiteral("stopHotkeyDialog"),
                     QStringLiteral("modifyScriptAddStepEditor"), QStringLiteral("updateDownloadWindow")}));
        QVERIFY(f.main().isVisible());
        for (QObject *form : all.mid(1))
            if (auto *widget = qobject_cast<QWidget *>(form))
                QVERIFY2(!widget->isVisible(), qPrintable(form->objectName()));
    }

    void dressesTheMainWindow() {
        GuiFixture f;
        MainWindow &main = f.start();
        QCOMPARE(main.windowTitle(), QStringLiteral("Tarvik鼠标点击器V1.0"));
        QCOMPARE(main.size(), QSize(549, 401));
        QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(ui<QLabel>(&main, "bannerLabel")->pixmap().size() == QSize(549, 82));
        QCOMPARE(ui<QTabWidget>(&main, "tabWidget")->geometry(), QRect(3, 90, 543, 289));
        QCOMPARE(ui<QTabWidget>(&main, "tabWidget")->count(), 4);
        const QStringList captions = {QStringLiteral("单点点击(&S)"), QStringLiteral("多点点击(&M)"),
                                      QStringLiteral("定时点击(&T)"), QStringLiteral("软件使用方法(&H)")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(ui<QTabWidget>(&main, "tabWidget")->tabText(i), captions[i]);
            QVERIFY(!ui<QTabWidget>(&main, "tabWidget")->tabIcon(i).isNull());
        }
        QCOMPARE(ui<QTabWidget>(&main, "tabWidget")->currentWidget(), ui<QWidget>(&main, "scriptsTab"));
        QCOMPARE(ui<QCheckBox>(&main, "keepOnTopCheckBox")->text(), QStringLiteral("窗口置顶"));
        QVERIFY(!ui<QCheckBox>(&main, "keepOnTopCheckBox")->isChecked());
        const auto *bar = ui<StatusBar>(&main, "statusBar");
        const auto *link = ui<QLabel>(&main, "homePageLinkLabel");
        QCOMPARE(bar->panelText(0), QStringLiteral("Tarvik鼠标点击器V1.0"));
        QCOMPARE(bar->panelText(2), QString());
        // Panels of 160, 180 and 190 pixels; the link's panel takes from the
        // last what the address needs beyond 180 in the fonts at hand.
        const int needed = link->fontMetrics().horizontalAdvance(link->text());
        QCOMPARE(bar->panelRect(0).width() + 2, 160);
        QCOMPARE(bar->panelRect(1).width() + 2, std::max(180, needed + 6));
        QCOMPARE(bar->panelRect(1).width() + bar->panelRect(2).width() + 4, 180 + 190);
        // The link now sits in panel 1.
        QCOMPARE(link->parentWidget(), static_cast<const QWidget *>(bar));
        QCOMPARE(link->geometry(),
                 QRect(bar->panelRect(1).left(), bar->panelRect(1).top() + 2, std::max(190, needed), 13));
        QVERIFY(ui<QLabel>(&main, "homePageLinkLabel")->text().startsWith(QStringLiteral("http")));
    }

    void registersTheSinglePointHotkeyThenTheStopHotkey() {
        GuiFixture f;
        MainWindow &main = f.start();
        const std::vector<fake::HotkeyCall> registered = f.fake.hotkeys.registrations();
        QCOMPARE(registered.size(), std::size_t(2));
        QCOMPARE(registered[0].id, 1008);
        QCOMPARE(registered[0].owner, static_cast<WindowHandle>(&main));
        QCOMPARE(registered[0].modifiers, Modifiers::Control);
        QCOMPARE(registered[0].key, HotkeyKey{3});
        QCOMPARE(registered[1].id, 1108);
        QCOMPARE(registered[1].modifiers, Modifiers{});
        QCOMPARE(registered[1].key, HotkeyKey{6});
        QVERIFY(main.state().startHotkeyRegistered);
        QVERIFY(f.fake.messageBoxes.shown().empty());
        QVERIFY(!f.settingsExist());
    }

    void aConflictShowsTheMessageAndLeavesTheHotkeyUnregistered() {
        GuiFixture f;
        f.fake.hotkeys.holdElsewhere(Modifiers::Control, HotkeyKey{3});
        MainWindow &main = f.start();
        QCOMPARE(f.fake.messageBoxes.shown().size(), std::size_t(1));
        const fake::ShownBox &box = f.fake.messageBoxes.shown()[0];
        QCOMPARE(box.text, QStringLiteral("您设置的热键与其他程序的热键冲突,请选择过热键."));
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Warning);
        QCOMPARE(box.owner.data(), static_cast<QWidget *>(&main));
        QVERIFY(!main.state().startHotkeyRegistered);
        QVERIFY(!f.fake.hotkeys.isRegistered(&main, 1008));
        // Start-up goes on: the stop hotkey is registered after it.
        QVERIFY(f.fake.hotkeys.isRegistered(&main, 1108));
    }

    void theStopHotkeyClashingWithTheSinglePointHotkeyFails() {
        GuiFixture f;
        f.writeSettings(QStringLiteral("[setting]\nhotkey1=Ctrl\nhotkey2=F9\nstophotkey=Ctrl+F9\n"));
        MainWindow &main = f.start();
        QVERIFY(f.fake.hotkeys.isRegistered(&main, 1008));
        QVERIFY(!f.fake.hotkeys.isRegistered(&main, 1108));
        QCOMPARE(f.fake.messageBoxes.texts(),
                 QStringList{QStringLiteral("您设置的热键与其他程序的热键冲突,请选择过热键.")});
        QVERIFY(!main.state().startHotkeyRegistered);
    }

    void anAltConflictUsesTheInformationIcon() {
        GuiFixture f;
        f.writeSettings(QStringLiteral("[setting]\nstophotkey=Alt+F4\n"));
        f.fake.hotkeys.holdElsewhere(Modifiers::Alt, HotkeyKey{4});
        f.start();
        QCOMPARE(f.fake.messageBoxes.shown().size(), std::size_t(1));
        QCOMPARE(f.fake.messageBoxes.shown()[0].buttons, Buttons::Ok);
        QCOMPARE(f.fake.messageBoxes.shown()[0].icon, Icon::Information);
    }

    // Each start-up step stands alone: a key word without a number costs
    // the single-point hotkey and nothing else.
    void aBadKeyWordCostsOnlyTheSinglePointHotkey() {
        GuiFixture f;
        f.writeSettings(QStringLiteral("[setting]\nhotkey2=Fx\n"));
        MainWindow &main = f.start();
        QCOMPARE(f.fake.messageBoxes.shown().size(), std::size_t(1));
        const fake::ShownBox &box = f.fake.messageBoxes.shown()[0];
        QCOMPARE(box.text, QStringLiteral("'x' is not a valid integer value."));
        QCOMPARE(box.caption, QStringLiteral("Tarvik鼠标点击器V1.0"));
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Error);
        QVERIFY(!f.fake.hotkeys.isRegistered(&main, 1008));
        QVERIFY(f.fake.hotkeys.isRegistered(&main, 1108));
        QVERIFY(!main.state().startHotkeyRegistered);
        QVERIFY(main.isVisible());
    }

    void aBadSpeedTextIsReportedAndTheHotkeysAreRegisteredAllTheSame() {
        GuiFixture f;
        f.writeSettings(QStringLiteral("[setting]\ntime=abc\n"));
        MainWindow &main = f.start();
        QCOMPARE(f.fake.messageBoxes.texts(),
                 QStringList{QStringLiteral("'abc' is not a valid integer value.")});
        QVERIFY(f.fake.hotkeys.isRegistered(&main, 1008));
        QVERIFY(f.fake.hotkeys.isRegistered(&main, 1108));
        ui<QComboBox>(main.singlePoint(), "speedComboBox")->setCurrentText(QStringLiteral("1"));
        ui<QPushButton>(main.singlePoint(), "saveButton")->click();
        QVERIFY(f.fake.hotkeys.isRegistered(&main, 1008));
        QCOMPARE(main.state().clickIntervalMs, 1000);
    }

    void theSchedulerTickRestoresTheStatusAndSetsItsTitle() {
        GuiFixture f;
        MainWindow &main = f.start();
        ui<StatusBar>(&main, "statusBar")->setPanelText(0, QStringLiteral("状态:点击器已经启动"));
        f.fake.advance(1000);
        QCOMPARE(ui<StatusBar>(&main, "statusBar")->panelText(0), QStringLiteral("Tarvik鼠标点击器V1.0"));
        QVERIFY(main.windowTitle() != QStringLiteral("Tarvik鼠标点击器V1.0"));
        QVERIFY(!main.windowTitle().isEmpty());
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
