#include "platform/qt/QtServices.h"

#include <algorithm>

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {

QMessageBox::Icon iconFor(Icon icon) {
    switch (icon) {
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

Answer QtMessageBoxes::show(QWidget *owner, const QString &text, const QString &caption, Buttons buttons,
                            Icon icon) {
    QMessageBox box(iconFor(icon), caption, text, QMessageBox::NoButton, owner);
    box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    // Windows draws a lone carriage return as a line break.
    box.setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    if (buttons == Buttons::YesNo) {
        QPushButton *yes = box.addButton(QCoreApplication::translate("lumo", "是(&Y)"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QCoreApplication::translate("lumo", "否(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    QPushButton *ok = box.addButton(QCoreApplication::translate("lumo", "确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return Answer::Ok;
}

struct QtClock::Wait {
    QEventLoop loop;
    bool interrupted = false;
};

QtClock::QtClock(PreciseSleep preciseSleep) : preciseSleep_(preciseSleep) {
    elapsed_.start();
}

QDateTime QtClock::now() {
    return QDateTime::currentDateTime();
}

qint64 QtClock::monotonicMs() {
    return elapsed_.elapsed();
}

qint64 QtClock::monotonicNs() {
    // steady_clock is the clock of the precise sleeps and of Qt's own timers.
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void QtClock::wait(int ms) {
    if (ms <= 0)
        return;
    const qint64 deadline = monotonicNs() + qint64(ms) * 1'000'000;
    if (waitUntilNear(deadline))
        sleepUntil(deadline);
}

bool QtClock::waitUntilNear(qint64 deadlineNs) {
    const auto loopMs = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::nanoseconds(deadlineNs - monotonicNs()) - kPreciseTail);
    if (loopMs.count() <= 0)
        return true;
    Wait wait;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake, &QTimer::timeout, &wait.loop, &QEventLoop::quit);
    wake.start(loopMs);
    waits_.push_back(&wait);
    wait.loop.exec();
    waits_.erase(std::find(waits_.begin(), waits_.end(), &wait));
    return !wait.interrupted;
}

void QtClock::sleepUntil(qint64 deadlineNs) {
    preciseSleep_(
        std::chrono::steady_clock::time_point(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::nanoseconds(deadlineNs))));
}

void QtClock::interruptWaits() {
    // An outer loop told to quit returns once the inner ones have.
    for (Wait *wait : waits_) {
        wait->interrupted = true;
        wait->loop.quit();
    }
}

QtTimers::QtTimers() = default;

QtTimers::~QtTimers() {
    qDeleteAll(timers_);
}

bool QtTimers::setTimer(WindowHandle owner, int id, int periodMs, Tick tick) {
    if (!tick || periodMs < 0)
        return false;
    const auto key = qMakePair(owner, id);
    QTimer *timer = timers_.value(key);
    if (!timer) {
        timer = new QTimer;
        timer->setTimerType(Qt::PreciseTimer);
        timers_.insert(key, timer);
    }
    QObject::disconnect(timer, nullptr, nullptr, nullptr);
    QObject::connect(timer, &QTimer::timeout, timer, std::move(tick));
    timer->start(std::max(periodMs, MinimumPeriodMs));
    return true;
}

void QtTimers::killTimer(WindowHandle owner, int id) {
    // The tick that kills its own timer may still be running, so the timer
    // object stays for reuse and goes with the service.
    if (QTimer *timer = timers_.value(qMakePair(owner, id))) {
        timer->stop();
        QObject::disconnect(timer, &QTimer::timeout, nullptr, nullptr);
    }
}

void QtWindows::setTopmost(QWidget *window, bool topmost) {
    if (!window)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (visible)
        window->show();
}

} // namespace platform
