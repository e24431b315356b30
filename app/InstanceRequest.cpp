#include "app/InstanceRequest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <utility>

namespace lumo {

namespace {

using Command = InstanceRequest::Command;
using Status = InstanceReply::Status;

constexpr std::array<std::pair<Command, const char *>, 5> kCommandWords{{
    {Command::Show, "show"},
    {Command::Toggle, "toggle"},
    {Command::Stop, "stop"},
    {Command::Play, "play"},
    {Command::List, "list"},
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
    InstanceRequest request{*command, {}};
    if (*command == Command::Play) {
        const QJsonValue name = object->value(QStringLiteral("name"));
        if (!name.isString())
            return std::nullopt;
        request.scriptName = name.toString();
    }
    return request;
}

QByteArray encodeReply(const InstanceReply &reply) {
    return lineOf({{QStringLiteral("status"), wordOf(kStatusWords, reply.status)},
                   {QStringLiteral("lines"), QJsonArray::fromStringList(reply.lines)}});
}

std::optional<InstanceReply> decodeReply(const QByteArray &line) {
    const std::optional<QJsonObject> object = objectOf(line);
    if (!object)
        return std::nullopt;
    const std::optional<Status> status = valueOf(kStatusWords, object->value(QStringLiteral("status")));
    if (!status)
        return std::nullopt;
    InstanceReply reply{*status, {}};
    for (const QJsonValue &each : object->value(QStringLiteral("lines")).toArray()) {
        if (!each.isString())
            return std::nullopt;
        reply.lines << each.toString();
    }
    return reply;
}

} // namespace lumo
