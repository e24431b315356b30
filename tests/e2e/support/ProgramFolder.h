#pragma once
// A throwaway executable folder for one run of the real program: the
// program, its database, optionally a settings file, and a fake xdg-open
// that records what it was asked to open instead of opening a browser.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace e2e {

// A folder holding an executable "xdg-open" that appends its arguments, one
// per line, to logPath(): an address split into several arguments shows.
class FakeOpener {
  public:
    FakeOpener();
    bool isValid() const { return valid_; }
    // The folder to put first on PATH.
    QString binFolder() const { return folder_.path() + QStringLiteral("/bin"); }
    QString logPath() const { return folder_.path() + QStringLiteral("/xdg-open.log"); }
    QStringList log() const;
    // Polls until the log holds at least count lines or timeoutMs passed.
    QStringList waitForLog(int count, int timeoutMs) const;
    // PATH with binFolder() first.
    QString path() const;

  private:
    QTemporaryDir folder_;
    bool valid_ = false;
};

class ProgramFolder {
  public:
    // Copies the program and acdb.mdb; check isValid().
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    bool isValid() const { return valid_; }
    QString path() const { return folder_.path(); }
    QString programPath() const;

    // setting.ini beside the program, exactly these bytes (GBK text).
    bool writeSettings(const QByteArray &bytes);
    // The same from text, encoded in GBK as the program's own files are.
    bool writeSettingsText(const QString &text);

    // The program runs with LANG set to this locale; without it, with no
    // locale variable at all, whatever the test's own environment holds.
    void setLanguage(const QString &locale) { language_ = locale; }

    // Starts the program on the test's display with the xcb platform.
    // changes set variables; an empty value removes one.
    bool start(const QStringList &arguments = {}, const QList<QPair<QString, QString>> &changes = {});
    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    // The running program's process id, 0 when none runs.
    qint64 pid() const { return process_.processId(); }
    // Its resident memory (VmRSS) in kB; -1 when it cannot be read.
    qint64 residentKb() const;
    // The exit code once it ended normally within timeoutMs.
    std::optional<int> waitForExit(int timeoutMs);
    // Ends it: SIGTERM, then SIGKILL after a grace period.
    void stop();
    // What it wrote on stdout and stderr so far, for failure messages.
    QString output() const;

    const FakeOpener &opener() const { return opener_; }

    // Another run of the same program in the same environment, waited for:
    // its exit code (nothing when it did not end within timeoutMs) and its
    // output. changes set variables; an empty value removes one. It runs in
    // workingFolder, or in this folder when that is empty.
    struct Run {
        std::optional<int> exitCode;
        QString output;
    };
    Run runAgain(const QStringList &arguments, int timeoutMs,
                 const QList<QPair<QString, QString>> &changes = {}, const QString &workingFolder = {}) const;

  private:
    QTemporaryDir folder_;
    FakeOpener opener_;
    QString outputPath() const;
    QProcessEnvironment environment() const;

    QProcess process_;
    QString language_;
    bool valid_ = false;
};

} // namespace e2e
