#include "app/RemoteCommand.h"

#include "app/SingleInstance.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace lumo {

namespace {

struct Switches {
    QCommandLineOption toggle{QStringLiteral("toggle")};
    QCommandLineOption stop{QStringLiteral("stop")};
    QCommandLineOption play{QStringLiteral("play"), QString(), QStringLiteral("NAME")};
    QCommandLineOption list{QStringLiteral("list")};
    QCommandLineParser parser;

    explicit Switches(const QStringList &arguments) {
        parser.addOptions({toggle, stop, play, list});
        // Unknown options are ignored, as they are by every start.
        parser.parse(arguments);
    }
};

// With or without its name, which may be missing.
bool holdsPlay(const QStringList &arguments) {
    for (const QString &word : arguments.mid(1))
        if (word == QLatin1String("--play") || word.startsWith(QLatin1String("--play=")))
            return true;
    return false;
}

void printTo(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

bool holdsRemoteCommand(const QStringList &arguments) {
    for (const QString &word : arguments.mid(1))
        if (word == QLatin1String("--toggle") || word == QLatin1String("--stop") ||
            word == QLatin1String("--list"))
            return true;
    return holdsPlay(arguments);
}

int runRemoteCommand(const QStringList &arguments, const QString &settingsFolder) {
    const Switches switches(arguments);
    InstanceRequest request;
    if (holdsPlay(arguments)) {
        // Scripts cannot be saved without a name: an empty one is a slip.
        request = {InstanceRequest::Command::Play, switches.parser.value(switches.play), {}};
        if (request.scriptName.isEmpty()) {
            printTo(stderr, QCoreApplication::translate("lumo", "lumoclick: --play 后面要写脚本名称。\n"));
            return kRemoteNoSuchScript;
        }
    } else if (switches.parser.isSet(switches.toggle)) {
        request.command = InstanceRequest::Command::Toggle;
    } else if (switches.parser.isSet(switches.stop)) {
        request.command = InstanceRequest::Command::Stop;
    } else {
        request.command = InstanceRequest::Command::List;
    }
    const std::optional<InstanceReply> reply = SingleInstance(settingsFolder).ask(request);
    if (!reply || reply->status == InstanceReply::Status::Refused) {
        printTo(stderr, QCoreApplication::translate("lumo", "lumoclick: 没有正在运行的 lumoclick。\n"));
        return kRemoteNoInstance;
    }
    if (reply->status == InstanceReply::Status::NoSuchScript) {
        printTo(
            stderr,
            QCoreApplication::translate("lumo", "lumoclick: 没有名为“%1”的脚本。\n").arg(request.scriptName));
        return kRemoteNoSuchScript;
    }
    for (const QString &line : reply->lines)
        printTo(stdout, line + QLatin1Char('\n'));
    return kRemoteDone;
}

} // namespace lumo
