#include "storage/ScriptTransfer.h"

#include "core/Conversion.h"
#include "core/HotkeyText.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>

namespace lumo {

namespace {

StoredText cellOf(const DbQuery &query, int row, const QString &column) {
    if (query.anyNull(row, {column}))
        return std::nullopt;
    return query.text(row, column);
}

// What two hotkeys that register the same keys have in common; nothing
// for a text the program would not register at all.
std::optional<QString> registeredKeys(const StoredText &hotkey) {
    if (!hotkey || hotkey->isEmpty())
        return std::nullopt;
    try {
        const RegistrationParse parse = parseForRegistration(*hotkey);
        if (!parse.modifiers)
            return std::nullopt;
        return QStringLiteral("%1+%2").arg(unsigned(*parse.modifiers)).arg(parse.key.number);
    } catch (const HandlerError &) {
        return std::nullopt;
    }
}

// Commits when finish() is reached; otherwise, on the way out of a
// failure, rolls everything back.
class Transaction {
  public:
    explicit Transaction(Database *database) : db_(database->connection()) {
        if (!db_.transaction())
            throw HandlerError(db_.lastError().text());
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    ~Transaction() {
        if (!done_)
            db_.rollback();
    }
    void finish() {
        if (!db_.commit())
            throw HandlerError(db_.lastError().text());
        done_ = true;
    }

  private:
    QSqlDatabase db_;
    bool done_ = false;
};

void requireReadableTables(Database *database) {
    for (const QString &table : {QStringLiteral("mplist"), QStringLiteral("tplist")})
        if (!database->tableReadable(table))
            throw HandlerError(
                QStringLiteral("the database lacks the table %1 or one of its columns").arg(table));
}

QHash<QString, QString> existingHotkeys(Database *database) {
    DbQuery query(database);
    query.setStatement(QStringLiteral("select mpname,hotkey from [mplist] order by id"));
    query.open();
    QHash<QString, QString> holders;
    for (int row = 0; row < query.recordCount(); ++row)
        if (const std::optional<QString> keys = registeredKeys(cellOf(query, row, QStringLiteral("hotkey"))))
            if (!holders.contains(*keys))
                holders.insert(*keys, cellOf(query, row, QStringLiteral("mpname")).value_or(QString()));
    return holders;
}

TransferOutcome failure(TransferProblem problem, const QString &detail) {
    TransferOutcome outcome;
    outcome.problem = problem;
    outcome.detail = detail;
    return outcome;
}

} // namespace

ScriptFileContents readTransferRows(Database *database) {
    requireReadableTables(database);
    ScriptFileContents contents;
    DbQuery query(database);
    query.setStatement(QStringLiteral("select mpname,hotkey,mpoint,clicknum from [mplist] order by id"));
    query.open();
    for (int row = 0; row < query.recordCount(); ++row)
        contents.scripts << TransferredScript{
            cellOf(query, row, QStringLiteral("mpname")), cellOf(query, row, QStringLiteral("hotkey")),
            cellOf(query, row, QStringLiteral("mpoint")), cellOf(query, row, QStringLiteral("clicknum"))};
    query.setStatement(QStringLiteral("select tpname,mpoint,nums from [tplist] order by id"));
    query.open();
    for (int row = 0; row < query.recordCount(); ++row)
        contents.timed << TransferredTimed{cellOf(query, row, QStringLiteral("tpname")),
                                           cellOf(query, row, QStringLiteral("mpoint")),
                                           cellOf(query, row, QStringLiteral("nums"))};
    return contents;
}

QList<HotkeyClash> addTransferRows(Database *database, const ScriptFileContents &contents) {
    requireReadableTables(database);
    Transaction transaction(database);
    QHash<QString, QString> holders = existingHotkeys(database);
    QHash<QString, QString> importedHolders;
    QList<HotkeyClash> clashes;
    DbQuery query(database);
    for (const TransferredScript &script : contents.scripts) {
        query.setStatement(QStringLiteral(
            "insert into [mplist] (mpname,hotkey,mpoint,clicknum) values (:name,:hotkey,:steps,:cycles)"));
        query.setNullableParam(QStringLiteral("name"), script.name);
        query.setNullableParam(QStringLiteral("hotkey"), script.hotkey);
        query.setNullableParam(QStringLiteral("steps"), script.steps);
        query.setNullableParam(QStringLiteral("cycles"), script.cycles);
        query.execute();
        const std::optional<QString> keys = registeredKeys(script.hotkey);
        if (!keys)
            continue;
        const QString name = script.name.value_or(QString());
        if (holders.contains(*keys))
            clashes << HotkeyClash{name, *script.hotkey, holders.value(*keys), false};
        else if (importedHolders.contains(*keys))
            clashes << HotkeyClash{name, *script.hotkey, importedHolders.value(*keys), true};
        else
            importedHolders.insert(*keys, name);
    }
    for (const TransferredTimed &task : contents.timed) {
        query.setStatement(
            QStringLiteral("insert into [tplist] (tpname,mpoint,nums) values (:time,:steps,:cycles)"));
        query.setNullableParam(QStringLiteral("time"), task.time);
        query.setNullableParam(QStringLiteral("steps"), task.steps);
        query.setNullableParam(QStringLiteral("cycles"), task.cycles);
        query.execute();
    }
    transaction.finish();
    return clashes;
}

TransferOutcome exportScriptFile(Database *database, const QString &path) {
    ScriptFileContents contents;
    try {
        contents = readTransferRows(database);
    } catch (const HandlerError &error) {
        return failure(TransferProblem::DatabaseFailed, error.message());
    }
    // Written whole and renamed into place: an existing file is either
    // replaced or left as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encodeScriptFile(contents)) < 0 || !file.commit())
        return failure(TransferProblem::FileUnwritable, file.errorString());
    TransferOutcome outcome;
    outcome.scripts = static_cast<int>(contents.scripts.size());
    outcome.timed = static_cast<int>(contents.timed.size());
    return outcome;
}

TransferOutcome importScriptFile(Database *database, const QString &path) {
    const QFileInfo info(path);
    // A pipe or a device could block the read or feed it without end.
    if (!info.exists() || !info.isFile())
        return failure(TransferProblem::FileUnreadable,
                       info.exists() ? QStringLiteral("not a regular file") : QStringLiteral("No such file"));
    if (info.size() > kMaxScriptFileBytes)
        return failure(TransferProblem::FileTooLarge, QString::number(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(TransferProblem::FileUnreadable, file.errorString());
    // One byte more than allowed tells a file that grew since it was looked at.
    const QByteArray bytes = file.read(kMaxScriptFileBytes + 1);
    if (bytes.size() > kMaxScriptFileBytes)
        return failure(TransferProblem::FileTooLarge, QString::number(bytes.size()));
    QString why;
    const std::optional<ScriptFileContents> contents = decodeScriptFile(bytes, &why);
    if (!contents)
        return failure(TransferProblem::FileMalformed, why);
    TransferOutcome outcome;
    try {
        outcome.clashes = addTransferRows(database, *contents);
    } catch (const HandlerError &error) {
        return failure(TransferProblem::DatabaseFailed, error.message());
    }
    outcome.scripts = static_cast<int>(contents->scripts.size());
    outcome.timed = static_cast<int>(contents->timed.size());
    return outcome;
}

} // namespace lumo
