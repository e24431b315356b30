#include "tests/gui/support/GuiFixture.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace lumo::test {

GuiFixture::GuiFixture(bool withDatabase) {
    if (withDatabase)
        QFile::copy(QStringLiteral(LUMO_DATABASE), databasePath());
}

GuiFixture::~GuiFixture() {
    forms.reset();
}

QString GuiFixture::settingsPath() const {
    return dir.filePath(QStringLiteral("setting.ini"));
}

QString GuiFixture::databasePath() const {
    return dir.filePath(QStringLiteral("acdb.mdb"));
}

void GuiFixture::writeSettings(const QString &text) {
    QFile file(settingsPath());
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the test's setting.ini");
    file.write(platform::toGbk(QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"))));
}

QByteArray GuiFixture::settingsBytes() const {
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool GuiFixture::settingsExist() const {
    return QFile::exists(settingsPath());
}

MainWindow &GuiFixture::start(const QStringList &arguments) {
    forms = createAppWindows(fake.services(), dir.path(), arguments);
    forms->mainWindow->show();
    return *forms->mainWindow;
}

} // namespace lumo::test

namespace lumo::test {

bool GuiFixture::alterDatabase(const QStringList &statements) const {
    const QString connection = QStringLiteral("alter");
    bool done = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(databasePath());
        done = db.open();
        for (const QString &statement : statements) {
            QSqlQuery query(db);
            if (!done || !query.exec(statement)) {
                qWarning("cannot run: %s", qPrintable(statement));
                done = false;
                break;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return done;
}

} // namespace lumo::test
