// The time to fill the script list with 10,000 scripts (ScriptList::reload),
// beside the bare database read of the same rows in the same run. Runs on
// the offscreen platform with the fake backend.

#include "app/MainWindow.h"
#include "scripts/ScriptList.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/gui/support/WidgetLookup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
using lumo::test::ui;

constexpr int kScripts = 10000;
constexpr int kRounds = 5;

bool fillTable(const QString &database) {
    const QString connection = QStringLiteral("bench");
    bool filled = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(database);
        if (db.open() && db.transaction()) {
            QSqlQuery query(db);
            query.prepare(
                QStringLiteral("insert into mplist (mpname,hotkey,mpoint,clicknum) values (:a,:b,:c,:d)"));
            filled = true;
            for (int i = 0; i < kScripts && filled; ++i) {
                query.bindValue(QStringLiteral(":a"), QStringLiteral("脚本%1").arg(i));
                query.bindValue(QStringLiteral(":b"), QStringLiteral("Ctrl+F%1").arg(1 + i % 12));
                query.bindValue(QStringLiteral(":c"),
                                QStringLiteral("100,200,左键单击,20|300,400,右键双击,500|"));
                query.bindValue(QStringLiteral(":d"), QStringLiteral("3"));
                filled = query.exec();
            }
            filled = db.commit() && filled;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return filled;
}

// The peer: every row and column read into texts, nothing shown.
qint64 bareRead(const QString &database, int &rows) {
    const QString connection = QStringLiteral("peer");
    qint64 ms = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(database);
        db.open();
        QElapsedTimer timer;
        timer.start();
        QSqlQuery query(QStringLiteral("select * from [mplist]"), db);
        std::vector<QStringList> all;
        while (query.next()) {
            QStringList row;
            for (int c = 0; c < 5; ++c)
                row << query.value(c).toString();
            all.push_back(row);
        }
        ms = timer.elapsed();
        rows = static_cast<int>(all.size());
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ms;
}

qint64 median(std::vector<qint64> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    lumo::test::GuiFixture fixture;
    if (!fillTable(fixture.databasePath())) {
        std::fprintf(stderr, "bench_script_list: cannot fill the table\n");
        return 1;
    }
    lumo::MainWindow &main = fixture.start();

    std::vector<qint64> lists;
    std::vector<qint64> reads;
    int rows = 0;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        main.scriptList()->reload();
        lists.push_back(timer.elapsed());
        reads.push_back(bareRead(fixture.databasePath(), rows));
    }
    std::printf("%d scripts, median of %d rounds\n", rows, kRounds);
    std::printf("reload           %lld ms\n", static_cast<long long>(median(lists)));
    std::printf("bare select      %lld ms\n", static_cast<long long>(median(reads)));
    if (median(reads) > 0)
        std::printf("ratio reload/bare select: %.1f\n",
                    static_cast<double>(median(lists)) / static_cast<double>(median(reads)));
    return rows == kScripts ? 0 : 1;
}
