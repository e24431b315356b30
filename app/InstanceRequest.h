#pragma once
// What a later start asks the running program over the single-instance
// connection, and what it answers. A request is one line of compact JSON,
// {"command":"play","name":"..."}; the answer is one line too,
// {"status":"done","lines":[...]}, after which the running program hangs up.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace lumo {

struct InstanceRequest {
    enum class Command { Show, Toggle, Stop, Play, List };
    Command command = Command::Show;
    QString scriptName; // Play only
};

struct InstanceReply {
    enum class Status { Done, NoSuchScript, Refused };
    Status status = Status::Done;
    QStringList lines; // List only: one script a line
};

// A request longer than this is not one of ours.
inline constexpr qsizetype kMaxRequestBytes = 16 * 1024;

QByteArray encodeRequest(const InstanceRequest &request);
// line without its newline; nothing when it is not a request of ours.
std::optional<InstanceRequest> decodeRequest(const QByteArray &line);
QByteArray encodeReply(const InstanceReply &reply);
std::optional<InstanceReply> decodeReply(const QByteArray &line);

} // namespace lumo
