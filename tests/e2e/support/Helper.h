#pragma once
// A helper process (hold_key, click_target, the program) that reports on
// its standard output and is ended when the test is done with it.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace e2e {

class Helper {
  public:
    Helper(const QString &program, const QStringList &arguments);
    ~Helper();
    Helper(const Helper &) = delete;
    Helper &operator=(const Helper &) = delete;

    // The next line the helper prints; empty when it ends or stays silent
    // for timeoutMs.
    QString readLine(int timeoutMs = 10000);
    // The exit code once it ended by itself within timeoutMs.
    std::optional<int> waitForExit(int timeoutMs);
    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    // Asks it to end (SIGTERM), then kills it when it does not.
    void stop();
    // Ends it at once with SIGKILL, as a crash or a power cut would.
    void kill();

  private:
    QProcess process_;
};

// Runs hold_key with the arguments; its answer: "held" or "refused".
// A "held" helper is kept in holder so that the grab lasts.
QString holdKey(const QStringList &arguments, std::unique_ptr<Helper> *holder = nullptr);

} // namespace e2e
