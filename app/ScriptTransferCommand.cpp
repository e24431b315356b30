#include "app/ScriptTransferCommand.h"

#include "app/SingleInstance.h"
#include "storage/Database.h"
#include "storage/ScriptTransfer.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace lumo {

namespace {

// With or without its file, which may be missing.
bool holdsSwitch(const QStringList &arguments, const QString &name) {
    for (const QString &word : arguments.mid(1))
        if (word == name || word.startsWith(name + QLatin1Char('=')))
            return true;
    return false;
}

void printTo(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QString nothingImported(bool importing) {
    return importing ? QCoreApplication::translate("lumo", "没有导入任何内容。") : QString();
}

QString problemText(const TransferOutcome &outcome, bool importing, const QString &path) {
    const QString file = QDir::toNativeSeparators(path);
    switch (outcome.problem) {
    case TransferProblem::None:
        return {};
    case TransferProblem::FileUnreadable:
        return QCoreApplication::translate("lumo", "lumoclick: 无法读取文件 %1（%2）。")
                   .arg(file, outcome.detail) +
               nothingImported(importing);
    case TransferProblem::FileTooLarge:
        return QCoreApplication::translate("lumo", "lumoclick: 文件 %1 太大，脚本文件最大 %2 MB。")
                   .arg(file, QString::number(kMaxScriptFileBytes / (1024 * 1024))) +
               nothingImported(importing);
    case TransferProblem::FileMalformed:
        return QCoreApplication::translate("lumo", "lumoclick: 文件 %1 不是 lumoclick 的脚本文件（%2）。")
                   .arg(file, outcome.detail) +
               nothingImported(importing);
    case TransferProblem::FileUnwritable:
        return QCoreApplication::translate("lumo", "lumoclick: 无法写入文件 %1（%2）。")
            .arg(file, outcome.detail);
    case TransferProblem::DatabaseFailed:
        return QCoreApplication::translate("lumo", "lumoclick: 数据文件 acdb.mdb 出错（%1）。")
                   .arg(outcome.detail) +
               nothingImported(importing);
    }
    return {};
}

QString clashText(const HotkeyClash &clash) {
    const QString text =
        clash.holderImported
            ? QCoreApplication::translate("lumo",
                                          "lumoclick: 导入的脚本“%1”的热键 %2 已被同一文件中的脚本“%3”使用；"
                                          "脚本已导入，但两个脚本不能同时启用。")
            : QCoreApplication::translate("lumo",
                                          "lumoclick: 导入的脚本“%1”的热键 %2 已被现有的脚本“%3”使用；"
                                          "脚本已导入，但两个脚本不能同时启用。");
    return text.arg(clash.name, clash.hotkey, clash.holder);
}

struct Switches {
    QCommandLineOption exportTo{QStringLiteral("export"), QString(), QStringLiteral("FILE")};
    QCommandLineOption importFrom{QStringLiteral("import"), QString(), QStringLiteral("FILE")};
    QCommandLineParser parser;

    explicit Switches(const QStringList &arguments) {
        parser.addOptions({exportTo, importFrom});
        // Unknown options are ignored, as they are by every start.
        parser.parse(arguments);
    }
};

// Straight on the database file: no program runs that could show the rows.
TransferOutcome transferHere(const InstanceRequest &request, const DataLocation &location) {
    Database database(location);
    const QStringList problems = database.setUpConnection();
    if (!problems.isEmpty())
        return TransferOutcome{TransferProblem::DatabaseFailed, problems.join(QLatin1Char(' ')), 0, 0, {}};
    return request.command == InstanceRequest::Command::Import
               ? importScriptFile(&database, request.filePath)
               : exportScriptFile(&database, request.filePath);
}

// What to print for an outcome of exporting to or importing from path.
struct TransferReport {
    QString out;
    QString errors;
};

TransferReport transferReport(const TransferOutcome &outcome, bool importing, const QString &path) {
    TransferReport report;
    if (outcome.problem != TransferProblem::None) {
        report.errors = problemText(outcome, importing, path) + QLatin1Char('\n');
        return report;
    }
    for (const HotkeyClash &clash : outcome.clashes)
        report.errors += clashText(clash) + QLatin1Char('\n');
    const QString summary =
        importing
            ? QCoreApplication::translate("lumo", "lumoclick: 已从 %1 导入 %2 个脚本和 %3 个定时任务。")
            : QCoreApplication::translate("lumo", "lumoclick: 已把 %2 个脚本和 %3 个定时任务导出到 %1。");
    report.out = summary.arg(QDir::toNativeSeparators(path), QString::number(outcome.scripts),
                             QString::number(outcome.timed)) +
                 QLatin1Char('\n');
    return report;
}

} // namespace

bool holdsTransferCommand(const QStringList &arguments) {
    return holdsSwitch(arguments, QStringLiteral("--export")) ||
           holdsSwitch(arguments, QStringLiteral("--import"));
}

int runTransferCommand(const QStringList &arguments, const DataLocation &location) {
    const bool importing = holdsSwitch(arguments, QStringLiteral("--import"));
    if (importing && holdsSwitch(arguments, QStringLiteral("--export"))) {
        printTo(stderr,
                QCoreApplication::translate("lumo", "lumoclick: --export 和 --import 不能一起使用。\n"));
        return kTransferFailed;
    }
    const Switches switches(arguments);
    const QString file = switches.parser.value(importing ? switches.importFrom : switches.exportTo);
    if (file.isEmpty()) {
        printTo(stderr, importing
                            ? QCoreApplication::translate("lumo", "lumoclick: --import 后面要写文件名。\n")
                            : QCoreApplication::translate("lumo", "lumoclick: --export 后面要写文件名。\n"));
        return kTransferFailed;
    }
    // The running program has a current folder of its own.
    const InstanceRequest request{importing ? InstanceRequest::Command::Import
                                            : InstanceRequest::Command::Export,
                                  {},
                                  QFileInfo(file).absoluteFilePath()};
    const SingleInstance instance(location.settingsFolder());
    TransferOutcome outcome;
    if (const std::optional<InstanceReply> reply = instance.ask(request)) {
        if (reply->status != InstanceReply::Status::Done || !reply->transfer) {
            printTo(stderr, QCoreApplication::translate(
                                "lumo", "lumoclick: 正在运行的 lumoclick 拒绝了这个命令。\n"));
            return kTransferFailed;
        }
        outcome = *reply->transfer;
    } else if (instance.heldByAnother()) {
        // It may have done the work without its answer arriving: doing it
        // again here could import everything twice.
        printTo(stderr, QCoreApplication::translate(
                            "lumo", "lumoclick: 正在运行的 lumoclick 没有回答，不知道命令是否已完成。\n"));
        return kTransferFailed;
    } else {
        outcome = transferHere(request, location);
    }
    const TransferReport report = transferReport(outcome, importing, request.filePath);
    printTo(stdout, report.out);
    printTo(stderr, report.errors);
    return outcome.problem == TransferProblem::None ? kTransferDone : kTransferFailed;
}

} // namespace lumo
