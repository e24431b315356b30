#pragma once
// SIGTERM, SIGINT and SIGHUP (log-out, kill, Ctrl+C in a terminal) end the
// program through its usual clean-up instead of at once: the handler only
// writes a byte to a socket pair, and the UI thread reads it in whatever
// event loop is running, a run's wait or a message box included.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace lumo {

class TerminationSignals final : public QObject {
  public:
    // onSignal runs on the UI thread for every signal that arrives.
    explicit TerminationSignals(std::function<void()> onSignal);
    // Puts the default handlers back.
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

  private:
    std::function<void()> onSignal_;
    QSocketNotifier *notifier_ = nullptr;
};

} // namespace lumo
