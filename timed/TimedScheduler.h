#pragma once
// The scheduler's decisions: which enabled timed tasks come due at a tick,
// and playing each, cycle by cycle. Widget-free; the timed list is its model.

#include "platform/Platform.h"
#include "storage/ScriptRow.h"
#include "storage/TimedRow.h"

#include <QDateTime>
#include <QObject>

#include <optional>

namespace lumo {

inline const QString kSchedulerErrorText =
    QStringLiteral(QT_TRANSLATE_NOOP("lumo", "定时点击出错,请联系作者反馈错误信息.QQ:"));

// The rows the scheduler reads, at the moment it needs them: a play may
// re-enter the program and change or reload them.
class TimedRows {
  public:
    TimedRows() = default;
    TimedRows(const TimedRows &) = delete;
    TimedRows &operator=(const TimedRows &) = delete;
    virtual ~TimedRows() = default;

    virtual int rowCount() const = 0;
    virtual TimedRow rowAt(int position) const = 0;
    virtual std::optional<TimedRow> rowById(const QString &id) const = 0;
};

class TimedScheduler final : public QObject {
    Q_OBJECT
  public:
    // A second that passed without a tick is still played, this late at most.
    static constexpr int kMaxLateSeconds = 60;

    TimedScheduler(TimedRows &rows, platform::Locale &locale, QObject *parent = nullptr);

    // One tick at now: every enabled task due in a second since the last
    // tick (the current one included) plays, in time order, then list order.
    void tick(const QDateTime &now);

    // The clock text the last tick took.
    const QString &clockText() const { return clockText_; }

    // How long until the next second starts, so ticks land at its start.
    static int msToNextSecond(const QDateTime &now);

  signals:
    // Plays a step list text the given number of cycles (always 1 here);
    // the play is over when the connected slot returns.
    void playRequested(const QString &steps, int cycles);
    // A due task's cycle count is no number; the task is skipped.
    void badCycles();

  private:
    // False when the rows vanished under the tick.
    bool playDueAt(qint64 second, int rowCount);
    void playTask(const TimedRow &row);

    TimedRows &rows_;
    platform::Locale &locale_;
    std::optional<qint64> lastSecond_;
    QString clockText_;
};

} // namespace lumo
