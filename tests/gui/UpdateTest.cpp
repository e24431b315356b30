// The update: the check on the loaded update page, the download against a
// server of the test's own, the failure path, cancel and the end.

#include "app/Tray.h"
#include "core/Texts.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/TestHttpServer.h"
#include "tests/gui/support/WidgetLookup.h"
#include "update/UpdatePage.h"
#include "widgets/StatusBar.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace lumo;
using lumo::test::ui;
using namespace platform;
using lumo::test::GuiFixture;
using lumo::test::TestHttpServer;

namespace {

const QStringList kEight = {QStringLiteral("app_close"),   QStringLiteral("app_version"),
                            QStringLiteral("app_hp"),      QStringLiteral("app_showtip"),
                            QStringLiteral("app_showkey"), QStringLiteral("app_url"),
                            QStringLiteral("app_hname"),   QStringLiteral("app_hurl")};

// An update page whose script defines the eight variables, less one if asked.
QByteArray updatePage(const QString &version, const QString &url, const QString &extra = {},
                      const QString &without = {}) {
    QString script;
    for (const QString &name : kEight) {
        if (name == without)
            continue;
        const QString value = name == QLatin1String("app_version") ? version
                              : name == QLatin1String("app_url")   ? url
                                                                   : QStringLiteral("x");
        script += QStringLiteral("var %1 = \"%2\";\n").arg(name, value);
    }
    return QStringLiteral(
               "<html><head><script type=\"text/javascript\">\n%1%2</script></head><body>升级</body></html>")
        .arg(script, extra)
        .toUtf8();
}

QByteArray installerBody() {
    QByteArray body;
    for (int i = 0; i < 200000; ++i)
        body.append(char(i * 7 % 251));
    return body;
}

// A program whose update page and installer come from a server of its own,
// with the current directory in the program's temporary folder.
struct UpdateRig {
    UpdateRig() : previousDirectory(QDir::currentPath()) {
        qputenv("LUMOCLICK_UPDATE_PAGE", server.url("/update.html"));
        QDir::setCurrent(f.dir.path());
        server.route("/setup.exe").body = installerBody();
    }
    ~UpdateRig() {
        f.forms.reset();
        server.dropStalled();
        QDir::setCurrent(previousDirectory);
        qunsetenv("LUMOCLICK_UPDATE_PAGE");
    }

    void servePage(const QByteArray &html) { server.route("/update.html").body = html; }
    // Starts the program and waits until the update page has been read.
    void startAndLoad() {
        f.start();
        download = f.forms->updateDownloadWindow.get();
        countEnds();
        QSignalSpy complete(f.main().updatePage(), &UpdatePage::loaded);
        QVERIFY(complete.wait(5000));
    }
    // The update window's ends are counted instead of ending the test.
    void countEnds() {
        QObject::disconnect(download, &UpdateDownloadWindow::endRequested, nullptr, nullptr);
        QObject::connect(download, &UpdateDownloadWindow::endRequested, [this] { ++ends; });
    }
    // Waits until the worker has ended (it frees itself).
    void waitForWorker() { QTRY_VERIFY(download->worker() == nullptr); }
    bool installerExists() const { return QFile::exists(f.dir.filePath(QStringLiteral("setup.exe"))); }
    // Everything in the program's folder but its database.
    QStringList strayFiles() const {
        QStringList files = QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden);
        files.removeAll(QStringLiteral("acdb.mdb"));
        return files;
    }

    TestHttpServer server;
    GuiFixture f;
    QString previousDirectory;
    UpdateDownloadWindow *download = nullptr;
    int ends = 0;
};

} // namespace

class UpdateTest : public QObject {
    Q_OBJECT
  private slots:
    void theCarriedVersionLeavesTheProgramAlone() {
        UpdateRig rig;
        rig.servePage(updatePage(QStringLiteral("3.7"), QString::fromLatin1(rig.server.url("/setup.exe"))));
        rig.startAndLoad();
        QTest::qWait(100);
        QCOMPARE(rig.server.seenLines(), QList<QByteArray>{"GET /update.html"});
        QVERIFY(rig.f.main().isVisible());
        QVERIFY(!rig.download->isVisible());
        QVERIFY(rig.download->worker() == nullptr);
    }

    void pagesThatAreNoUpdatePageStartNothing_data() {
        QTest::addColumn<QByteArray>("page");
        const QString url = QStringLiteral("http://127.0.0.1:1/setup.exe");
        for (const QString &name : kEight)
            QTest::addRow("without %s", qPrintable(name)) << updatePage(QStringLiteral("3.6"), url, {}, name);
        QTest::addRow("script never ends")
            << updatePage(QStringLiteral("3.6"), url, QStringLiteral("for (;;) {}"));
        QTest::addRow("variables only in a comment")
            << QByteArray("<html><!-- <script>") + updatePage(QStringLiteral("3.6"), url) + "</script> -->";
        QTest::addRow("variables only in an external script") << QByteArray(
            "<script src=\"x.js\">var app_close=1,app_version='3.6',app_hp=1,app_showtip=1,app_showkey=1,"
            "app_url='u',app_hname=1,app_hurl=1;</script>");
    }
    void pagesThatAreNoUpdatePageStartNothing() {
        QFETCH(QByteArray, page);
        UpdateRig rig;
        rig.servePage(page);
        QElapsedTimer clock;
        clock.start();
        rig.startAndLoad();
        QVERIFY2(clock.elapsed() < UpdatePage::kScriptDeadlineMs + 2000,
                 "a runaway script is stopped after about two seconds");
        QTest::qWait(100);
        QVERIFY(!rig.download->isVisible());
        QVERIFY(rig.f.main().isVisible());
        QVERIFY(rig.f.fake.messageBoxes.shown().empty());
        QCOMPARE(rig.server.seenLines(), QList<QByteArray>{"GET /update.html"});
    }

    void aMissingUpdatePageStartsNothing() {
        UpdateRig rig;
        rig.server.route("/update.html").status = 404;
        rig.servePage(updatePage(QStringLiteral("3.6"), QString::fromLatin1(rig.server.url("/setup.exe"))));
        rig.startAndLoad();
        QTest::qWait(100);
        QVERIFY(!rig.download->isVisible());
        QCOMPARE(rig.server.seenLines(), QList<QByteArray>{"GET /update.html"});
    }

    // A desktop that cannot run setup.exe (Linux): the offer is announced
    // once, nothing is fetched but the page, and the program goes on.
    void withoutInstallersAnotherVersionIsAnnouncedOnceAndTheProgramGoesOn_data() {
        QTest::addColumn<QString>("pageUrl");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("opened");
        const QString page = QStringLiteral("https://www.lumoclick.example/download/v3.8.html");
        QTest::addRow("yes opens the page's address") << page << Answer::Yes << page;
        QTest::addRow("yes without an address opens the download site")
            << QString() << Answer::Yes << texts::kDownloadSite;
        QTest::addRow("no opens nothing") << page << Answer::No << QString();
        // Only web addresses: a file or a share opens the download site.
        for (const char *other : {"file:///etc/passwd", "smb://host/share/setup.exe", "javascript:alert(1)",
                                  "C:\\setup.exe", "http://"})
            QTest::addRow("yes with %s opens the download site", other)
                << QString::fromLatin1(other) << Answer::Yes << texts::kDownloadSite;
    }
    void withoutInstallersAnotherVersionIsAnnouncedOnceAndTheProgramGoesOn() {
        QFETCH(QString, pageUrl);
        QFETCH(Answer, answer);
        QFETCH(QString, opened);
        UpdateRig rig;
        rig.f.fake.shell.installers = false;
        rig.f.fake.messageBoxes.answer(answer);
        rig.servePage(updatePage(QStringLiteral("3.8"), pageUrl));
        rig.startAndLoad();
        QTest::qWait(200);

        QCOMPARE(rig.f.fake.messageBoxes.shown().size(), size_t{1});
        const fake::ShownBox &box = rig.f.fake.messageBoxes.shown().front();
        QVERIFY(!box.hadOwner);
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QVERIFY2(box.text.contains(QStringLiteral("3.8")), qPrintable(box.text));
        QCOMPARE(box.buttons, Buttons::YesNo);
        QCOMPARE(rig.f.fake.shell.opened, opened.isEmpty() ? QStringList{} : QStringList{opened});

        QCOMPARE(rig.server.seenLines(), QList<QByteArray>{"GET /update.html"});
        QVERIFY(!rig.installerExists());
        QVERIFY(rig.strayFiles().isEmpty());
        QVERIFY(rig.f.fake.shell.started.isEmpty());
        QVERIFY(!rig.download->isVisible());
        QVERIFY(rig.f.main().isVisible());
        rig.f.fake.advance(5000);
        QCOMPARE(rig.ends, 0);

        // The page again in the same run (a reload, a late script): no second box.
        emit rig.f.main().updatePage()->loaded();
        QTest::qWait(50);
        QCOMPARE(rig.f.fake.messageBoxes.shown().size(), size_t{1});
    }

    void withoutInstallersTheCarriedVersionIsNotAnnounced() {
        UpdateRig rig;
        rig.f.fake.shell.installers = false;
        rig.servePage(updatePage(QStringLiteral("3.7"), QStringLiteral("https://x.example/")));
        rig.startAndLoad();
        QTest::qWait(100);
        QVERIFY(rig.f.fake.messageBoxes.shown().empty());
        QVERIFY(rig.f.fake.shell.opened.isEmpty());
    }

    void anotherVersionDownloadsStartsTheInstallerAndEnds_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("digest"); // app_sha256 in the page, if any
        QTest::addRow("3.70") << QStringLiteral("3.70") << QString();
        QTest::addRow("3.6") << QStringLiteral("3.6") << QString();
        QTest::addRow("empty") << QString() << QString();
        QTest::addRow("matching digest in upper case")
            << QStringLiteral("3.8")
            << QString::fromLatin1(
                   QCryptographicHash::hash(installerBody(), QCryptographicHash::Sha256).toHex().toUpper());
    }
    void anotherVersionDownloadsStartsTheInstallerAndEnds() {
        QFETCH(QString, version);
        QFETCH(QString, digest);
        UpdateRig rig;
        const QString url = QString::fromLatin1(rig.server.url("/setup.exe"));
        const QString extra =
            digest.isEmpty() ? QString() : QStringLiteral("var app_sha256 = '%1';").arg(digest);
        rig.servePage(updatePage(version, url, extra));
        // An old installer is replaced, not appended to.
        QFile old(rig.f.dir.filePath(QStringLiteral("setup.exe")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(300000, 'o'));
        old.close();
        rig.startAndLoad();

        QVERIFY(rig.download->isVisible());
        QVERIFY(!rig.f.main().isVisible());
        QCOMPARE(rig.download->url(), url);
        QTRY_VERIFY(rig.download->isQuitTimerActive());
        rig.waitForWorker();

        QCOMPARE(rig.server.seenLines(),
                 (QList<QByteArray>{"GET /update.html", "HEAD /setup.exe", "GET /setup.exe"}));
        for (const test::SeenRequest &request : rig.server.seen().mid(1)) {
            QCOMPARE(request.version, QByteArray("HTTP/1.1"));
            QCOMPARE(request.header("User-Agent"), QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
            QCOMPARE(request.header("Accept"), QByteArray("text/html, */*"));
            QCOMPARE(request.header("Content-Type"), QByteArray("text/html"));
            // A compressed answer would not match the size HEAD announced.
            QVERIFY(!request.header("Accept-Encoding").contains("gzip"));
        }
        QFile installer(rig.f.dir.filePath(QStringLiteral("setup.exe")));
        QVERIFY(installer.open(QIODevice::ReadOnly));
        QCOMPARE(installer.readAll(), installerBody());
        QCOMPARE(rig.strayFiles(), QStringList{QStringLiteral("setup.exe")});
        QCOMPARE(rig.f.fake.shell.started,
                 QList<QStringList>{{rig.f.dir.filePath(QStringLiteral("setup.exe"))}});
        QVERIFY(rig.f.fake.shell.opened.isEmpty());
        QVERIFY(rig.f.fake.messageBoxes.shown().empty());
        QCOMPARE(ui<QProgressBar>(rig.download, "progressBar")->maximum(), installerBody().size());
        QCOMPARE(ui<QProgressBar>(rig.download, "progressBar")->value(), installerBody().size());

        // The end comes with the quit timer's first tick, a second after the start.
        QCOMPARE(rig.f.fake.timers.periodOf(rig.download, UpdateDownloadWindow::kQuitTimerId), 1000);
        rig.f.fake.advance(999);
        QCOMPARE(rig.ends, 0);
        rig.f.fake.advance(1);
        QCOMPARE(rig.ends, 1);
        rig.f.fake.advance(5000);
        QCOMPARE(rig.ends, 1);
    }

    void failedDownloadsReportOpenTheDownloadPageAndEnd_data() {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QList<QByteArray>>("requests");
        const QList<QByteArray> headOnly = {"GET /update.html", "HEAD /setup.exe"};
        const QList<QByteArray> both = {"GET /update.html", "HEAD /setup.exe", "GET /setup.exe"};
        QTest::addRow("no Content-Length") << QByteArray("no-length") << headOnly;
        QTest::addRow("not found") << QByteArray("404") << headOnly;
        QTest::addRow("redirect") << QByteArray("redirect") << headOnly;
        QTest::addRow("short body") << QByteArray("short") << both;
        QTest::addRow("wrong digest") << QByteArray("digest") << both;
        QTest::addRow("empty address") << QByteArray("empty-url") << QList<QByteArray>{"GET /update.html"};
        QTest::addRow("a local file") << QByteArray("file-url") << QList<QByteArray>{"GET /update.html"};
    }
    void failedDownloadsReportOpenTheDownloadPageAndEnd() {
        QFETCH(QByteArray, kind);
        QFETCH(QList<QByteArray>, requests);
        UpdateRig rig;
        QString url = QString::fromLatin1(rig.server.url("/setup.exe"));
        QString extra;
        test::Route &setup = rig.server.route("/setup.exe");
        if (kind == "no-length")
            setup.sendContentLength = false;
        else if (kind == "404")
            setup.status = 404;
        else if (kind == "redirect") {
            rig.server.route("/elsewhere.exe").body = installerBody();
            setup = test::Route{302, {}, {{"Location", rig.server.url("/elsewhere.exe")}}, true, {}, {}};
        } else if (kind == "short")
            setup.headContentLength = setup.body.size() + 1;
        else if (kind == "digest")
            extra = QStringLiteral("var app_sha256 = '%1';").arg(QString(64, QLatin1Char('0')));
        else if (kind == "empty-url")
            url.clear();
        else if (kind == "file-url")
            url = QUrl::fromLocalFile(QCoreApplication::applicationFilePath()).toString();
        rig.servePage(updatePage(QStringLiteral("3.6"), url, extra));
        rig.startAndLoad();

        QVERIFY(rig.download->isVisible());
        QTRY_VERIFY(rig.download->isQuitTimerActive());
        rig.waitForWorker();
        QCOMPARE(rig.server.seenLines(), requests);
        QCOMPARE(rig.f.fake.messageBoxes.shown().size(), std::size_t(1));
        const fake::ShownBox &box = rig.f.fake.messageBoxes.shown()[0];
        QVERIFY(!box.hadOwner);
        QCOMPARE(box.text, QStringLiteral("下载文件自动升级下载失败，请到官网手动下载"));
        QCOMPARE(box.caption, QStringLiteral("下载失败"));
        QCOMPARE(box.buttons, Buttons::Ok);
        QCOMPARE(box.icon, Icon::Error);
        QCOMPARE(rig.f.fake.shell.opened, QStringList{texts::kDownloadSite});
        QVERIFY(rig.f.fake.shell.started.isEmpty());
        QVERIFY(rig.strayFiles().isEmpty());
        rig.f.fake.advance(999);
        QCOMPARE(rig.ends, 0);
        rig.f.fake.advance(1);
        QCOMPARE(rig.ends, 1);
    }

    void cancelDuringASlowTransferEndsAtOnceAndLeavesNoFile() {
        UpdateRig rig;
        rig.server.route("/setup.exe").stallAfter = 5000;
        rig.servePage(updatePage(QStringLiteral("3.6"), QString::fromLatin1(rig.server.url("/setup.exe"))));
        rig.startAndLoad();
        QTRY_VERIFY(ui<QProgressBar>(rig.download, "progressBar")->value() >= 5000);
        QCOMPARE(ui<QProgressBar>(rig.download, "progressBar")->maximum(), installerBody().size());
        QCOMPARE(rig.ends, 0);

        ui<QPushButton>(rig.download, "cancelButton")->click();
        QCOMPARE(rig.ends, 1);
        rig.waitForWorker();
        QVERIFY(rig.strayFiles().isEmpty());
        QVERIFY(rig.f.fake.messageBoxes.shown().empty());
        QVERIFY(rig.f.fake.shell.started.isEmpty());
        QVERIFY(rig.f.fake.shell.opened.isEmpty());
    }

    void closingTheUpdateWindowEndsTheProgram() {
        UpdateRig rig;
        rig.server.route("/setup.exe").stallAfter = 10;
        rig.servePage(updatePage(QStringLiteral("3.6"), QString::fromLatin1(rig.server.url("/setup.exe"))));
        rig.startAndLoad();
        QTRY_VERIFY(ui<QProgressBar>(rig.download, "progressBar")->value() >= 10);
        rig.download->close();
        QCOMPARE(rig.ends, 1);
        rig.waitForWorker();
        QVERIFY(rig.strayFiles().isEmpty());
    }

    // Hidden to the tray before the page came, the main window stays hidden
    // once the update has taken over: the icon and "设置" undo only that.
    void theTrayDoesNotBringBackAWindowTheUpdateHid() {
        UpdateRig rig;
        rig.server.route("/setup.exe").stallAfter = 10;
        rig.servePage(updatePage(QStringLiteral("3.6"), QString::fromLatin1(rig.server.url("/setup.exe"))));
        MainWindow &main = rig.f.start();
        rig.download = rig.f.forms->updateDownloadWindow.get();
        rig.countEnds();
        main.hideToTray();
        QSignalSpy complete(main.updatePage(), &UpdatePage::loaded);
        QVERIFY(complete.wait(5000));
        QVERIFY(rig.download->isVisible());

        main.tray()->iconEvent(Tray::IconEvent::LeftDouble, {});
        QVERIFY(!main.isVisible());
        ui<QAction>(&main, "restoreAction")->trigger();
        QVERIFY(!main.isVisible());
        QVERIFY(rig.download->isVisible());
    }

    // With the main window hidden, the update window alone keeps the program
    // running: a message box closing must not end it before the quit timer does.
    void theUpdateWindowKeepsTheProgramRunningWhileTheMainWindowIsHidden() {
        UpdateRig rig;
        rig.server.route("/setup.exe").stallAfter = 10;
        rig.servePage(updatePage(QStringLiteral("3.6"), QString::fromLatin1(rig.server.url("/setup.exe"))));
        rig.startAndLoad();
        QVERIFY(!rig.f.main().isVisible());
        // Only the application's own loop ends on the last window closed.
        QTimer::singleShot(0, qApp, [] {
            auto *box = new QWidget;
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
            box->close();
        });
        QTimer::singleShot(300, qApp, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 7);
    }

    void dressesTheUpdateWindow() {
        GuiFixture f;
        f.start();
        UpdateDownloadWindow &window = *f.forms->updateDownloadWindow;
        QCOMPARE(window.windowTitle(), QStringLiteral("Lumo鼠标自动点击器升级中..."));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(ui<QLabel>(&window, "messageLabel")->text(), QStringLiteral("升级文件下载中..."));
        QCOMPARE(ui<QPushButton>(&window, "cancelButton")->text(), QStringLiteral("取消(&C)"));
        QCOMPARE(ui<StatusBar>(&window, "statusBar")->panelCount(), 2);
        QCOMPARE(ui<StatusBar>(&window, "statusBar")->panelRect(0).width() + 2, 180);
        QCOMPARE(ui<StatusBar>(&window, "statusBar")->panelRect(1).width() + 2, 50);
        QCOMPARE(ui<StatusBar>(&window, "statusBar")->panelText(0), QStringLiteral("正在下载新版本安装文件"));
        QCOMPARE(ui<StatusBar>(&window, "statusBar")->panelText(1), QString());
        QVERIFY(!window.isQuitTimerActive());
    }
};

QTEST_MAIN(UpdateTest)
#include "UpdateTest.moc"
