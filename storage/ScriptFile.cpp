#include "storage/ScriptFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumo {

namespace {

const QString kFormatName = QStringLiteral("lumoclick-scripts");
constexpr int kFormatVersion = 1;

QJsonValue valueOf(const StoredText &text) {
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

// Thrown inside the decoder only, caught at its end.
struct Malformed {
    QString what;
};

StoredText fieldOf(const QJsonObject &object, const QString &field, const QString &where) {
    const auto at = object.constFind(field);
    if (at == object.constEnd())
        throw Malformed{QStringLiteral("%1 has no \"%2\"").arg(where, field)};
    if (at->isNull())
        return std::nullopt;
    if (!at->isString())
        throw Malformed{QStringLiteral("\"%1\" of %2 is neither text nor null").arg(field, where)};
    return at->toString();
}

// Every element of the list named key, each an object, handed to read.
template <typename Row, typename Read>
QList<Row> rowsOf(const QJsonObject &document, const QString &key, Read read) {
    const QJsonValue list = document.value(key);
    if (!list.isArray())
        throw Malformed{QStringLiteral("\"%1\" is missing or not a list").arg(key)};
    QList<Row> rows;
    const QJsonArray array = list.toArray();
    rows.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("%1[%2]").arg(key).arg(i);
        if (!array.at(i).isObject())
            throw Malformed{QStringLiteral("%1 is not an object").arg(where)};
        rows << read(array.at(i).toObject(), where);
    }
    return rows;
}

ScriptFileContents contentsOf(const QByteArray &bytes) {
    if (bytes.size() > kMaxScriptFileBytes)
        throw Malformed{QStringLiteral("larger than %1 bytes").arg(kMaxScriptFileBytes)};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw Malformed{QStringLiteral("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset)};
    if (!document.isObject())
        throw Malformed{QStringLiteral("not a JSON object")};
    const QJsonObject top = document.object();
    if (top.value(QStringLiteral("format")) != QJsonValue(kFormatName))
        throw Malformed{QStringLiteral("\"format\" is not \"%1\"").arg(kFormatName)};
    if (top.value(QStringLiteral("version")) != QJsonValue(kFormatVersion))
        throw Malformed{QStringLiteral("\"version\" is not %1").arg(kFormatVersion)};
    ScriptFileContents contents;
    contents.scripts = rowsOf<TransferredScript>(
        top, QStringLiteral("scripts"), [](const QJsonObject &row, const QString &where) {
            return TransferredScript{
                fieldOf(row, QStringLiteral("name"), where), fieldOf(row, QStringLiteral("hotkey"), where),
                fieldOf(row, QStringLiteral("steps"), where), fieldOf(row, QStringLiteral("cycles"), where)};
        });
    contents.timed = rowsOf<TransferredTimed>(
        top, QStringLiteral("timed"), [](const QJsonObject &row, const QString &where) {
            return TransferredTimed{fieldOf(row, QStringLiteral("time"), where),
                                    fieldOf(row, QStringLiteral("steps"), where),
                                    fieldOf(row, QStringLiteral("cycles"), where)};
        });
    return contents;
}

} // namespace

QByteArray encodeScriptFile(const ScriptFileContents &contents) {
    QJsonArray scripts;
    for (const TransferredScript &script : contents.scripts)
        scripts.append(QJsonObject{{QStringLiteral("name"), valueOf(script.name)},
                                   {QStringLiteral("hotkey"), valueOf(script.hotkey)},
                                   {QStringLiteral("steps"), valueOf(script.steps)},
                                   {QStringLiteral("cycles"), valueOf(script.cycles)}});
    QJsonArray timed;
    for (const TransferredTimed &task : contents.timed)
        timed.append(QJsonObject{{QStringLiteral("time"), valueOf(task.time)},
                                 {QStringLiteral("steps"), valueOf(task.steps)},
                                 {QStringLiteral("cycles"), valueOf(task.cycles)}});
    // Indented: the file is meant to be read and edited by people too.
    return QJsonDocument(QJsonObject{{QStringLiteral("format"), kFormatName},
                                     {QStringLiteral("version"), kFormatVersion},
                                     {QStringLiteral("scripts"), scripts},
                                     {QStringLiteral("timed"), timed}})
        .toJson(QJsonDocument::Indented);
}

std::optional<ScriptFileContents> decodeScriptFile(const QByteArray &bytes, QString *error) {
    try {
        return contentsOf(bytes);
    } catch (const Malformed &malformed) {
        if (error != nullptr)
            *error = malformed.what;
        return std::nullopt;
    }
}

} // namespace lumo
