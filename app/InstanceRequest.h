#pragma once
// What a later start asks the running program over the single-instance
// connection, and what it answers. A request is one line of compact JSON,
// {"command":"play","name":"..."}; the answer is one line too,
// {"status":"done","lines":[...]}, after which the running program hangs up.
// --export and --import send the file's absolute path and get back what
// happened as {"status":"done","transfer":{"problem":...,"clashes":[...]}}.

#include "storage/ScriptTransfer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace lumo {

struct InstanceRequest {
    enum class Command { Show, Toggle, Stop, Play, List, Export, Import };
    Command command = Command::Show;
    QString scriptName; // Play only
    QString filePath;   // Export and Import only: absolute
};

struct InstanceReply {
    enum class Status { Done, NoSuchScript, Refused };
    Status status = Status::Done;
    QStringList lines;                       // List only: one script a line
    std::optional<TransferOutcome> transfer; // Export and Import only
};

// A request longer than this is not one of ours.
inline constexpr qsizetype kMaxRequestBytes = 16 * 1024;

QByteArray encodeRequest(const InstanceRequest &request);
// line without its newline; nothing when it is not a request of ours.
std::optional<InstanceRequest> decodeRequest(const QByteArray &line);
QByteArray encodeReply(const InstanceReply &reply);
std::optional<InstanceReply> decodeReply(const QByteArray &line);

} // namespace lumo
