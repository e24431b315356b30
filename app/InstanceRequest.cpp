#include "app/InstanceRequest.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <utility>

namespace lumo {

namespace {

using Command = InstanceRequest::Command;
using Status = InstanceReply::Status;

constexpr std::array<std::pair<Command, const char *>, 7> kCommandWords{{
    {Command::Show, "show"},
    {Command::Toggle, "toggle"},
    {Command::Stop, "stop"},
    {Command::Play, "play"},
    {Command::List, "list"},
    {Command::Export, "export"},
    {Command::Import, "import"},
}};
constexpr std::array<std::pair<Status, const char *>, 3> kStatusWords{{
    {Status::Done, "done"},
    {Status::NoSuchScript, "no-such-script"},
    {Status::Refused, "refused"},
}};

template <typename Value, std::size_t N>
QString wordOf(const std::array<std::pair<Value, const char *>, N> &words, Value value) {
    for (const auto &[each, word] : words)
        if (each == value)
            return QString::fromLatin1(word);
    return {};
}

template <typename Value, std::size_t N>
std::optional<Value> valueOf(const std::array<std::pair<Value, const char *>, N> &words,
                             const QJsonValue &word) {
    for (const auto &[value, each] : words)
        if (word.isString() && word.toString() == QLatin1String(each))
            return value;
    return std::nullopt;
}

constexpr std::array<std::pair<TransferProblem, const char *>, 6> kProblemWords{{
    {TransferProblem::None, "none"},
    {TransferProblem::FileUnreadable, "unreadable"},
    {TransferProblem::FileTooLarge, "too-large"},
    {TransferProblem::FileMalformed, "malformed"},
    {TransferProblem::FileUnwritable, "unwritable"},
    {TransferProblem::DatabaseFailed, "database"},
}};

bool carriesPath(Command command) {
    return command == Command::Export || command == Command::Import;
}

QJsonObject objectOfTransfer(const TransferOutcome &outcome) {
    QJsonArray clashes;
    for (const HotkeyClash &clash : outcome.clashes)
        clashes.append(QJsonObject{{QStringLiteral("name"), clash.name},
                                   {QStringLiteral("hotkey"), clash.hotkey},
                                   {QStringLiteral("holder"), clash.holder},
                                   {QStringLiteral("holderImported"), clash.holderImported}});
    return {{QStringLiteral("problem"), wordOf(kProblemWords, outcome.problem)},
            {QStringLiteral("detail"), outcome.detail},
            {QStringLiteral("scripts"), outcome.scripts},
            {QStringLiteral("timed"), outcome.timed},
            {QStringLiteral("clashes"), clashes}};
}

std::optional<TransferOutcome> transferOf(const QJsonObject &object) {
    const std::optional<TransferProblem> problem =
        valueOf(kProblemWords, object.value(QStringLiteral("problem")));
    const QJsonValue scripts = object.value(QStringLiteral("scripts"));
    const QJsonValue timed = object.value(QStringLiteral("timed"));
    if (!problem || !scripts.isDouble() || !timed.isDouble())
        return std::nullopt;
    TransferOutcome outcome{
        *problem, object.value(QStringLiteral("detail")).toString(), scripts.toInt(), timed.toInt(), {}};
    for (const QJsonValue &each : object.value(QStringLiteral("clashes")).toArray()) {
        const QJsonObject clash = each.toObject();
        outcome.clashes << HotkeyClash{clash.value(QStringLiteral("name")).toString(),
                                       clash.value(QStringLiteral("hotkey")).toString(),
                                       clash.value(QStringLiteral("holder")).toString(),
                                       clash.value(QStringLiteral("holderImported")).toBool()};
    }
    return outcome;
}

QByteArray lineOf(const QJsonObject &object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QJsonObject> objectOf(const QByteArray &line) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

} // namespace

QByteArray encodeRequest(const InstanceRequest &request) {
    QJsonObject object{{QStringLiteral("command"), wordOf(kCommandWords, request.command)}};
    if (request.command == Command::Play)
        object.insert(QStringLiteral("name"), request.scriptName);
    if (carriesPath(request.command))
        object.insert(QStringLiteral("path"), request.filePath);
    return lineOf(object);
}

std::optional<InstanceRequest> decodeRequest(const QByteArray &line) {
    if (line.size() > kMaxRequestBytes)
        return std::nullopt;
    const std::optional<QJsonObject> object = objectOf(line);
    if (!object)
        return std::nullopt;
    const std::optional<Command> command = valueOf(kCommandWords, object->value(QStringLiteral("command")));
    if (!command)
        return std::nullopt;
    InstanceRequest request{*command, {}, {}};
    if (*command == Command::Play) {
        const QJsonValue name = object->value(QStringLiteral("name"));
        if (!name.isString())
            return std::nullopt;
        request.scriptName = name.toString();
    }
    if (carriesPath(*command)) {
        // Only an absolute path means the same file to both programs.
        const QJsonValue path = object->value(QStringLiteral("path"));
        if (!path.isString() || !QDir::isAbsolutePath(path.toString()))
            return std::nullopt;
        request.filePath = path.toString();
    }
    return request;
}

QByteArray encodeReply(const InstanceReply &reply) {
    QJsonObject object{{QStringLiteral("status"), wordOf(kStatusWords, reply.status)},
                       {QStringLiteral("lines"), QJsonArray::fromStringList(reply.lines)}};
    if (reply.transfer)
        object.insert(QStringLiteral("transfer"), objectOfTransfer(*reply.transfer));
    return lineOf(object);
}

std::optional<InstanceReply> decodeReply(const QByteArray &line) {
    const std::optional<QJsonObject> object = objectOf(line);
    if (!object)
        return std::nullopt;
    const std::optional<Status> status = valueOf(kStatusWords, object->value(QStringLiteral("status")));
    if (!status)
        return std::nullopt;
    InstanceReply reply{*status, {}, std::nullopt};
    for (const QJsonValue &each : object->value(QStringLiteral("lines")).toArray()) {
        if (!each.isString())
            return std::nullopt;
        reply.lines << each.toString();
    }
    const QJsonValue transfer = object->value(QStringLiteral("transfer"));
    if (transfer.isObject()) {
        reply.transfer = transferOf(transfer.toObject());
        if (!reply.transfer)
            return std::nullopt;
    }
    return reply;
}

} // namespace lumo
