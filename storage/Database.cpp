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

struct SchemaTable {
    QString name;
    QStringList columns;
};

// resources/schema.sql, as far as the program reads it.
const QList<SchemaTable> &schemaTables() {
    static const QList<SchemaTable> tables = {
        {QStringLiteral("mplist"),
         {QStringLiteral("id"), QStringLiteral("mpname"), QStringLiteral("hotkey"), QStringLiteral("mpoint"),
          QStringLiteral("clicknum")}},
        {QStringLiteral("tplist"),
         {QStringLiteral("id"), QStringLiteral("tpname"), QStringLiteral("mpoint"), QStringLiteral("nums")}}};
    return tables;
}

QString listName(const QString &table) {
    return table == QLatin1String("mplist") ? QCoreApplication::translate("lumo", "多点脚本列表")
                                            : QCoreApplication::translate("lumo", "定时任务列表");
}

} // namespace

QList<MissingSchemaPart> missingSchemaParts(const QSqlDatabase &db) {
    QList<MissingSchemaPart> missing;
    // A file that is no database at all says so on its first statement;
    // it has no tables to name here.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master")))
        return missing;
    for (const SchemaTable &table : schemaTables()) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("select name from pragma_table_info(:a)"));
        query.bindValue(QStringLiteral(":a"), table.name);
        if (!query.exec())
            return {};
        QStringList present;
        while (query.next())
            present << query.value(0).toString();
        if (present.isEmpty()) {
            missing.append({table.name, QString()});
            continue;
        }
        for (const QString &column : table.columns)
            if (!present.contains(column, Qt::CaseInsensitive))
                missing.append({table.name, column});
    }
    return missing;
}

QString missingSchemaText(const QList<MissingSchemaPart> &missing) {
    QString text = QCoreApplication::translate("lumo", "数据文件 acdb.mdb 不完整:");
    QStringList lists;
    for (const MissingSchemaPart &part : missing) {
        text += QLatin1Char('\n');
        text +=
            part.column.isEmpty()
                ? QCoreApplication::translate("lumo", "缺少数据表 %1").arg(part.table)
                : QCoreApplication::translate("lumo", "数据表 %1 缺少 %2 列").arg(part.table, part.column);
        if (!lists.contains(listName(part.table)))
            lists << listName(part.table);
    }
    // Translated piece by piece around the list names and the address; the
    // English sentence ends with the address.
    text +=
        QLatin1Char('\n') + lists.join(QCoreApplication::translate("lumo", "和")) +
        QCoreApplication::translate("lumo", "将保持为空,其他功能照常使用.\n请从备份中恢复 acdb.mdb,或到") +
        texts::kDownloadSite + QCoreApplication::translate("lumo", "重新下载软件.");
    return text;
}

QString skippedRowsText(const QList<SkippedRow> &rows) {
    QString text =
        QCoreApplication::translate("lumo", "数据文件 acdb.mdb 中有空值的行没有载入,其他行照常使用:");
    for (const SkippedRow &row : rows) {
        text += QLatin1Char('\n') + listName(row.table) + QStringLiteral(": id ") + row.id;
        if (!row.name.isEmpty())
            text += QStringLiteral(" (") + row.name + QLatin1Char(')');
    }
    text += QLatin1Char('\n') +
            QCoreApplication::translate("lumo", "可以删除这些行后重新添加,或从备份中恢复 acdb.mdb.");
    return text;
}

QString missingDatabaseText() {
    return QCoreApplication::translate("lumo", "软件出错,没有找到所需的数据文件，请到%1重新下载过软件.")
        .arg(texts::kDownloadSite);
}

bool isUsableDatabase(const QString &path) {
    if (!QFileInfo(path).isFile())
        return false;
    const QString name = nextConnectionName();
    bool usable = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=ro"));
        if (db.open()) {
            QSqlQuery check(db);
            usable = check.exec(QStringLiteral("pragma quick_check")) && check.next() &&
                     check.value(0).toString() == QLatin1String("ok");
            check.finish();
            usable = usable && missingSchemaParts(db).isEmpty();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return usable;
}

QString databaseSetupText(DatabaseSetup setup, const DataLocation &location) {
    const QString folder = QDir::toNativeSeparators(location.dataFolder());
    const QString source = QDir::toNativeSeparators(location.databaseTemplatePath());
    switch (setup) {
    case DatabaseSetup::Ready:
        return {};
    case DatabaseSetup::NoHome:
        return QCoreApplication::translate(
            "lumo", "没有设置 HOME 环境变量,找不到保存设置和数据的文件夹.单点点击和停止热键照常使用,"
                    "设置、脚本和定时任务不能读取和保存.请设置 HOME 后重新启动软件.");
    case DatabaseSetup::FolderNotWritable:
        return QCoreApplication::translate(
                   "lumo", "无法创建数据文件夹 %1 "
                           "或没有写入它的权限,脚本和定时任务不能读取和保存.请检查这个文件夹的权限.")
            .arg(folder);
    case DatabaseSetup::TemplateMissing:
        return QCoreApplication::translate("lumo",
                                           "没有找到数据文件模板 %1,脚本和定时任务不能使用.请重新安装软件.")
            .arg(source);
    case DatabaseSetup::TemplateUnusable:
        return QCoreApplication::translate("lumo", "数据文件模板 %1 已损坏或不完整(不是可用的 SQLite "
                                                   "数据库,或缺少数据表 mplist、tplist 及其列),"
                                                   "没有复制.脚本和定时任务不能使用.请重新安装软件.")
            .arg(source);
    case DatabaseSetup::CopyFailed:
        return QCoreApplication::translate("lumo",
                                           "无法把数据文件模板 %1 复制到文件夹 "
                                           "%2,脚本和定时任务不能使用.请检查磁盘空间和这个文件夹的权限.")
            .arg(source, folder);
    }
    return {};
}

QString settingsFolderProblemText(const DataLocation &location) {
    if (!location.installed() || location.homeMissing())
        return {};
    // Made here as at start-up, so that a folder that cannot be made says so.
    QDir().mkpath(location.settingsFolder());
    const QFileInfo folder(location.settingsFolder());
    if (folder.isDir() && folder.isWritable())
        return {};
    return QCoreApplication::translate(
               "lumo", "无法创建设置文件夹 %1 或没有写入它的权限,设置不能保存.请检查这个文件夹的权限.")
        .arg(QDir::toNativeSeparators(location.settingsFolder()));
}

Database::Database(platform::Services &os, DataLocation location, QObject *parent)
    : Database(std::move(location), parent) {
    notices_ = &os.messageBoxes;
}

Database::Database(DataLocation location, QObject *parent)
    : QObject(parent), location_(std::move(location)), connectionName_(nextConnectionName()) {
    setObjectName(QStringLiteral("database"));
}

Database::~Database() {
    if (QSqlDatabase::contains(connectionName_)) {
        QSqlDatabase::database(connectionName_, false).close();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

QString Database::databasePath() const {
    return location_.databasePath();
}

void Database::report(const QString &problem, platform::Icon icon) {
    problems_ << problem;
    if (notices_ != nullptr)
        notices_->notice(nullptr, problem, shownText(kNotice), icon);
}

QStringList Database::setUpConnection() {
    problems_.clear();
    try {
        // Installed, each user's database is made from the template on
        // first start, once the template proved a usable database.
        const DatabaseSetup setup = location_.prepareDatabase(isUsableDatabase);
        // Without a database of the user's own there is nothing to read: the
        // lists stay empty after the one message below, rather than failing
        // each on its own.
        if (setup != DatabaseSetup::Ready)
            unreadableTables_ = {QStringLiteral("mplist"), QStringLiteral("tplist")};
        QString problem = databaseSetupText(setup, location_);
        if (problem.isEmpty() && location_.installed() && !QFileInfo(location_.dataFolder()).isWritable())
            problem = databaseSetupText(DatabaseSetup::FolderNotWritable, location_);
        // Beside the executable the file comes with the program: fetching the
        // program again is the way to get it back.
        if (problem.isEmpty() && !QFileInfo::exists(databasePath()))
            problem = missingDatabaseText();
        if (!problem.isEmpty())
            report(problem, platform::Icon::Information);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        // Read-write without create: a missing file stays missing and every
        // statement reports it.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(QUrl::fromLocalFile(databasePath()).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=rw"));
        checkSchema();
    } catch (...) {
        // Setting up the connection never stops start-up.
    }
    return problems_;
}

void Database::checkSchema() {
    if (!QFileInfo(databasePath()).isFile())
        return;
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.isOpen() && !db.open())
        return;
    const QList<MissingSchemaPart> missing = missingSchemaParts(db);
    if (missing.isEmpty())
        return;
    for (const MissingSchemaPart &part : missing)
        unreadableTables_.insert(part.table);
    report(missingSchemaText(missing), platform::Icon::Warning);
}

QSqlDatabase Database::connection() {
    if (!QSqlDatabase::contains(connectionName_) || databasePath().isEmpty())
        throw HandlerError(QStringLiteral("No database connection"));
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (db.isOpen())
        return db;
    // A pipe would block the first read and a device could feed it without
    // end: only a regular file is the database, anything else fails as a
    // file that cannot be opened.
    const QFileInfo file(databasePath());
    if (file.exists() && !file.isFile())
        throw HandlerError(QStringLiteral("unable to open database file Error opening database"));
    if (!db.open())
        throw HandlerError(driverText(db.lastError()));
    return db;
}

DbQuery::DbQuery(Database *database) : database_(database) {
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

void DbQuery::setNullableParam(const QString &name, const std::optional<QString> &value) {
    if (!value) {
        // A null text is what the driver binds as NULL.
        params_.append({QLatin1Char(':') + name, QString()});
        return;
    }
    setParam(name, *value);
}

void DbQuery::execute() {
    run(false);
}

void DbQuery::open() {
    run(true);
}

void DbQuery::run(bool select) {
    rows_.clear();
    if (database_ == nullptr)
        throw HandlerError(QStringLiteral("No database connection"));
    QSqlQuery query(database_->connection());
    if (!query.prepare(statement_))
        throw HandlerError(driverText(query.lastError()));
    for (const auto &[name, value] : params_)
        query.bindValue(name, value);
    if (!query.exec())
        throw HandlerError(driverText(query.lastError()));
    if (!select)
        return;
    columns_.clear();
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        columns_ << record.fieldName(i);
    while (query.next()) {
        QVariantList row;
        const int columns = query.record().count();
        for (int i = 0; i < columns; ++i)
            row.append(query.value(i));
        rows_.append(row);
    }
}

QString DbQuery::text(int row, const QString &column) const {
    // SQLite's names ignore case, and so does this look-up.
    for (qsizetype at = 0; at < columns_.size(); ++at)
        if (columns_[at].compare(column, Qt::CaseInsensitive) == 0)
            return text(row, static_cast<int>(at));
    throw HandlerError(QStringLiteral("no such column: %1").arg(column));
}

bool DbQuery::anyNull(int row, const QStringList &columns) const {
    for (const QString &column : columns) {
        qsizetype at = columns_.size() - 1;
        while (at >= 0 && columns_[at].compare(column, Qt::CaseInsensitive) != 0)
            --at;
        if (at < 0 || row < 0 || row >= rows_.size() || at >= rows_.at(row).size() ||
            rows_.at(row).at(at).isNull())
            return true;
    }
    return false;
}

QString DbQuery::textOr(int row, const QString &column, const QString &fallback) const {
    return anyNull(row, {column}) ? fallback : text(row, column);
}

QString DbQuery::text(int row, int column) const {
    if (row < 0 || row >= rows_.size() || column < 0 || column >= rows_.at(row).size())
        throw HandlerError(QStringLiteral("no column %1 in row %2").arg(column).arg(row));
    const QVariant &value = rows_.at(row).at(column);
    if (value.isNull())
        throw nullConversionError();
    return value.toString();
}

void executeStatement(Database *database, const QString &statement,
                      const QList<std::pair<QString, QString>> &values) {
    DbQuery query(database);
    query.setStatement(statement);
    for (const auto &[name, value] : values)
        query.setParam(name, value);
    query.execute();
}

QList<SkippedRow> selectCompleteRows(Database *database, const QString &table, const QString &select,
                                     const QStringList &columns, const QString &nameColumn,
                                     const std::function<void(const DbQuery &query, int row)> &visit) {
    if (database && !database->tableReadable(table))
        return {};
    DbQuery query(database);
    query.setStatement(select);
    query.open();
    QList<SkippedRow> skipped;
    for (int row = 0; row < query.recordCount(); ++row) {
        if (query.anyNull(row, columns))
            skipped.append({table, query.textOr(row, QStringLiteral("id"), QStringLiteral("?")),
                            query.textOr(row, nameColumn, QString())});
        else
            visit(query, row);
    }
    return skipped;
}

} // namespace lumo
