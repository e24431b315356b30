// The tray icon and its menu, keep on top, the ways to end, the about box
// and the web links, on the fake backend.

#include "app/Tray.h"
#include "app/U_About.h"
#include "app/U_download.h"
#include "tests/gui/support/GuiFixture.h"

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
using namespace platform;
using lumo::test::GuiFixture;

namespace {

const QString kHome = QStringLiteral("https://www.lumoclick.example/");
const QString kTitle = QStringLiteral("Tarvik鼠标点击器V1.0");
const QString kProductTitle = QStringLiteral("Lumo鼠标自动点击器");

// Opens the about box with open(), lets inspect() look at it while it is
// shown, then presses its OK button; returns the box as it was.
QPointer<TAboutBox> openAbout(const std::function<void()> &open,
                              const std::function<void(TAboutBox &)> &inspect) {
    QPointer<TAboutBox> seen;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<TAboutBox *>(QApplication::activeModalWidget());
        if (!seen)
            return;
        inspect(*seen);
        QTest::mouseClick(seen->OKButton, Qt::LeftButton);
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
        TFrm_Main &main = f.start();
        Tray &tray = *main.rztrycn1;
        QCOMPARE(tray.rztrycn1->toolTip(), kTitle);
        QVERIFY(!tray.rztrycn1->icon().isNull());
        const QList<QAction *> entries = tray.pm1->actions();
        const QList<QAction *> expected = {tray.N5, tray.N4, tray.N1, tray.N2, tray.N3};
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

    void webLinksHandTheirPagesToTheShell() {
        GuiFixture f;
        TFrm_Main &main = f.start();
        main.rztrycn1->N4->trigger();
        main.rztrycn1->N5->trigger();
        QCOMPARE(main.windowTitle(), kTitle);
        QTest::mouseClick(main.btn4, Qt::LeftButton);
        QCOMPARE(main.windowTitle(), kProductTitle);
        main.setWindowTitle(kTitle);
        QTest::mouseClick(main.btn5, Qt::LeftButton);
        QCOMPARE(main.windowTitle(), kProductTitle);
        QTest::mouseClick(main.img1, Qt::LeftButton);
        QTest::mouseClick(main.lbl12, Qt::LeftButton);
        QCOMPARE(f.fake.shell.opened,
                 QStringList({kHome, QStringLiteral("https://nav.lumoclick.example/"), kHome,
                              QStringLiteral("https://www.lumoclick.example/feedback/"), kHome, kHome}));
        QVERIFY(f.fake.messageBoxes.shown().empty());
    }

    void exitFromTheTrayAsksAndEndsOnlyOnYes() {
        GuiFixture f;
        TFrm_Main &main = f.start();
        int endings = 0;
        main.endProgram = [&] { ++endings; };

        f.fake.messageBoxes.answer(IDNO);
        main.rztrycn1->N3->trigger();
        QCOMPARE(endings, 0);
        QVERIFY(main.isVisible());
        QCOMPARE(f.fake.messageBoxes.shown().size(), size_t(1));
        const platform::fake::ShownBox &box = f.fake.messageBoxes.shown()[0];
        QCOMPARE(box.owner.data(), static_cast<QWidget *>(&main));
        QCOMPARE(box.text, QStringLiteral("是否确定要退出Tarvik鼠标点击器?"));
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.flags, MB_YESNO | MB_ICONINFORMATION);

        f.fake.messageBoxes.answer(IDYES);
        main.rztrycn1->N3->trigger();
        QCOMPARE(endings, 1);
        QCOMPARE(f.fake.messageBoxes.shown().size(), size_t(2));
    }

    void exitButtonAndCloseBoxCloseWithoutAsking() {
        GuiFixture f;
        TFrm_Main &main = f.start();
        int endings = 0;
        main.endProgram = [&] { ++endings; };
        QTest::mouseClick(main.btn6, Qt::LeftButton);
        QVERIFY(!main.isVisible());
        QCOMPARE(endings, 1);
        main.show();
        QVERIFY(main.close());
        QVERIFY(!main.isVisible());
        QVERIFY(f.fake.messageBoxes.shown().empty());
        QCOMPARE(endings, 2);
    }

    // The update window's cancel, close and timer end the program as the
    // main window does, so a run below them cannot play on.
    void theUpdateWindowEndsTheMainWindowsWay() {
        GuiFixture f;
        TFrm_Main &main = f.start();
        int endings = 0;
        main.endProgram = [&] { ++endings; };
        TFrm_download &download = *f.forms->Frm_download;
        download.btn1Click();
        download.tmr1Timer();
        download.show();
        download.close();
        QCOMPARE(endings, 3);
    }

    void keepOnTopFollowsTheBoxAcrossHideAndRestore() {
        GuiFixture f;
        TFrm_Main &main = f.start();
        QTest::mouseClick(main.chk2, Qt::LeftButton);
        QVERIFY(main.chk2->isChecked());
        QVERIFY(f.fake.windows.isTopmost(&main));
        main.hideToTray();
        main.N2Click();
        QVERIFY(!main.isMinimized());
        QVERIFY(f.fake.windows.isTopmost(&main));
        QTest::mouseClick(main.chk2, Qt::LeftButton);
        QVERIFY(!f.fake.windows.isTopmost(&main));
    }

    void withoutTrayHostMinimisingOnlyMinimises() {
        if (QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("a tray host runs here");
        GuiFixture f;
        TFrm_Main &main = f.start();
        QVERIFY(!main.rztrycn1->enabled());
        main.hideToTray();
        QVERIFY(main.isMinimized());
        QVERIFY(main.isVisible());
        main.rztrycn1->iconEvent(Tray::IconEvent::LeftDouble, {});
        QVERIFY(!main.isMinimized());
        QVERIFY(main.isVisible());
    }

    void onlyDoubleClickAndRightReleaseAct() {
        GuiFixture f;
        TFrm_Main &main = f.start();
        Tray &tray = *main.rztrycn1;
        main.hideToTray();
        for (auto event : {Tray::IconEvent::LeftDown, Tray::IconEvent::LeftUp, Tray::IconEvent::RightDown,
                           Tray::IconEvent::RightDouble}) {
            tray.iconEvent(event, {40, 40});
            QVERIFY(main.isMinimized());
            QVERIFY(!tray.pm1->isVisible());
        }

        const QPoint pointer(300, 200);
        tray.iconEvent(Tray::IconEvent::RightUp, pointer);
        QVERIFY(tray.pm1->isVisible());
        QVERIFY(tray.menuOpen());
        QVERIFY(tray.pm1->geometry().contains(pointer + QPoint(1, 1)));
        // Restore requests wait for the menu to close.
        tray.iconEvent(Tray::IconEvent::LeftDouble, pointer);
        main.N2Click();
        QVERIFY(main.isMinimized());

        // "设置" chosen in the open menu restores all the same.
        QTest::mouseClick(tray.pm1, Qt::LeftButton, {}, tray.pm1->actionGeometry(tray.N2).center());
        QVERIFY(!tray.pm1->isVisible());
        QVERIFY(!tray.menuOpen());
        QVERIFY(!main.isMinimized());
        QVERIFY(main.isVisible());
    }

    void aboutBoxIsFreshAtEveryOpening() {
        GuiFixture f;
        TFrm_Main &main = f.start();
        TAboutBox *first = nullptr;
        const QPointer<TAboutBox> firstSeen =
            openAbout([&] { main.rztrycn1->N1->trigger(); },
                      [&](TAboutBox &box) {
                          first = &box;
                          QCOMPARE(box.parentWidget(), nullptr);
                          QCOMPARE(box.windowTitle(), QStringLiteral("关于"));
                          QCOMPARE(box.size(), QSize(416, 222));
                          QCOMPARE(box.ProductName->text(), kTitle);
                          QCOMPARE(box.Version->text(), QStringLiteral("版本:1.0"));
                          QCOMPARE(box.Comments->text(), kHome);
                          QCOMPARE(box.lbl1->text(), QStringLiteral("Tarvik软件工作室出品"));
                          QVERIFY(box.OKButton->isDefault());
                          QTest::mouseClick(box.ProgramIcon, Qt::LeftButton);
                          QTest::mouseClick(box.Comments, Qt::LeftButton);
                          // A mark that a reused box would still carry.
                          box.ProductName->setText(QStringLiteral("changed"));
                      });
        QVERIFY(first);
        QVERIFY2(firstSeen.isNull(), "the first box outlived its closing");
        QCOMPARE(f.fake.shell.opened, QStringList({kHome, kHome}));

        QString secondName;
        const QPointer<TAboutBox> secondSeen =
            openAbout([&] { QTest::mouseClick(main.btn2, Qt::LeftButton); },
                      [&](TAboutBox &box) { secondName = box.ProductName->text(); });
        QCOMPARE(secondName, kTitle);
        QVERIFY(secondSeen.isNull());
        QCOMPARE(main.windowTitle(), kProductTitle);
    }

    void aboutBoxClosedByItsCloseBoxIsFreed() {
        GuiFixture f;
        TFrm_Main &main = f.start();
        QPointer<TAboutBox> box;
        QTimer::singleShot(0, [&] {
            box = qobject_cast<TAboutBox *>(QApplication::activeModalWidget());
            if (box)
                box->close();
        });
        main.N1Click();
        QVERIFY(!box);
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
