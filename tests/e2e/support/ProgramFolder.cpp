#include "tests/e2e/support/ProgramFolder.h"

#include "platform/Platform.h"
#include "tests/e2e/support/Paths.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSaveFile>
#include <QThread>

namespace e2e {

FakeOpener::FakeOpener() {
    if (!folder_.isValid() || !QDir().mkpath(binFolder()))
        return;
    QFile script(binFolder() + QStringLiteral("/xdg-open"));
    if (!script.open(QIODevice::WriteOnly))
        return;
    // It finds its log from its own place, so no path is pasted into the
    // script text.
    script.write("#!/bin/sh\n"
                 "for argument in \"$@\"; do printf '%s\\n' \"$argument\"; done >>\"$(dirname "
                 "\"$0\")/../xdg-open.log\"\n");
    script.close();
    valid_ = script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                   QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

QStringList FakeOpener::log() const {
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast(); // after the last newline: empty or unfinished
    return lines;
}

QStringList FakeOpener::waitForLog(int count, int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    QStringList lines = log();
    while (lines.size() < count && !deadline.hasExpired()) {
        QThread::msleep(50);
        lines = log();
    }
    return lines;
}

QString FakeOpener::path() const {
    const QString inherited = qEnvironmentVariable("PATH", QStringLiteral("/usr/bin:/bin"));
    return binFolder() + QLatin1Char(':') + inherited;
}

ProgramFolder::ProgramFolder() {
    if (!folder_.isValid() || !opener_.isValid() || programPath().isEmpty())
        return;
    valid_ =
        QFile::copy(e2e::programPath(), programPath()) &&
        QFile::copy(databasePath(), path() + QStringLiteral("/acdb.mdb")) &&
        QFile::setPermissions(path() + QStringLiteral("/acdb.mdb"), QFile::ReadOwner | QFile::WriteOwner) &&
        QDir().mkpath(path() + QStringLiteral("/config"));
}

ProgramFolder::~ProgramFolder() {
    stop();
}

QString ProgramFolder::programPath() const {
    const QString built = e2e::programPath();
    if (built.isEmpty())
        return {};
    return path() + QLatin1Char('/') + QFileInfo(built).fileName();
}

bool ProgramFolder::writeSettings(const QByteArray &bytes) {
    QSaveFile file(path() + QStringLiteral("/setting.ini"));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool ProgramFolder::writeSettingsText(const QString &text) {
    return writeSettings(platform::toGbk(text));
}

QProcessEnvironment ProgramFolder::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("PATH"), opener_.path());
    // Anything the program writes into the user's configuration (its
    // autostart entry) stays in this folder.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path() + QStringLiteral("/config"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(variable));
    if (!language_.isEmpty())
        environment.insert(QStringLiteral("LANG"), language_);
    return environment;
}

ProgramFolder::Run ProgramFolder::runAgain(const QStringList &arguments, int timeoutMs,
                                           const QList<QPair<QString, QString>> &changes,
                                           const QString &workingFolder) const {
    QProcessEnvironment changed = environment();
    for (const auto &[name, value] : changes) {
        if (value.isEmpty())
            changed.remove(name);
        else
            changed.insert(name, value);
    }
    QProcess process;
    process.setProcessEnvironment(changed);
    process.setWorkingDirectory(workingFolder.isEmpty() ? path() : workingFolder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(programPath(), arguments);
    Run run;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    else {
        process.kill();
        process.waitForFinished(5000);
    }
    run.output = QString::fromUtf8(process.readAll());
    return run;
}

bool ProgramFolder::start(const QStringList &arguments, const QList<QPair<QString, QString>> &changes) {
    QProcessEnvironment changed = environment();
    for (const auto &[name, value] : changes) {
        if (value.isEmpty())
            changed.remove(name);
        else
            changed.insert(name, value);
    }
    process_.setProcessEnvironment(changed);
    process_.setWorkingDirectory(path());
    // Into a file, not a pipe: nobody reads a pipe while a test polls the
    // display, and a full one would stall the program.
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(outputPath(), QIODevice::Append);
    process_.start(programPath(), arguments);
    return process_.waitForStarted(10000);
}

std::optional<int> ProgramFolder::waitForExit(int timeoutMs) {
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(timeoutMs))
        return std::nullopt;
    if (process_.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return process_.exitCode();
}

void ProgramFolder::stop() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QString ProgramFolder::outputPath() const {
    return path() + QStringLiteral("/output.log");
}

QString ProgramFolder::output() const {
    QFile file(outputPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

qint64 ProgramFolder::residentKb() const {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid()));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace e2e
