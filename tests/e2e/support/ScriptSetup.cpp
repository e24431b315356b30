#include "tests/e2e/support/ScriptSetup.h"

#include "app/AppControls.h"
#include "scripts/ScriptControls.h"
#include "tests/e2e/support/ProgramTest.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace e2e {

namespace {

// Runs one insert with its named values on the database file.
bool insertRow(const QString &database, const QString &statement,
               const QList<QPair<QString, QString>> &values) {
    const QString connection = QStringLiteral("e2e-script-setup");
    bool stored = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(database);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(statement);
            for (const auto &[name, value] : values)
                query.bindValue(QLatin1Char(':') + name, value);
            stored = query.exec();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return stored;
}

} // namespace

bool storeScript(const QString &database, const QString &hotkey, const QString &steps, const QString &cycles,
                 const QString &name) {
    return insertRow(database,
                     QStringLiteral("insert into mplist (mpname,hotkey,mpoint,clicknum) "
                                    "values (:name,:hotkey,:steps,:cycles)"),
                     {{QStringLiteral("name"), name},
                      {QStringLiteral("hotkey"), hotkey},
                      {QStringLiteral("steps"), steps},
                      {QStringLiteral("cycles"), cycles}});
}

bool storeTimedTask(const QString &database, const QString &time, const QString &steps,
                    const QString &cycles) {
    return insertRow(database,
                     QStringLiteral("insert into tplist (tpname,mpoint,nums) values (:time,:steps,:cycles)"),
                     {{QStringLiteral("time"), time},
                      {QStringLiteral("steps"), steps},
                      {QStringLiteral("cycles"), cycles}});
}

void clickAt(XSession &session, int x, int y) {
    session.movePointer(x, y);
    XTestFakeButtonEvent(session.display(), 1, True, 0);
    XTestFakeButtonEvent(session.display(), 1, False, 0);
    XFlush(session.display());
    QThread::msleep(150);
}

bool clickIn(XSession &session, const QString &title, QPoint at) {
    const std::optional<QPoint> origin = session.clientOrigin(title);
    if (!origin)
        return false;
    clickAt(session, origin->x() + at.x(), origin->y() + at.y());
    return true;
}

bool clickInMainWindow(XSession &session, QPoint at) {
    const WindowFrame main = session.largestWindowOfClass(kProgramWindowClass);
    if (main.window == 0)
        return false;
    clickAt(session, main.x + at.x(), main.y + at.y());
    return true;
}

QPoint firstScriptRow() {
    const QRect list = lumo::controlRect(lumo::kMainWindowControls, "scriptList", lumo::kScriptListControls,
                                         "scriptListView");
    return list.topLeft() + QPoint(70, 33);
}

void enableFirstScript(XSession &session) {
    clickInMainWindow(session, firstScriptRow());
    clickInMainWindow(session, lumo::controlCentre(lumo::kMainWindowControls, "scriptList",
                                                   lumo::kScriptListControls, "enableButton"));
    QThread::msleep(300);
}

} // namespace e2e
