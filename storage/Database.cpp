#include "storage/Database.h"

#include "core/Conversion.h"
#include "core/MainContext.h"
#include "core/Texts.h"
#include "core/UiLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <atomic>

namespace lumo {

namespace {

QString nextConnectionName() {
    // Several programs can live in one test process; each gets its own.
    static std::atomic<int> counter{0};
    return QStringLiteral("lumo-db-%1").arg(++counter);
}

QString driverText(const QSqlError &error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("Database error") : text;
}

} // namespace

QString missingDatabaseText() {
    return QCoreApplication::translate("lumo", "软件出错,没有找到所需的数据文件，请到%1重新下载过软件.")
        .arg(texts::kDownloadSite);
}

Database::Database(platform::Services &os, QString exeDir, QObject *parent)
    : QObject(parent), os_(os), exeDir_(std::move(exeDir)), connectionName_(nextConnectionName()) {
    setObjectName(QStringLiteral("database"));
}

Database::~Database() {
    if (QSqlDatabase::contains(connectionName_)) {
        QSqlDatabase::database(connectionName_, false).close();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

QString Database::databasePath() const {
    return QDir(exeDir_).filePath(QStringLiteral("acdb.mdb"));
}

void Database::setUpConnection() {
    try {
        if (!QFileInfo::exists(databasePath()))
            os_.messageBoxes.notice(nullptr, missingDatabaseText(), shownText(kNotice),
                                    platform::Icon::Information);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        // Read-write without create: a missing file stays missing and every
        // statement reports it.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(QUrl::fromLocalFile(databasePath()).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=rw"));
    } catch (...) {
        // Setting up the connection never stops start-up.
    }
}

QSqlDatabase Database::connection() {
    if (!QSqlDatabase::contains(connectionName_))
        throw HandlerError(QStringLiteral("No database connection"));
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.isOpen() && !db.open())
        throw HandlerError(driverText(db.lastError()));
    return db;
}

DbQuery::DbQuery(const MainContext &context) : context_(context) {
}

void DbQuery::setStatement(const QString &statement) {
    statement_ = statement;
    params_.clear();
    rows_.clear();
}

void DbQuery::setParam(const QString &name, const QString &value) {
    // A null QString would be stored as NULL, which no later read can take:
    // an empty text must stay an empty text.
    params_.append({QLatin1Char(':') + name, value.isNull() ? QStringLiteral("") : value});
}

void DbQuery::execute() {
    run(false);
}

void DbQuery::open() {
    run(true);
}

void DbQuery::run(bool select) {
    rows_.clear();
    if (context_.database == nullptr)
        throw HandlerError(QStringLiteral("No database connection"));
    QSqlQuery query(context_.database->connection());
    if (!query.prepare(statement_))
        throw HandlerError(driverText(query.lastError()));
    for (const auto &[name, value] : params_)
        query.bindValue(name, value);
    if (!query.exec())
        throw HandlerError(driverText(query.lastError()));
    if (!select)
        return;
    while (query.next()) {
        QVariantList row;
        const int columns = query.record().count();
        for (int i = 0; i < columns; ++i)
            row.append(query.value(i));
        rows_.append(row);
    }
}

QString DbQuery::text(int row, int column) const {
    const QVariant &value = rows_.at(row).at(column);
    if (value.isNull())
        throw nullConversionError();
    return value.toString();
}

} // namespace lumo
