// The help tab: the page beside the program, network pages, and the error
// page when a page cannot be loaded.

#include "app/HelpPage.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"

#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextBrowser>

using namespace lumo;
using lumo::test::GuiFixture;
using lumo::test::ui;

namespace {

// Answers every request with one fixed HTTP response.
class OnePageServer {
  public:
    explicit OnePageServer(QByteArray response) : response_(std::move(response)) {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket *socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().contains("\r\n\r\n"))
                    return;
                socket->write(response_);
                socket->disconnectFromHost();
            });
        });
        server_.listen(QHostAddress::LocalHost);
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/help.html").arg(server_.serverPort()));
    }

  private:
    QTcpServer server_;
    QByteArray response_;
};

bool waitForLoad(QSignalSpy &spy) {
    return spy.count() > 0 || spy.wait(5000);
}

} // namespace

class HelpPageTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheShippedChinesePageExplainingTheThreeTabs() {
        GuiFixture f;
        QVERIFY(QFile::copy(QStringLiteral(LUMO_HELP_PAGE), f.dir.filePath(QStringLiteral("help.html"))));
        MainWindow &main = f.start();
        QVERIFY(!main.helpPage()->showsError());
        QCOMPARE(main.helpPage()->address(),
                 QUrl::fromLocalFile(f.dir.filePath(QStringLiteral("help.html"))));
        const QString text = ui<QTextBrowser>(&main, "helpBrowser")->toPlainText();
        for (const char *tab : {"单点点击", "多点点击", "定时点击"})
            QVERIFY2(text.contains(QString::fromUtf8(tab)), tab);
    }

    void aMissingPageShowsTheErrorPage() {
        GuiFixture f;
        MainWindow &main = f.start();
        QVERIFY(main.helpPage()->showsError());
        QVERIFY(
            ui<QTextBrowser>(&main, "helpBrowser")->toPlainText().contains(QStringLiteral("无法显示此页")));
        QVERIFY(ui<QTextBrowser>(&main, "helpBrowser")
                    ->toPlainText()
                    .contains(f.dir.filePath(QStringLiteral("help.html"))));
    }

    void fetchesAnHttpPage() {
        const QByteArray body = QStringLiteral("<html><body>网上的帮助页</body></html>").toUtf8();
        OnePageServer server(
            "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\n"
            "Content-Length: " +
            QByteArray::number(body.size()) + "\r\n\r\n" + body);
        QTextBrowser view;
        HelpPage page(&view);
        QSignalSpy spy(&page, &HelpPage::loaded);
        page.load(server.url());
        QVERIFY(waitForLoad(spy));
        QCOMPARE(spy.first().first().toBool(), true);
        QCOMPARE(view.toPlainText(), QStringLiteral("网上的帮助页"));
    }

    void anUnreachableOrMissingHttpPageShowsTheErrorPage() {
        QTextBrowser view;
        HelpPage page(&view);
        QSignalSpy spy(&page, &HelpPage::loaded);

        OnePageServer missing(
            "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found");
        page.load(missing.url());
        QVERIFY(waitForLoad(spy));
        QCOMPARE(spy.takeFirst().first().toBool(), false);
        QVERIFY(view.toPlainText().contains(QStringLiteral("无法显示此页")));

        // A port nobody listens on any more.
        QUrl closed;
        {
            QTcpServer gone;
            QVERIFY(gone.listen(QHostAddress::LocalHost));
            closed = QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(gone.serverPort()));
        }
        page.load(closed);
        QVERIFY(waitForLoad(spy));
        QCOMPARE(spy.takeFirst().first().toBool(), false);
        QVERIFY(page.showsError());
        QVERIFY(view.toPlainText().contains(closed.toDisplayString()));
    }

    void aNewerLoadWinsOverOneStillUnderway() {
        QTcpServer silent; // accepts and never answers
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        GuiFixture f;
        QVERIFY(QFile::copy(QStringLiteral(LUMO_HELP_PAGE), f.dir.filePath(QStringLiteral("help.html"))));
        QTextBrowser view;
        HelpPage page(&view);
        QSignalSpy spy(&page, &HelpPage::loaded);
        page.load(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort())));
        page.load(HelpPage::defaultAddress(f.dir.path()));
        QTest::qWait(200);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toBool(), true);
        QVERIFY(!page.showsError());
    }
};

QTEST_MAIN(HelpPageTest)
#include "HelpPageTest.moc"
