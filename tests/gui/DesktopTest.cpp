// The program as a desktop citizen: one instance per data location, the tray
// kinds, and the one-time Wayland notice.

#include "app/Banner.h"
#include "app/SessionNotice.h"
#include "app/SingleInstance.h"
#include "app/Tray.h"
#include "storage/IniFile.h"
#include "tests/gui/support/GuiFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <unistd.h>

using namespace lumo;
using namespace platform;
using lumo::test::GuiFixture;

class DesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void theBannerIsDrawnForTheScreensPixelRatio() {
        for (const UiLanguage language : {UiLanguage::Chinese, UiLanguage::English}) {
            const QPixmap plain = bannerPixmap(language, 1.0);
            QCOMPARE(plain.size(), QSize(549, 82));
            QCOMPARE(plain.devicePixelRatio(), 1.0);
            // At twice the pixels it takes the same room, from a picture of
            // its own rather than the small one stretched.
            const QPixmap sharp = bannerPixmap(language, 2.0);
            QCOMPARE(sharp.size(), QSize(1098, 164));
            QCOMPARE(sharp.deviceIndependentSize(), QSizeF(549, 82));
            QVERIFY(sharp.toImage() != plain.toImage().scaled(1098, 164));
            QCOMPARE(bannerPixmap(language, 1.5).size(), QSize(1098, 164));
        }
        QVERIFY(bannerPixmap(UiLanguage::English, 1.0).toImage() !=
                bannerPixmap(UiLanguage::Chinese, 1.0).toImage());
    }

    void aSecondClaimOfOneLocationAsksTheFirstToShowItself() {
        QTemporaryDir folder;
        SingleInstance first(folder.path());
        int activations = 0;
        QObject::connect(&first, &SingleInstance::activationRequested, [&activations] { ++activations; });
        QVERIFY(first.claim());

        SingleInstance second(folder.path());
        QCOMPARE(second.serverName(), first.serverName());
        QVERIFY(!second.claim());
        QTRY_COMPARE(activations, 1);
        SingleInstance third(folder.path() + QStringLiteral("/"));
        QVERIFY(!third.claim());
        QTRY_COMPARE(activations, 2);
    }

    void otherLocationsRunSideBySide() {
        QTemporaryDir a;
        QTemporaryDir b;
        SingleInstance first(a.path());
        SingleInstance second(b.path());
        QVERIFY(first.serverName() != second.serverName());
        QVERIFY(first.claim());
        QVERIFY(second.claim());
    }

    void leftoversOfACrashedInstanceDoNotBlockAStart() {
        QTemporaryDir folder;
        SingleInstance instance(folder.path());
        // A lock of a process that is gone, and a socket file nobody serves.
        QFile lock(instance.lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("999999999\nlumoclick\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QFile socket(instance.serverName());
        QVERIFY(socket.open(QIODevice::WriteOnly));
        socket.close();

        QVERIFY(instance.claim());
        int activations = 0;
        QObject::connect(&instance, &SingleInstance::activationRequested, [&activations] { ++activations; });
        SingleInstance later(folder.path());
        QVERIFY(!later.claim());
        QTRY_COMPARE(activations, 1);
    }

    // The socket and the lock go in the user's runtime folder when it is
    // owner-only, else in an owner-only folder of their own; never straight
    // into the shared temporary folder. The socket goes with its instance.
    void theSocketLivesInAnOwnerOnlyFolderAndGoesWithItsInstance() {
        struct RestoreRuntime {
            bool had = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
            QByteArray value = qgetenv("XDG_RUNTIME_DIR");
            ~RestoreRuntime() {
                if (had)
                    qputenv("XDG_RUNTIME_DIR", value);
                else
                    qunsetenv("XDG_RUNTIME_DIR");
            }
        } restore;
        QTemporaryDir runtime;
        QTemporaryDir settings;
        constexpr QFile::Permissions kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                               QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QVERIFY(
            QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        QString socketPath;
        {
            SingleInstance instance(settings.path());
            socketPath = instance.serverName();
            QCOMPARE(QFileInfo(socketPath).absolutePath(), runtime.path());
            QCOMPARE(QFileInfo(instance.lockPath()).absolutePath(), runtime.path());
            QVERIFY(instance.claim());
            QVERIFY(QFileInfo::exists(socketPath));
            QCOMPARE(QFileInfo(socketPath).permissions() & kOthers, QFile::Permissions());
        }
        QVERIFY(!QFileInfo::exists(socketPath));

        // A runtime folder that others may enter is passed over.
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::Permissions(0x7777)));
        SingleInstance fallback(settings.path());
        const QFileInfo folder(QFileInfo(fallback.serverName()).absolutePath());
        QVERIFY2(folder.absoluteFilePath() != runtime.path() && folder.absoluteFilePath() != QDir::tempPath(),
                 qPrintable(fallback.serverName()));
        QVERIFY(folder.isDir() && !folder.isSymLink());
        QCOMPARE(folder.permissions() & kOthers, QFile::Permissions());
        QCOMPARE(folder.ownerId(), ::geteuid());
        QVERIFY(fallback.claim());
    }

    void oneActivationRestoresOnAStatusNotifierHostAndADoubleClickOnXEmbed() {
        QWidget window;
        Tray tray(&window, QIcon(QStringLiteral(":/app.png")), QStringLiteral("hint"));
        auto *icon = tray.findChild<QSystemTrayIcon *>(QStringLiteral("trayIcon"));
        QVERIFY(icon != nullptr);
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());

        tray.setHostKind(Tray::HostKind::XEmbed);
        emit icon->activated(QSystemTrayIcon::Trigger);
        QTest::qWait(50);
        QVERIFY(window.isMinimized());
        emit icon->activated(QSystemTrayIcon::DoubleClick);
        QTRY_VERIFY(!window.isMinimized());

        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        tray.setHostKind(Tray::HostKind::StatusNotifier);
        emit icon->activated(QSystemTrayIcon::Trigger);
        QTRY_VERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }

    void waylandIsToldByEitherVariable() {
        QProcessEnvironment environment;
        QVERIFY(!isWaylandSession(environment));
        environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
        QVERIFY(!isWaylandSession(environment));
        environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        QVERIFY(isWaylandSession(environment));
        QProcessEnvironment display;
        display.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
        QVERIFY(isWaylandSession(display));
    }

    void theWaylandNoticeComesOnceAndLeavesTheOtherSettingsAlone() {
        GuiFixture f;
        f.writeSettings(QStringLiteral("[setting]\nhotkey1=F10\n"));
        QVERIFY(showWaylandNoticeOnce(f.fake.services(), f.dir.path()));
        QCOMPARE(f.fake.messageBoxes.shown().size(), size_t{1});
        const fake::ShownBox &box = f.fake.messageBoxes.shown().front();
        QVERIFY(!box.hadOwner);
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QVERIFY(box.text.contains(QStringLiteral("X11")));

        const IniFile settings = IniFile::settings(f.dir.path());
        QCOMPARE(settings.readString(QStringLiteral("desktop"), QStringLiteral("waylandNoticeShown"), {}),
                 QStringLiteral("1"));
        QCOMPARE(settings.readString(QStringLiteral("setting"), QStringLiteral("hotkey1"), {}),
                 QStringLiteral("F10"));
        QVERIFY(!showWaylandNoticeOnce(f.fake.services(), f.dir.path()));
        QCOMPARE(f.fake.messageBoxes.shown().size(), size_t{1});
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
