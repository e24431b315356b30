// The boxes and texts that come outside the windows (start-up notices, the
// update offer, --help) speak the interface language too.

#include "app/CommandLine.h"
#include "app/SessionNotice.h"
#include "app/Translations.h"
#include "core/Texts.h"
#include "storage/Database.h"
#include "tests/gui/support/GuiFixture.h"
#include "update/UpdateCheck.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace lumo;
using namespace platform;
using lumo::test::GuiFixture;

namespace {

bool hasChinese(const QString &text) {
    static const QRegularExpression han(
        QStringLiteral("[\\x{4e00}-\\x{9fff}\\x{3000}-\\x{303f}\\x{ff00}-\\x{ffef}]"));
    return han.match(text).hasMatch();
}

void dropTable(GuiFixture &f, const QString &table) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("alter"));
        db.setDatabaseName(f.databasePath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("drop table ") + table));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("alter"));
}

// The text of the one box shown so far when its caption is the English
// notice caption and nothing in it is Chinese; nothing otherwise.
QString englishNoticeText(GuiFixture &f) {
    const std::vector<fake::ShownBox> &boxes = f.fake.messageBoxes.shown();
    if (boxes.size() != 1) {
        qWarning("%d boxes shown", int(boxes.size()));
        return {};
    }
    if (boxes[0].caption != QLatin1String("Notice") || hasChinese(boxes[0].text)) {
        qWarning("not English: %s / %s", qPrintable(boxes[0].caption), qPrintable(boxes[0].text));
        return {};
    }
    return boxes[0].text;
}

} // namespace

class NoticeLanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { installTranslations(UiLanguage::Chinese); }

    void aDamagedDatabaseIsReportedInEnglish() {
        installTranslations(UiLanguage::English);
        GuiFixture f;
        dropTable(f, QStringLiteral("tplist"));
        f.start();
        const QString text = englishNoticeText(f);
        QVERIFY2(text.contains(QStringLiteral("table tplist is missing")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Timed task list will stay empty")), qPrintable(text));
        // The address comes last, closing the sentence.
        QVERIFY2(text.endsWith(texts::kDownloadSite + QLatin1Char('.')), qPrintable(text));
    }

    // The Chinese message is put together from pieces; they must still read
    // as the one sentence it always was.
    void theChineseSchemaTextReadsAsBefore() {
        const QString text = missingSchemaText(
            {{QStringLiteral("mplist"), QString()}, {QStringLiteral("tplist"), QStringLiteral("nums")}});
        QCOMPARE(text,
                 QStringLiteral("数据文件 acdb.mdb 不完整:\n缺少数据表 mplist\n数据表 tplist 缺少 nums 列\n"
                                "多点脚本列表和定时任务列表将保持为空,其他功能照常使用.\n"
                                "请从备份中恢复 acdb.mdb,或到") +
                     texts::kDownloadSite + QStringLiteral("重新下载软件."));
    }

    void theWaylandNoticeAndTheUpdateOfferAreEnglish() {
        installTranslations(UiLanguage::English);
        {
            GuiFixture f;
            QVERIFY(showWaylandNoticeOnce(f.fake.services(), f.dir.path()));
            // It names the commands to bind instead of the hotkeys.
            for (const char *words :
                 {"XWayland", "lumoclick --toggle", "lumoclick --stop", "lumoclick --play"})
                QVERIFY2(englishNoticeText(f).contains(QLatin1String(words)),
                         qPrintable(englishNoticeText(f)));
        }
        GuiFixture f;
        f.fake.messageBoxes.answer(Answer::No);
        announceUpdate(f.fake.services(), {QStringLiteral("3.8"), QString()});
        QCOMPARE(englishNoticeText(f), QStringLiteral("Version 3.8 is available. Open its download page?"));
    }

    void helpIsPrintedInTheInterfaceLanguage() {
        const QStringList line{QStringLiteral("lumoclick"), QStringLiteral("--help")};
        QVERIFY(hasChinese(commandLineReply(line).value_or(QString())));
        installTranslations(UiLanguage::English);
        const QString help = commandLineReply(line).value_or(QString());
        QVERIFY2(!hasChinese(help), qPrintable(help));
        for (const char *word : {"Usage: lumoclick", "tb", "2345", "autotime", "--version"})
            QVERIFY2(help.contains(QLatin1String(word)), word);
    }
};

QTEST_MAIN(NoticeLanguageTest)
#include "NoticeLanguageTest.moc"
