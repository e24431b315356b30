// The tray icon and its menu, keep on top, the ways to end, the about box
// and the web links, on the fake backend.

#include "app/AboutDialog.h"
#include "app/Tray.h"
#include "app/TrayIcons.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"
#include "update/UpdateDownloadWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

using namespace lumo;
using lumo::test::ui;
using namespace platform;
using lumo::test::GuiFixture;

namespace {

const QString kHome = QStringLiteral("https://www.lumoclick.example/");
const QString kTitle = QStringLiteral("Tarvik鼠标点击器V1.0");
const QString kProductTitle = QStringLiteral("Lumo鼠标自动点击器");

// The program's endings are counted in endings instead of ending the test.
void countEndings(MainWindow &main, int &endings) {
    QObject::disconnect(&main, &MainWindow::endRequested, nullptr, nullptr);
    QObject::connect(&main, &MainWindow::endRequested, [&endings] { ++endings; });
}

// Opens the about box with open(), lets inspect() look at it while it is
// shown, then presses its OK button; returns the box as it was.
QPointer<AboutDialog> openAbout(const std::function<void()> &open,
                                const std::function<void(AboutDialog &)> &inspect) {
    QPointer<AboutDialog> seen;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<AboutDialog *>(QApplication::activeModalWidget());
        if (!seen)
            return;
        inspect(*seen);
        QTest::mouseClick(ui<QPushButton>(seen, "okButton"), Qt::LeftButton);
    });
    open();
    return seen;
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
  private slots:
    void trayIconCarriesTheTitleAndTheFiveEntries() {
        GuiFixture f;
        MainWindow &main = f.start();
        Tray &tray = *main.tray();
        QCOMPARE(ui<QSystemTrayIcon>(&tray, "trayIcon")->toolTip(), kTitle);
        QVERIFY(!ui<QSystemTrayIcon>(&tray, "trayIcon")->icon().isNull());
        const QList<QAction *> entries = ui<QMenu>(tray.parent(), "trayMenu")->actions();
        const QList<QAction *> expected = {
            ui<QAction>(&tray, "webNavigationAction"), ui<QAction>(&tray, "moreSoftwareAction"),
            ui<QAction>(&tray, "aboutAction"), ui<QAction>(&tray, "restoreAction"),
            ui<QAction>(&tray, "exitAction")};
        QCOMPARE(entries, expected);
        const QStringList captions = {QStringLiteral("上网导航(&D)"), QStringLiteral("更多软件(&M)"),
                                      QStringLiteral("关于(&A)"), QStringLiteral("设置(&S)"),
                                      QStringLiteral("退出(&E)")};
        const QStringList keys = {QStringLiteral("Ctrl+D"), QStringLiteral("Ctrl+M"),
                                  QStringLiteral("Ctrl+A"), QStringLiteral("Ctrl+S"),
                                  QStringLiteral("Ctrl+E")};
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(entries[i]->text(), captions[i]);
            QCOMPARE(entries[i]->shortcut().toString(), keys[i]);
            QVERIFY(entries[i]->isShortcutVisibleInContextMenu());
            QVERIFY2(!entries[i]->icon().isNull(), qPrintable(captions[i]));
        }
    }

    void theTrayIconShowsClickingPlayingAndRecording() {
        // Three badges, told apart at the smallest and the largest size.
        const QIcon program(QStringLiteral(":/app.png"));
        const QList<TrayState> busy = {TrayState::Clicking, TrayState::Playing, TrayState::Recording};
        for (const int size : {16, 256}) {
            QList<QImage> images{program.pixmap(size, size).toImage()};
            for (const TrayState state : busy) {
                const QImage image = trayIconFor(program, state).pixmap(size, size).toImage();
                QCOMPARE(image.size(), QSize(size, size));
                for (const QImage &other : std::as_const(images))
                    QVERIFY2(image != other, qPrintable(QStringLiteral("alike at %1 px").arg(size)));
                images << image;
            }
        }

        GuiFixture f;
        MainWindow &main = f.start();
        Tray &tray = *main.tray();
        QCOMPARE(tray.state(), TrayState::Idle);
        const qint64 idleIcon = ui<QSystemTrayIcon>(&tray, "trayIcon")->icon().cacheKey();
        QVERIFY(f.fake.hotkeys.press(Modifiers::Control, HotkeyKey{3}));
        QTRY_COMPARE(tray.state(), TrayState::Clicking);
        QVERIFY(ui<QSystemTrayIcon>(&tray, "trayIcon")->icon().cacheKey() != idleIcon);
        main.showRecording(true);
        QCOMPARE(tray.state(), TrayState::Recording);
        main.showRecording(false);
        QVERIFY(f.fake.hotkeys.press(Modifiers::Control, HotkeyKey{3}));
        QTRY_COMPARE(tray.state(), TrayState::Idle);
        QCOMPARE(ui<QSystemTrayIcon>(&tray, "trayIcon")->icon().cacheKey(), idleIcon);
    }

    void webLinksHandTheirPagesToTheShell() {
        GuiFixture f;
        MainWindow &main = f.start();
        ui<QAction>(main.tray(), "moreSoftwareAction")->trigger();
        ui<QAction>(main.tray(), "webNavigationAction")->trigger();
        QCOMPARE(main.windowTitle(), kTitle);
        QTest::mouseClick(ui<QPushButton>(&main, "moreSoftwareButton"), Qt::LeftButton);
        QCOMPARE(main.windowTitle(), kProductTitle);
        main.setWindowTitle(kTitle);
        QTest::mouseClick(ui<QPushButton>(&main, "feedbackButton"), Qt::LeftButton);
        QCOMPARE(main.windowTitle(), kProductTitle);
        QTest::mouseClick(ui<QLabel>(&main, "bannerLabel"), Qt::LeftButton);
        QTest::mouseClick(ui<QLabel>(&main, "homePageLinkLabel"), Qt::LeftButton);
        QCOMPARE(f.fake.shell.opened,
                 QStringList({kHome, QStringLiteral("https://nav.lumoclick.example/"), kHome,
                              QStringLiteral("https://www.lumoclick.example/feedback/"), kHome, kHome}));
        QVERIFY(f.fake.messageBoxes.shown().empty());
    }

    void exitFromTheTrayAsksAndEndsOnlyOnYes() {
        GuiFixture f;
        MainWindow &main = f.start();
        int endings = 0;
        countEndings(main, endings);

        f.fake.messageBoxes.answer(Answer::No);
        ui<QAction>(main.tray(), "exitAction")->trigger();
        QCOMPARE(endings, 0);
        QVERIFY(main.isVisible());
        QCOMPARE(f.fake.messageBoxes.shown().size(), size_t(1));
        const platform::fake::ShownBox &box = f.fake.messageBoxes.shown()[0];
        QCOMPARE(box.owner.data(), static_cast<QWidget *>(&main));
        QCOMPARE(box.text, QStringLiteral("是否确定要退出Tarvik鼠标点击器?"));
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.buttons, Buttons::YesNo);
        QCOMPARE(box.icon, Icon::Information);

        f.fake.messageBoxes.answer(Answer::Yes);
        ui<QAction>(main.tray(), "exitAction")->trigger();
        QCOMPARE(endings, 1);
        QCOMPARE(f.fake.messageBoxes.shown().size(), size_t(2));
    }

    void exitButtonAndCloseBoxCloseWithoutAsking() {
        GuiFixture f;
        MainWindow &main = f.start();
        int endings = 0;
        countEndings(main, endings);
        QTest::mouseClick(ui<QPushButton>(&main, "exitButton"), Qt::LeftButton);
        QVERIFY(!main.isVisible());
        QCOMPARE(endings, 1);
        main.show();
        QVERIFY(main.close());
        QVERIFY(!main.isVisible());
        QVERIFY(f.fake.messageBoxes.shown().empty());
        QCOMPARE(endings, 2);
    }

    // The update window's cancel and close end the program as the
    // main window does, so a run below them cannot play on.
    void theUpdateWindowEndsTheMainWindowsWay() {
        GuiFixture f;
        MainWindow &main = f.start();
        int endings = 0;
        countEndings(main, endings);
        UpdateDownloadWindow &download = *f.forms->updateDownloadWindow;
        ui<QPushButton>(&download, "cancelButton")->click();
        download.show();
        download.close();
        QCOMPARE(endings, 2);
    }

    void keepOnTopFollowsTheBoxAcrossHideAndRestore() {
        GuiFixture f;
        MainWindow &main = f.start();
        QTest::mouseClick(ui<QCheckBox>(&main, "keepOnTopCheckBox"), Qt::LeftButton);
        QVERIFY(ui<QCheckBox>(&main, "keepOnTopCheckBox")->isChecked());
        QVERIFY(f.fake.windows.isTopmost(&main));
        main.hideToTray();
        ui<QAction>(&main, "restoreAction")->trigger();
        QVERIFY(!main.isMinimized());
        QVERIFY(f.fake.windows.isTopmost(&main));
        QTest::mouseClick(ui<QCheckBox>(&main, "keepOnTopCheckBox"), Qt::LeftButton);
        QVERIFY(!f.fake.windows.isTopmost(&main));
    }

    void withoutTrayHostMinimisingOnlyMinimises() {
        if (QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("a tray host runs here");
        GuiFixture f;
        MainWindow &main = f.start();
        QVERIFY(!main.tray()->enabled());
        main.hideToTray();
        QVERIFY(main.isMinimized());
        QVERIFY(main.isVisible());
        main.tray()->iconEvent(Tray::IconEvent::LeftDouble, {});
        QVERIFY(!main.isMinimized());
        QVERIFY(main.isVisible());
    }

    void onlyDoubleClickAndRightReleaseAct() {
        GuiFixture f;
        MainWindow &main = f.start();
        Tray &tray = *main.tray();
        main.hideToTray();
        for (auto event : {Tray::IconEvent::LeftDown, Tray::IconEvent::LeftUp, Tray::IconEvent::RightDown,
                           Tray::IconEvent::RightDouble}) {
            tray.iconEvent(event, {40, 40});
            QVERIFY(main.isMinimized());
            QVERIFY(!ui<QMenu>(tray.parent(), "trayMenu")->isVisible());
        }

        const QPoint pointer(300, 200);
        tray.iconEvent(Tray::IconEvent::RightUp, pointer);
        QVERIFY(ui<QMenu>(tray.parent(), "trayMenu")->isVisible());
        QVERIFY(tray.menuOpen());
        QVERIFY(ui<QMenu>(tray.parent(), "trayMenu")->geometry().contains(pointer + QPoint(1, 1)));
        // Restore requests wait for the menu to close.
        tray.iconEvent(Tray::IconEvent::LeftDouble, pointer);
        ui<QAction>(&main, "restoreAction")->trigger();
        QVERIFY(main.isMinimized());

        // "设置" chosen in the open menu restores all the same.
        QTest::mouseClick(ui<QMenu>(tray.parent(), "trayMenu"), Qt::LeftButton, {},
                          ui<QMenu>(tray.parent(), "trayMenu")
                              ->actionGeometry(ui<QAction>(&tray, "restoreAction"))
                              .center());
        QVERIFY(!ui<QMenu>(tray.parent(), "trayMenu")->isVisible());
        QVERIFY(!tray.menuOpen());
        QVERIFY(!main.isMinimized());
        QVERIFY(main.isVisible());
    }

    void aboutBoxIsFreshAtEveryOpening() {
        GuiFixture f;
        MainWindow &main = f.start();
        AboutDialog *first = nullptr;
        const QPointer<AboutDialog> firstSeen = openAbout(
            [&] { ui<QAction>(main.tray(), "aboutAction")->trigger(); },
            [&](AboutDialog &box) {
                first = &box;
                QCOMPARE(box.parentWidget(), nullptr);
                QCOMPARE(box.windowTitle(), QStringLiteral("关于"));
                QCOMPARE(box.size(), QSize(416, 222));
                QCOMPARE(ui<QLabel>(&box, "productNameLabel")->text(), kTitle);
                QCOMPARE(ui<QLabel>(&box, "versionLabel")->text(), QStringLiteral("版本:1.0"));
                QCOMPARE(ui<QLabel>(&box, "homePageLinkLabel")->text(), kHome);
                QCOMPARE(ui<QLabel>(&box, "makerLabel")->text(), QStringLiteral("Tarvik软件工作室出品"));
                QVERIFY(ui<QPushButton>(&box, "okButton")->isDefault());
                QTest::mouseClick(ui<QLabel>(&box, "programIconLabel"), Qt::LeftButton);
                QTest::mouseClick(ui<QLabel>(&box, "homePageLinkLabel"), Qt::LeftButton);
                // A mark that a reused box would still carry.
                ui<QLabel>(&box, "productNameLabel")->setText(QStringLiteral("changed"));
            });
        QVERIFY(first);
        QVERIFY2(firstSeen.isNull(), "the first box outlived its closing");
        QCOMPARE(f.fake.shell.opened, QStringList({kHome, kHome}));

        QString secondName;
        const QPointer<AboutDialog> secondSeen =
            openAbout([&] { QTest::mouseClick(ui<QPushButton>(&main, "aboutButton"), Qt::LeftButton); },
                      [&](AboutDialog &box) { secondName = ui<QLabel>(&box, "productNameLabel")->text(); });
        QCOMPARE(secondName, kTitle);
        QVERIFY(secondSeen.isNull());
        QCOMPARE(main.windowTitle(), kProductTitle);
    }

    void aboutBoxClosedByItsCloseBoxIsFreed() {
        GuiFixture f;
        MainWindow &main = f.start();
        QPointer<AboutDialog> box;
        QTimer::singleShot(0, [&] {
            box = qobject_cast<AboutDialog *>(QApplication::activeModalWidget());
            if (box)
                box->close();
        });
        ui<QAction>(&main, "aboutAction")->trigger();
        QVERIFY(!box);
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
