#include "tests/e2e/support/ScriptSetup.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace e2e {

bool storeScript(const QString &database, const QString &hotkey, const QString &steps,
                 const QString &cycles) {
    const QString connection = QStringLiteral("e2e-script-setup");
    bool stored = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(database);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(
                QStringLiteral("insert into mplist (mpname,hotkey,mpoint,clicknum) values (:a,:b,:c,:d)"));
            query.bindValue(QStringLiteral(":a"), QStringLiteral("测试"));
            query.bindValue(QStringLiteral(":b"), hotkey);
            query.bindValue(QStringLiteral(":c"), steps);
            query.bindValue(QStringLiteral(":d"), cycles);
            stored = query.exec();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return stored;
}

void clickAt(XSession &session, int x, int y) {
    session.movePointer(x, y);
    XTestFakeButtonEvent(session.display(), 1, True, 0);
    XTestFakeButtonEvent(session.display(), 1, False, 0);
    XFlush(session.display());
    QThread::msleep(150);
}

void enableFirstScript(XSession &session) {
    // The first row under the list's header, then the button "启用(&S)".
    clickAt(session, kMainWindowX + 80, kMainWindowY + 172);
    clickAt(session, kMainWindowX + 409, kMainWindowY + 345);
    QThread::msleep(300);
}

} // namespace e2e
