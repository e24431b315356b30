#include "tests/e2e/support/Helper.h"

#include "tests/e2e/support/Paths.h"

#include <QDeadlineTimer>

namespace e2e {

Helper::Helper(const QString &program, const QStringList &arguments) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, arguments);
    process_.waitForStarted(10000);
}

Helper::~Helper() {
    stop();
}

QString Helper::readLine(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!process_.canReadLine()) {
        if (process_.state() == QProcess::NotRunning || deadline.hasExpired())
            return process_.canReadLine() ? QString::fromLocal8Bit(process_.readLine()).trimmed() : QString();
        process_.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
    }
    return QString::fromLocal8Bit(process_.readLine()).trimmed();
}

std::optional<int> Helper::waitForExit(int timeoutMs) {
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(timeoutMs))
        return std::nullopt;
    if (process_.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return process_.exitCode();
}

void Helper::kill() {
    process_.kill();
    process_.waitForFinished(5000);
}

void Helper::stop() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

QString holdKey(const QStringList &arguments, std::unique_ptr<Helper> *holder) {
    auto helper = std::make_unique<Helper>(holdKeyPath(), arguments);
    const QString answer = helper->readLine();
    if (answer == QLatin1String("held") && holder)
        *holder = std::move(helper);
    return answer;
}

} // namespace e2e
