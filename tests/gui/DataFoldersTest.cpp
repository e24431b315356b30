// An installed program whose user folders cannot be had: a damaged database
// template, no HOME, a settings folder that cannot be made. Each is told as
// it is, nothing is created in their place, and the hotkeys still work.

#include "app/AppWindows.h"
#include "platform/fake/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lumo;
using namespace platform;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A prefix laid out as an installation, with a home of its own.
struct Installation {
    Installation() {
        QDir().mkpath(bin());
        qputenv("HOME", home().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }
    ~Installation() { forms.reset(); }

    QString bin() const { return root.filePath(QStringLiteral("usr/bin")); }
    QString home() const { return root.filePath(QStringLiteral("home")); }
    QString templatePath() const { return root.filePath(QStringLiteral("usr/share/lumoclick/acdb.mdb")); }
    QString userDatabase() const { return home() + QStringLiteral("/.local/share/lumoclick/acdb.mdb"); }

    bool goodTemplate() {
        QFile::remove(templatePath());
        return QDir().mkpath(QFileInfo(templatePath()).absolutePath()) &&
               QFile::copy(QStringLiteral(LUMO_DATABASE), templatePath());
    }

    // Each start is a new run of the program on a desktop of its own.
    void start() {
        forms.reset();
        fake = std::make_unique<fake::FakeBackend>();
        forms =
            createAppWindows(fake->services(), DataLocation::decide(bin()), {QStringLiteral("lumoclick")});
        forms->mainWindow->show();
    }

    bool bothHotkeysHeld() {
        QWidget *main = forms->mainWindow.get();
        return fake->hotkeys.isRegistered(main, 1008) && fake->hotkeys.isRegistered(main, 1108);
    }

    QTemporaryDir root;
    std::unique_ptr<fake::FakeBackend> fake;
    std::unique_ptr<AppWindows> forms;
};

} // namespace

class DataFoldersTest : public QObject {
    Q_OBJECT
  private slots:
    void aDamagedTemplateIsNamedAndNeverCopiedSoItsRepairTakesEffect() {
        Installation i;
        QVERIFY(writeFile(i.templatePath(), QByteArray("SQLite format 3\0", 16) + QByteArray(4000, '\x5a')));
        i.start();
        const QStringList texts = i.fake->messageBoxes.texts();
        QVERIFY2(texts.size() == 1, qPrintable(texts.join(QStringLiteral("\n|"))));
        QVERIFY2(texts[0].contains(i.templatePath()), qPrintable(texts[0]));
        QVERIFY(!texts[0].contains(QStringLiteral("下载")));
        QCOMPARE(i.fake->messageBoxes.shown()[0].caption, QStringLiteral("提示"));
        QVERIFY(!QFile::exists(i.userDatabase()));
        QVERIFY(i.bothHotkeysHeld());

        // Repaired, the next start makes the user's database from it.
        QVERIFY(i.goodTemplate());
        i.start();
        QVERIFY2(i.fake->messageBoxes.texts().isEmpty(), qPrintable(i.fake->messageBoxes.texts().join(u'|')));
        QVERIFY(QFile::exists(i.userDatabase()));
    }

    void withoutHomeOneMessageSaysSoAndNothingIsCreated() {
        Installation i;
        QVERIFY(i.goodTemplate());
        const bool rootConfigBefore = QFileInfo::exists(QStringLiteral("/.config/lumoclick"));
        const bool rootDataBefore = QFileInfo::exists(QStringLiteral("/.local/share/lumoclick"));
        qunsetenv("HOME");
        i.start();
        const QStringList texts = i.fake->messageBoxes.texts();
        QVERIFY2(texts.size() == 1, qPrintable(texts.join(QStringLiteral("\n|"))));
        QVERIFY2(texts[0].contains(QStringLiteral("HOME")), qPrintable(texts[0]));
        QVERIFY(!texts[0].contains(QStringLiteral("下载")));
        QVERIFY(i.bothHotkeysHeld());
        QCOMPARE(QFileInfo::exists(QStringLiteral("/.config/lumoclick")), rootConfigBefore);
        QCOMPARE(QFileInfo::exists(QStringLiteral("/.local/share/lumoclick")), rootDataBefore);
        QVERIFY(!QFileInfo::exists(QDir::current().filePath(QStringLiteral("setting.ini"))));
    }

    void aDataFolderThatCannotBeMadeIsNamed() {
        Installation i;
        QVERIFY(i.goodTemplate());
        const QString blocked = i.root.filePath(QStringLiteral("blocked"));
        QVERIFY(writeFile(blocked, "a file where the folder should be"));
        qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
        i.start();
        const QStringList texts = i.fake->messageBoxes.texts();
        QVERIFY2(texts.size() == 1, qPrintable(texts.join(QStringLiteral("\n|"))));
        QVERIFY2(texts[0].contains(blocked + QStringLiteral("/lumoclick")), qPrintable(texts[0]));
        QVERIFY(!texts[0].contains(QStringLiteral("下载")));
        QVERIFY(i.bothHotkeysHeld());
    }

    void aSettingsFolderThatCannotBeMadeIsNamed() {
        Installation i;
        QVERIFY(i.goodTemplate());
        const QString blocked = i.root.filePath(QStringLiteral("blocked"));
        QVERIFY(writeFile(blocked, "a file where the folder should be"));
        qputenv("XDG_CONFIG_HOME", blocked.toLocal8Bit());
        i.start();
        const QStringList texts = i.fake->messageBoxes.texts();
        QVERIFY2(texts.size() == 1, qPrintable(texts.join(QStringLiteral("\n|"))));
        QVERIFY2(texts[0].contains(blocked + QStringLiteral("/lumoclick")), qPrintable(texts[0]));
        QVERIFY(i.bothHotkeysHeld());
    }
};

QTEST_MAIN(DataFoldersTest)
#include "DataFoldersTest.moc"
